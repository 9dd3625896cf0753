#pragma once

#include "core/files/FileResult.h"

#include <QByteArray>

namespace qm {

class LedgerModel;

// The ledger data file: the year, every ledger cell and both advance ledgers.

// The whole file as it is written from the model, which stays as it is; a
// ledgerYear of 0 is written as the current year.
QByteArray ledgerBytes(const LedgerModel &model);
// Fills the year, the cells and the advances from the bytes of a ledger file,
// for the ad count already in the model (read the settings file first). Each
// of the 15 x ads cell lines is one line of the file, so a damaged line damages
// only its own cells; the advances are found after the cell lines.
FileResult readLedger(const QByteArray &bytes, LedgerModel &model);
FileResult readLedgerFile(const QString &path, LedgerModel &model);
// Replaces the file only once the new one is complete; clears ledgerChanged on success.
FileResult writeLedgerFile(const QString &path, LedgerModel &model);

// True for a version text older than the current format's advance section
// ("1.60"), compared part by part as numbers (compareVersions): such a file is
// written again in the current format after a clean read.
bool isOlderLedgerVersion(const QString &version);

} // namespace qm
