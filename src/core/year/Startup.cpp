#include "core/year/Startup.h"

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
        choice.error = QStringLiteral("\"%1\" is not a ledger file: the ledger file's name must contain \".qmr\" "
                                      "(its settings file is the same name with \".qmr\" replaced by \".ini\").\n\n"
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
    const QString besideProgram = QFileInfo(programPath).absoluteDir().filePath(name);
    return QFileInfo::exists(besideProgram) ? besideProgram : name;
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
