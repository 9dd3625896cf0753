#pragma once

#include "core/files/FileResult.h"

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

// What reading the pair of data files found.
struct LoadOutcome
{
    bool settingsFound = false;
    bool ledgerFound = false;
    bool ledgerRead = false; // the ledger file is read only after a readable settings file
    FileResult settings;
    FileResult ledger;
    QStringList warnings; // what the user must see: files missing, damaged or not read
    bool upgradeDue = false; // a cleanly read ledger file of an older version
};

// Reads the settings file and then the ledger file exactly as start-up does,
// and notes in the model what the files on disk hold; writes nothing.
LoadOutcome readFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile);

// Reads the settings file and then the ledger file, and notes in the model
// what the files on disk hold. Brings a cleanly read ledger file of an older
// version up to date. Returns the warnings the user must see (files missing,
// damaged or not read); none when all is well or when there are no files yet.
QStringList loadFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile);

// The second half of loadFiles, for a caller that has looked at what readFiles
// found: brings the ledger file up to date when the outcome says it is due and
// returns the outcome's warnings, with one more when that rewrite failed.
QStringList upgradeLedgerFile(LedgerModel &model, const QString &ledgerFile, const LoadOutcome &outcome);

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

// Saving from the menu: writes each changed file as the exit save does, both or
// neither when the ad count differs from the files on disk, without the
// time-stamped backup copies (those are the exit save's). Nothing changed:
// nothing is written.
SaveReport saveChangesNow(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile,
                          const QDateTime &moment);

// Saving under new names: writes both files together (each completely before
// either is replaced; on a failure neither changes). From then on the model
// belongs to the new pair: nothing is unsaved and nothing is to be kept.
SaveReport saveFilesAs(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile);

// Where a file that had not read cleanly is kept before it is first replaced:
// "X.qmr" becomes "X_kept_MMDDYY_hhmm.qmr", never the name of a file that exists.
QString keptCopyName(const QString &path, const QDateTime &moment);

} // namespace qm
