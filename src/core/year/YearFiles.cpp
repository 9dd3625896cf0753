#include "core/year/YearFiles.h"

#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/files/SafeSave.h"
#include "core/files/SettingsFile.h"
#include "core/year/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(YearFiles)
};

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

QString keptUntilSaved()
{
    return Text::tr("\n\nThe file on disk stays as it is. If you save, a copy of it as it is now is kept beside it "
                    "before it is replaced.");
}
QString unreadUntilChanged()
{
    return Text::tr("\n\nThe file on disk stays as it is until you change the ledger and save it; a copy of it as "
                    "it is now is then kept beside it before it is replaced.");
}

// One of the two files of a save.
struct Target
{
    QString path;
    QString what; // "settings file", "ledger file"
    QByteArray bytes;
    bool LedgerModel::*changed;
    bool FilesOnDisk::*keepCopy;
    bool FilesOnDisk::*unread;
    bool refused = false;
};

QString backUp(const QString &path, const QDateTime &moment)
{
    QByteArray bytes;
    QString error;
    const QString backup = backupName(path, moment);
    if (readWholeFile(path, &bytes, &error) && saveCopyAtomically(path, backup, bytes, &error))
        return QString();
    return Text::tr("The backup copy %1 could not be written: %2").arg(shown(backup), error);
}

// Keeps a file that had not read cleanly under a copy name before it is replaced.
void keepCopyIfNeeded(LedgerModel &model, Target &target, const QDateTime &moment, SaveReport &report)
{
    if (!(model.onDisk.*target.keepCopy))
        return;
    if (!QFileInfo::exists(target.path)) {
        model.onDisk.*target.keepCopy = false;
        return;
    }
    const QString copy = keptCopyName(target.path, moment);
    QByteArray bytes;
    QString error;
    if (!readWholeFile(target.path, &bytes, &error) || !saveCopyAtomically(target.path, copy, bytes, &error)) {
        target.refused = true;
        report.errors << Text::tr("The %1 %2 was not replaced: it was not read in full when the program "
                                  "started, and a copy of it could not be kept as %3: %4")
                             .arg(target.what, shown(target.path), shown(copy), error);
        return;
    }
    model.onDisk.*target.keepCopy = false;
    report.notices << Text::tr("The %1 %2 was not read in full when the program started. Before it was "
                               "replaced, the file as it was has been kept as\n%3")
                          .arg(target.what, shown(target.path), shown(copy));
}

void saved(LedgerModel &model, const Target &target, const QDateTime &moment, bool backups, SaveReport &report)
{
    model.*target.changed = false;
    model.onDisk.*target.unread = false;
    if (!backups)
        return;
    const QString backupError = backUp(target.path, moment);
    if (!backupError.isEmpty())
        report.errors << backupError;
}

// Both files or neither: when one of them fails, the other keeps (or gets back) what it held.
void saveBothTogether(LedgerModel &model, Target (&targets)[2], const QDateTime &moment, bool backups,
                      SaveReport &report)
{
    const QString together = Text::tr("the two files are saved together, so that they always hold the same ads");
    if (targets[0].refused || targets[1].refused) {
        for (const Target &t : targets) {
            if (!t.refused)
                report.errors << Text::tr("The %1 %2 was not written either and holds what it held before: %3.")
                                     .arg(t.what, shown(t.path), together);
        }
        return;
    }
    const TogetherResult result = saveTogether({{targets[0].path, targets[0].bytes}, {targets[1].path, targets[1].bytes}});
    if (result.ok) {
        for (const Target &t : targets)
            saved(model, t, moment, backups, report);
        model.onDisk.adCount = model.adCount();
        return;
    }
    const Target &failed = targets[result.failed];
    const Target &other = targets[1 - result.failed];
    report.errors << Text::tr("The %1 %2 could not be written: %3").arg(failed.what, shown(failed.path), result.error);
    if (!result.holdsNew[1 - result.failed]) {
        report.errors << Text::tr("The %1 %2 was not written either and holds what it held before: %3.")
                             .arg(other.what, shown(other.path), together);
        return;
    }
    // The one case where the files part: the other was replaced, and putting
    // its old bytes back failed as well.
    model.onDisk.adCount = -1;
    report.errors << Text::tr("The %1 %2 already holds the new %3 ads, but the %4 still holds the old "
                              "ledger, so the two files do not fit together; the old %1 could not be put "
                              "back: %5. Save again once the problem is solved: everything is still in the "
                              "program.")
                         .arg(other.what, shown(other.path))
                         .arg(model.adCount())
                         .arg(failed.what, result.restoreError);
}

