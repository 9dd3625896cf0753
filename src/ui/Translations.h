#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace qm {

// Where the program's translations are looked for, in this order: the
// program's own folder (a build, or a copy unpacked anywhere), then the
// share/quillmoorads/translations folder of the prefix it is installed in.
QStringList translationFolders();

// Installs quillmoorads_<locale>.qm of the user's locale from the first of
// translationFolders() that has one, and with it Qt's own texts in that
// language (the buttons of message boxes and file dialogs). Call it once the
// application exists and before the first window is made. Returns false, and
// the program stays in English, when no folder has a translation for the locale.
bool installTranslations(QCoreApplication &app);
// The same for a given locale and folders.
bool installTranslations(QCoreApplication &app, const QLocale &locale, const QStringList &folders);

} // namespace qm
