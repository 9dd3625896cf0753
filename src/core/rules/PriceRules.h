#pragma once

#include "core/LedgerModel.h"

#include <QString>

namespace qm {

// Price table entry of the chosen publication and size (both 1-based, 0 when
// not chosen); 0 unless both are chosen.
int chosenPriceEntry(int publication, int size);

QString priceText(const LedgerModel &model, int entry, PriceKind kind);
// Stores the text as typed under the chosen publication and size and marks the
// settings changed; with either choice missing nothing is stored (false).
bool storePrice(LedgerModel &model, int publication, int size, PriceKind kind, const QString &text);

} // namespace qm
