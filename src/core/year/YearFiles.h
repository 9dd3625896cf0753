#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace qm {

class LedgerModel;

// What a save did, for the user to read.
struct SaveReport
{
    QStringList errors;  // one per file that was not saved (its changed flag stays set), or whose backup failed
    QStringList notices; // copies kept of files that had not read cleanly, and where they are
    bool ok() const { return errors.isEmpty(); }
};

// Reads the settings file and then the ledger file, and notes in the model
// what the files on disk hold. Brings a cleanly read ledger file of an older
// version up to date. Returns the warnings the user must see (files missing,
// damaged or not read); none when all is well or when there are no files yet.
QStringList loadFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile);

// The exit save: writes each changed file and then its time-stamped backup
// copy. When the ad count differs from the files on disk, both files are
// written or neither. A file that had not read cleanly is first kept under a
// copy name beside it.
SaveReport saveChangedFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile,
                            const QDateTime &moment);

// Saving from the grid: writes the ledger file, and the settings file with it
// when it changed, both or neither when the ad count differs from the files on
// disk. No backup copies.
SaveReport saveFilesNow(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile,
                         const QDateTime &moment);

// Where a file that had not read cleanly is kept before it is first replaced:
// "X.qmr" becomes "X_kept_MMDDYY_hhmm.qmr", never the name of a file that exists.
QString keptCopyName(const QString &path, const QDateTime &moment);

} // namespace qm