SaveReport saveFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile,
                     bool settings, bool ledger, const QDateTime &moment, bool backups)
{
    SaveReport report;
    if (!settings && !ledger)
        return report;
    // Files with different ad counts put every cell under the wrong ad.
    const bool together = model.adCount() != model.onDisk.adCount;
    Target targets[2] = {
        {settingsFile, Text::tr("settings file"), QByteArray(), &LedgerModel::settingsChanged,
         &FilesOnDisk::keepSettingsCopy, &FilesOnDisk::settingsUnread},
        {ledgerFile, Text::tr("ledger file"), QByteArray(), &LedgerModel::ledgerChanged,
         &FilesOnDisk::keepLedgerCopy, &FilesOnDisk::ledgerUnread},
    };
    // A file that was never read holds nothing this run knows of: it is
    // written over only when its own part changed, not to match the other.
    bool wanted[2] = {settings, ledger};
    for (int i = 0; i < 2; ++i)
        wanted[i] = wanted[i] || (together && !(model.onDisk.*targets[i].unread));
    for (int i = 0; i < 2; ++i) {
        if (wanted[i])
            keepCopyIfNeeded(model, targets[i], moment, report);
    }
    targets[0].bytes = settingsBytes(model);
    targets[1].bytes = ledgerBytes(model);
    if (together && wanted[0] && wanted[1]) {
        saveBothTogether(model, targets, moment, backups, report);
        return report;
    }
    for (int i = 0; i < 2; ++i) {
        Target &t = targets[i];
        if (!wanted[i] || t.refused)
            continue;
        QString error;
        if (saveFileAtomically(t.path, t.bytes, &error))
            saved(model, t, moment, backups, report);
        else
            report.errors << Text::tr("The %1 %2 could not be written: %3").arg(t.what, shown(t.path), error);
    }
    return report;
}

} // namespace

LoadOutcome readFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile)
{
    LoadOutcome outcome;
    QStringList &warnings = outcome.warnings;
    model.onDisk = FilesOnDisk();
    const bool hasLedger = QFileInfo::exists(ledgerFile);
    outcome.ledgerFound = hasLedger;
    outcome.settingsFound = QFileInfo::exists(settingsFile);
    if (!outcome.settingsFound) {
        if (hasLedger) {
            model.onDisk.adCount = -1;
            model.onDisk.keepLedgerCopy = true;
            model.onDisk.ledgerUnread = true;
            warnings << Text::tr("The ledger file\n%1\nexists, but its settings file\n%2\nwas not found, so "
                                 "the ledger file was not read: the ledger starts empty.")
                                .arg(shown(ledgerFile), shown(settingsFile)) +
                            unreadUntilChanged();
        }
        return outcome;
    }
    const FileResult settings = readSettingsFile(settingsFile, model);
    outcome.settings = settings;
    if (!settings.ok) {
        model.onDisk = FilesOnDisk{-1, true, hasLedger, true, hasLedger};
        warnings << settings.message +
                        Text::tr("\n\nNeither file was read: the program starts without ads. The files on "
                                 "disk stay as they are. If you save, a copy of each is kept beside it "
                                 "before it is replaced. A file is replaced only when what it holds has "
                                 "changed.");
        return outcome;
    }
    model.onDisk.adCount = model.adCount();
    if (settings.damaged) {
        model.onDisk.adCount = -1;
        model.onDisk.keepSettingsCopy = true;
        warnings << settings.message + keptUntilSaved();
    }
    if (!hasLedger)
        return outcome;
    const FileResult ledger = readLedgerFile(ledgerFile, model);
    outcome.ledgerRead = true;
    outcome.ledger = ledger;
    if (!ledger.ok || ledger.damaged) {
        model.onDisk.keepLedgerCopy = true;
        warnings << ledger.message +
                        Text::tr("\n\nIt was read with the %1 ads of the settings file\n%2")
                            .arg(model.adCount())
                            .arg(shown(settingsFile)) +
                        keptUntilSaved();
        return outcome;
    }
    // An older file read cleanly is brought up to date; a damaged one never
    // is, since the rewrite would make its damage permanent.
    outcome.upgradeDue = isOlderLedgerVersion(ledger.version) && !settings.damaged;
    return outcome;
}

