#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace qm {

QStringList translationFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.absolutePath(),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(QM_TRANSLATIONS_FROM_BIN)))};
}

bool installTranslations(QCoreApplication &app)
{
    return installTranslations(app, QLocale::system(), translationFolders());
}

bool installTranslations(QCoreApplication &app, const QLocale &locale, const QStringList &folders)
{
    auto *program = new QTranslator(&app);
    bool found = false;
    for (const QString &folder : folders) {
        // Tries quillmoorads_de_DE.qm, then quillmoorads_de.qm and so on, for
        // each of the locale's languages in the user's order.
        if (program->load(locale, QStringLiteral("quillmoorads"), QStringLiteral("_"), folder)) {
            found = true;
            break;
        }
    }
    if (!found) {
        delete program;
        return false;
    }
    app.installTranslator(program);
    // Qt's own texts only along with the program's: an English program with
    // message box buttons in another language would be worse than either.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace qm
