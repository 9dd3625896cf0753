#pragma once

#include <QString>

class QWidget;

namespace qm {

class LedgerModel;

// Opens the configuration dialog modally on the model and returns once it was closed.
void openConfigureDialog(LedgerModel &model, const QString &helpFile, QWidget *parent);

} // namespace qm
