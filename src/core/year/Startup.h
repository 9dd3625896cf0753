#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace qm {

class LedgerModel;

// The two data files of a run, fixed at start-up.
struct FileChoice
{
    QString ledgerFile;
    QString settingsFile;
    QString error; // set when the command line names no usable ledger file
};

// The ledger file is the first argument (the settings file beside it, ".qmr"
// replaced by ".ini"); without one both carry the program's base name in the
// working folder.
FileChoice chooseFiles(const QStringList &arguments, const QString &programPath);

// True when the settings file lies directly in a folder named
// "QuillmoorAds_Archive" (any letter case): an archived year opened for viewing.
bool isArchiveCopy(const QString &settingsFile);

// "quillmoorAds.ahp" in the working folder, or else beside the program, or else
// in the data folder of the prefix the program is installed in.
QString findHelpFile(const QString &programPath);

// The file's path with "_MMDDYY_hhmm" of the moment inserted before its extension.
QString backupName(const QString &path, const QDateTime &moment);

// Reads the settings file and then, if there are ads, the ledger file. Returns
// the warnings the user must see (damaged or mismatched files); none when all
// is well or when there is no settings file.
QStringList loadFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile);

// Writes each changed file and then its time-stamped backup copy. Returns the
// reasons of every failure; a file that could not be written keeps its flag.
QStringList saveChangedFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile,
                             const QDateTime &moment);

} // namespace qm
