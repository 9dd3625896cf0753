#include "core/year/Startup.h"

#include "core/files/DataFiles.h"
#include "core/LedgerModel.h"
#include "core/files/LineFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace qm {

FileChoice chooseFiles(const QStringList &arguments, const QString &programPath)
{
    FileChoice choice;
    const QString first = arguments.size() > 1 ? arguments.at(1) : QString();
    if (first.isEmpty()) {
        const QString base = QFileInfo(programPath).completeBaseName();
        choice.settingsFile = base + QStringLiteral(".ini");
        choice.ledgerFile = base + QStringLiteral(".qmr");
        return choice;
    }
    choice.ledgerFile = first;
    choice.settingsFile = first;
    choice.settingsFile.replace(QStringLiteral(".qmr"), QStringLiteral(".ini"));
    // Without ".qmr" both files would be one path, and saving would write the
    // settings over the ledger.
    if (choice.settingsFile == choice.ledgerFile) {
        choice.error = QStringLiteral("\"%1\" is not a ledger file: the ledger file's name must end in \".qmr\" "
                                      "(its settings file is the same name with \".ini\").\n\n"
                                      "Quillmoor Ad Sales ends without opening or changing any file.")
                           .arg(first);
    }
    return choice;
}

bool isArchiveCopy(const QString &settingsFile)
{
    const QStringList parts = settingsFile.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    return parts.size() >= 2 && parts.at(parts.size() - 2).toLower() == QStringLiteral("quillmoorads_archive");
}

QString findHelpFile(const QString &programPath)
{
    const QString name = QStringLiteral("quillmoorAds.ahp");
    if (QFileInfo::exists(name))
        return name;
    const QDir programFolder = QFileInfo(programPath).absoluteDir();
    const QString besideProgram = programFolder.filePath(name);
    if (QFileInfo::exists(besideProgram))
        return besideProgram;
#ifdef QM_HELP_FROM_BIN
    // An installed program: bin/QuillmoorAds finds share/quillmoorads/quillmoorAds.ahp.
    const QString installed = QDir::cleanPath(programFolder.filePath(QStringLiteral(QM_HELP_FROM_BIN "/") + name));
    if (QFileInfo::exists(installed))
        return installed;
#endif
    return name;
}

QString backupName(const QString &path, const QDateTime &moment)
{
    const QString stamp = moment.toString(QStringLiteral("_MMddyy_HHmm"));
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= slash)
        return path + stamp;
    return path.left(dot) + stamp + path.mid(dot);
}

QStringList loadFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile)
{
    QStringList warnings;
    if (!QFileInfo::exists(settingsFile))
        return warnings;
    const SettingsReadResult settings = readSettingsFile(settingsFile, model);
    if (!settings.message.isEmpty())
        warnings << settings.message;
    if (!settings.ok || model.adCount() == 0 || !QFileInfo::exists(ledgerFile))
        return warnings;
    const LedgerReadResult ledger = readLedgerFile(ledgerFile, model);
    if (ledger.mismatch) {
        warnings << QStringLiteral("The ledger file\n%1\ndoes not match the settings file\n%2\n\n"
                                   "The settings file has %3 ads, so the ledger file should hold %4 lines of "
                                   "ledger cells, but it holds %5. The cells may be shown under the wrong ads.\n\n"
                                   "Check the ledger before you save it; the files on disk stay as they are "
                                   "until you do.")
                        .arg(QDir::toNativeSeparators(ledgerFile), QDir::toNativeSeparators(settingsFile))
                        .arg(model.adCount())
                        .arg(ledger.expectedCellLines)
                        .arg(ledger.foundCellLines);
    } else if (!ledger.message.isEmpty()) {
        warnings << ledger.message;
    }
    return warnings;
}

namespace {

QString backUp(const QString &path, const QDateTime &moment)
{
    QByteArray bytes;
    QString error;
    const QString backup = backupName(path, moment);
    if (readWholeFile(path, &bytes, &error) && saveFileAtomically(backup, bytes, &error))
        return QString();
    return QStringLiteral("The backup copy %1 could not be written: %2")
        .arg(QDir::toNativeSeparators(backup), error);
}

} // namespace

QStringList saveChangedFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile,
                             const QDateTime &moment)
{
    QStringList errors;
    auto saveAndBackUp = [&](const QString &path, const SaveResult &saved) {
        if (!saved.ok) {
            errors << saved.error;
            return;
        }
        const QString backupError = backUp(path, moment);
        if (!backupError.isEmpty())
            errors << backupError;
    };
    if (model.settingsChanged)
        saveAndBackUp(settingsFile, writeSettingsFile(settingsFile, model));
    if (model.ledgerChanged)
        saveAndBackUp(ledgerFile, writeLedgerFile(ledgerFile, model));
    return errors;
}

} // namespace qm
