#include "core/year/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

} // namespace

FileChoice chooseFiles(const QStringList &arguments, const QString &programPath, const QString &defaultFolder)
{
    FileChoice choice;
    const QString first = arguments.size() > 1 ? arguments.at(1) : QString();
    if (first.isEmpty()) {
        const QString base = QFileInfo(programPath).completeBaseName();
        const QString folder = defaultFolder.isEmpty() ? QString() : QDir::cleanPath(defaultFolder) + u'/';
        choice.settingsFile = folder + base + QStringLiteral(".ini");
        choice.ledgerFile = folder + base + QStringLiteral(".qmr");
        return choice;
    }
    choice.ledgerFile = first;
    choice.settingsFile = first;
    choice.settingsFile.replace(QStringLiteral(".qmr"), QStringLiteral(".ini"));
    // Without ".qmr" both files would be one path, and saving would write the
    // settings over the ledger.
    if (choice.settingsFile == choice.ledgerFile) {
        choice.error = Text::tr("\"%1\" is not a ledger file: the ledger file's name must contain \".qmr\" "
                                "(its settings file is the same name with \".qmr\" replaced by \".ini\").\n\n"
                                "Quillmoor Ad Sales ends without opening or changing any file.")
                           .arg(first);
    }
    return choice;
}

bool isArchiveCopy(const QString &settingsFile)
{
    // The folder is judged from where the file is, not only from the path as
    // typed: "QuillmoorAds_2025.ini" or "./QuillmoorAds_2025.ini" typed in the
    // archive folder has no folder part, and a link may lead into the archive
    // folder under another name. Any name of the folder makes it an archive copy.
    const QFileInfo file(settingsFile);
    const QString folder = QDir::cleanPath(file.absolutePath());
    const QString real = file.canonicalFilePath(); // empty when there is no such file
    const QStringList typed = settingsFile.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    const QString names[] = {typed.size() >= 2 ? typed.at(typed.size() - 2) : QString(), QFileInfo(folder).fileName(),
                             QFileInfo(QFileInfo(folder).canonicalFilePath()).fileName(),
                             real.isEmpty() ? QString() : QFileInfo(QFileInfo(real).path()).fileName()};
    for (const QString &name : names) {
        if (name.toLower() == QStringLiteral("quillmoorads_archive"))
            return true;
    }
    return false;
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

} // namespace qm
