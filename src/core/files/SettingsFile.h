#pragma once

#include "core/files/FileResult.h"

#include <QByteArray>

namespace qm {

class LedgerModel;

// The settings file: the ads, the sales people and the price table.

// The whole file as it is written from the model.
QByteArray settingsBytes(const LedgerModel &model);
// Fills the ad list (and sizes the ledger to it), the sales people and the
// price table from the bytes of a settings file. One line is one record, so a
// count larger than the lines the file holds reads what is there and reports
// the file as ending early.
FileResult readSettings(const QByteArray &bytes, LedgerModel &model);
FileResult readSettingsFile(const QString &path, LedgerModel &model);
// Replaces the file only once the new one is complete; clears settingsChanged on success.
FileResult writeSettingsFile(const QString &path, LedgerModel &model);

} // namespace qm
