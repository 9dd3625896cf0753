#pragma once

#include "core/LedgerModel.h"

#include <QString>

namespace qm::bench {

// A plausible year of ad sales with `adCount` ads: two sales people, a full
// price table, two thirds of the ledger lines filled, a year of advances.
// The same count always gives the same ledger.
LedgerModel generateLedger(int adCount);

struct GeneratedFiles
{
    QString settingsFile;
    QString ledgerFile;
    qint64 bytes = 0; // both files together
};

// Writes the generated year as the two data files into `folder`.
GeneratedFiles writeGeneratedFiles(const QString &folder, int adCount);

} // namespace qm::bench
