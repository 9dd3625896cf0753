#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Loading and saving the two files of a run (kept here for the callers that include this header).
#include "core/year/YearFiles.h"

namespace qm {

// The two data files of a run, fixed at start-up.
struct FileChoice
{
    QString ledgerFile;
    QString settingsFile;
    QString error; // set when the command line names no usable ledger file
};

// The ledger file is the first argument (the settings file beside it, ".qmr"
// replaced by ".ini"); without one both carry the program's base name in
// `defaultFolder`, or in the working folder when that is empty.
FileChoice chooseFiles(const QStringList &arguments, const QString &programPath,
                       const QString &defaultFolder = QString());

// True when the settings file lies directly in a folder named
// "QuillmoorAds_Archive" (any letter case): an archived year opened for viewing.
// A relative path counts from the working folder, and links are followed.
bool isArchiveCopy(const QString &settingsFile);

// "quillmoorAds.ahp" in the working folder, or else beside the program, or else
// in the data folder of the prefix the program is installed in.
QString findHelpFile(const QString &programPath);

// The file's path with "_MMDDYY_hhmm" of the moment inserted before its extension.
QString backupName(const QString &path, const QDateTime &moment);

} // namespace qm