QStringList loadFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile)
{
    return upgradeLedgerFile(model, ledgerFile, readFiles(model, settingsFile, ledgerFile));
}

QStringList upgradeLedgerFile(LedgerModel &model, const QString &ledgerFile, const LoadOutcome &outcome)
{
    QStringList warnings = outcome.warnings;
    if (outcome.upgradeDue) {
        const FileResult rewritten = writeLedgerFile(ledgerFile, model);
        if (!rewritten.ok)
            warnings
                << Text::tr("The ledger file %1 is of an older version (%2) and could not be written "
                            "in the current format: %3\n\nThe older file was kept as it was; it was "
                            "read in full, and the next save writes it in the current format.")
                       .arg(shown(ledgerFile), outcome.ledger.version, rewritten.message);
    }
    return warnings;
}

SaveReport saveChangedFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile,
                            const QDateTime &moment)
{
    return saveFiles(model, settingsFile, ledgerFile, model.settingsChanged, model.ledgerChanged, moment, true);
}

SaveReport saveFilesNow(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile,
                         const QDateTime &moment)
{
    return saveFiles(model, settingsFile, ledgerFile, model.settingsChanged, true, moment, false);
}

SaveReport saveChangesNow(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile,
                          const QDateTime &moment)
{
    return saveFiles(model, settingsFile, ledgerFile, model.settingsChanged, model.ledgerChanged, moment, false);
}

SaveReport saveFilesAs(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile)
{
    SaveReport report;
    const TogetherResult result =
        saveTogether({{settingsFile, settingsBytes(model)}, {ledgerFile, ledgerBytes(model)}});
    if (!result.ok) {
        const QString what[] = {QStringLiteral("settings file"), QStringLiteral("ledger file")};
        const QString paths[] = {settingsFile, ledgerFile};
        report.errors << QStringLiteral("The %1 %2 could not be written: %3")
                             .arg(what[result.failed], shown(paths[result.failed]), result.error);
        if (!result.restoreError.isEmpty())
            report.errors << QStringLiteral("The %1 %2 could not be put back as it was: %3")
                                 .arg(what[1 - result.failed], shown(paths[1 - result.failed]), result.restoreError);
        return report;
    }
    model.markUnchanged();
    model.onDisk = FilesOnDisk();
    model.onDisk.adCount = model.adCount();
    return report;
}

QString keptCopyName(const QString &path, const QDateTime &moment)
{
    const QString stamp = moment.toString(QStringLiteral("_MMddyy_HHmm"));
    const QString stamped = backupName(path, moment);
    const qsizetype at = stamped.lastIndexOf(stamp);
    for (int n = 1;; ++n) {
        QString name = stamped;
        name.insert(at, n == 1 ? QStringLiteral("_kept") : QStringLiteral("_kept%1").arg(n));
        if (!QFileInfo::exists(name))
            return name;
    }
}

} // namespace qm
