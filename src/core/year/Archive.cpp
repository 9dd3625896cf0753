#include "core/year/Archive.h"

#include "core/LedgerModel.h"
#include "core/files/LineFormat.h"
#include "core/files/SafeSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <optional>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Archive)
};

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

// Creates the folder when missing and proves that a file can be written in it.
bool prepareFolder(const QString &folder, QString *reason)
{
    if (!QDir().mkpath(folder)) {
        *reason = Text::tr("the folder could not be created");
        return false;
    }
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("archive_XXXXXX.tmp")));
    if (!probe.open()) {
        *reason = probe.errorString();
        return false;
    }
    return true;
}

struct Copy
{
    QString source;
    QString target;
    std::optional<QByteArray> replaced; // what the target held before, if it existed
    QFileDevice::Permissions replacedPermissions = {};
};

bool copyFile(Copy &copy, QString *error)
{
    QByteArray bytes;
    QString reason;
    if (!readWholeFile(copy.source, &bytes, &reason)) {
        *error = Text::tr("The file %1 could not be read: %2").arg(shown(copy.source), reason);
        return false;
    }
    if (QFileInfo::exists(copy.target)) {
        QByteArray old;
        if (readWholeFile(copy.target, &old, &reason)) {
            copy.replaced = old;
            copy.replacedPermissions = QFile::permissions(copy.target);
        }
    }
    if (!saveCopyAtomically(copy.source, copy.target, bytes, &reason)) {
        *error = Text::tr("The archive copy %1 could not be written: %2").arg(shown(copy.target), reason);
        return false;
    }
    return true;
}

// Puts a copy that was already made back the way it was.
void undoCopy(const Copy &copy)
{
    QString ignored;
    if (copy.replaced)
        saveFileAtomically(copy.target, *copy.replaced, &ignored, copy.replacedPermissions);
    else
        QFile::remove(copy.target);
}

ArchiveResult failed(const QString &why, int ledgerYear)
{
    ArchiveResult result;
    result.outcome = ArchiveOutcome::Failed;
    result.message = Text::tr("The %1 data could not be archived.\n\n%2\n\n"
                              "Nothing was changed: the ledger keeps all its entries.")
                         .arg(ledgerYear)
                         .arg(why);
    return result;
}

} // namespace

QString archiveFolderIn(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).filePath(kArchiveFolderName));
}

QString archiveCopyName(const QString &file, int year)
{
    const QFileInfo info(file);
    const QString suffix = info.suffix();
    QString name = info.completeBaseName() + QLatin1Char('_') + QString::number(year);
    if (!suffix.isEmpty())
        name += QLatin1Char('.') + suffix;
    return name;
}

ArchiveResult archiveYear(LedgerModel &model, const ArchiveFiles &files, int currentYear,
                          const ConfirmReplace &confirmReplace)
{
    const int archiveYear = currentYear - 1;

    // The folder beside the program, or else the one beside the ledger file.
    const QString besideProgram = archiveFolderIn(files.programFolder);
    const QString besideLedger = archiveFolderIn(QFileInfo(files.ledgerFile).absolutePath());
    QString programReason;
    QString folder;
    if (prepareFolder(besideProgram, &programReason)) {
        folder = besideProgram;
    } else {
        QString ledgerReason;
        if (besideLedger == besideProgram || !prepareFolder(besideLedger, &ledgerReason)) {
            QString why = Text::tr("The archive folder %1 cannot be used: %2.")
                              .arg(shown(besideProgram), programReason);
            if (besideLedger != besideProgram) {
                why += Text::tr("\nThe archive folder %1 beside the ledger file cannot be used either: %2.")
                           .arg(shown(besideLedger), ledgerReason);
            }
            return failed(why, model.ledgerYear);
        }
        folder = besideLedger;
    }

    Copy settings{files.settingsFile, QDir(folder).filePath(archiveCopyName(files.settingsFile, archiveYear)), {}, {}};
    Copy ledger{files.ledgerFile, QDir(folder).filePath(archiveCopyName(files.ledgerFile, archiveYear)), {}, {}};

    QStringList existing;
    for (const Copy *copy : {&settings, &ledger}) {
        if (QFileInfo::exists(copy->target))
            existing << shown(copy->target);
    }
    if (!existing.isEmpty()) {
        const QString question = Text::tr("An archive of %1 already exists:\n%2\n\n"
                                          "Do you want to replace it?")
                                     .arg(archiveYear)
                                     .arg(existing.join(QLatin1Char('\n')));
        if (!confirmReplace || !confirmReplace(question)) {
            ArchiveResult result;
            result.outcome = ArchiveOutcome::Declined;
            result.message = Text::tr("The %1 data was not archived; the archive of %2 that was there is "
                                      "kept as it was.\n\nThe ledger keeps all its entries, and the "
                                      "archive is offered again when the program next starts.")
                                 .arg(model.ledgerYear)
                                 .arg(archiveYear);
            return result;
        }
    }

    QString error;
    if (!copyFile(settings, &error))
        return failed(error, model.ledgerYear);
    if (!copyFile(ledger, &error)) {
        undoCopy(settings);
        return failed(error, model.ledgerYear);
    }

    ArchiveResult result;
    result.outcome = ArchiveOutcome::Archived;
    result.folder = folder;
    result.settingsCopy = settings.target;
    result.ledgerCopy = ledger.target;
    result.besideLedger = folder != besideProgram;
    if (result.besideLedger) {
        result.message = Text::tr("The archive folder beside the program, %1, cannot be used (%2), so the "
                                  "archive is beside the ledger file.\n\n")
                             .arg(shown(besideProgram), programReason);
    }
    result.message += Text::tr("The %1 data is archived in\n%2\n%3\n\n"
                               "The ledger is now empty for %4; the ads, sales people, prices and advances "
                               "are kept. Save the files when you close the program to start the new year.")
                          .arg(model.ledgerYear)
                          .arg(shown(settings.target), shown(ledger.target))
                          .arg(currentYear);
    model.startYear(currentYear);
    return result;
}

} // namespace qm
