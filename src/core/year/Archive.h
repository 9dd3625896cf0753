#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace qm {

class LedgerModel;

// Where the year's files are and where the program lies.
struct ArchiveFiles
{
    QString settingsFile;
    QString ledgerFile;
    QString programFolder; // the archive folder belongs beside the program
};

enum class ArchiveOutcome {
    Archived, // both copies made, the ledger emptied for the new year
    Declined, // an archive of that year exists and the user kept it; nothing changed
    Failed,   // nothing changed; `message` says what and why
};

struct ArchiveResult
{
    ArchiveOutcome outcome = ArchiveOutcome::Failed;
    QString folder;       // the archive folder used
    QString settingsCopy; // the two copies made
    QString ledgerCopy;
    bool besideLedger = false; // the folder beside the program could not be used
    QString message;           // for the user: where the copies are, or why there are none
};

// Asked with a question text when an archive copy would replace an existing file;
// true allows the replacement.
using ConfirmReplace = std::function<bool(const QString &question)>;

inline const QString kArchiveFolderName = QStringLiteral("QuillmoorAds_Archive");

// "QuillmoorAds_Archive" inside `folder`.
QString archiveFolderIn(const QString &folder);
// The file's name without folder and extension, "_", the year, then its extension.
QString archiveCopyName(const QString &file, int year);

// Copies both files, byte for byte, into the archive folder under the name of the
// year before `currentYear`, then empties the ledger for `currentYear` (the
// configuration and the advances stay; the ledger is marked changed so the empty
// year reaches the file at the next save). The folder beside the program is
// created when missing; when it cannot be created or written, a folder of the same
// name beside the ledger file is used instead. An existing copy is replaced only
// when `confirmReplace` allows it. A copy that fails leaves the model and the
// archive folder as they were.
ArchiveResult archiveYear(LedgerModel &model, const ArchiveFiles &files, int currentYear,
                          const ConfirmReplace &confirmReplace);

} // namespace qm
