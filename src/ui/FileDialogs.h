#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace qm {

// A file dialog of the program: named so that it can be found on screen, in
// the folder given, with one filter and, for saving, the suffix a bare name gets.
struct FileDialogRequest
{
    QString objectName;
    QString caption;
    QString file;   // the file offered (its folder is where the dialog opens)
    QString filter; // "Ledger files (*.qmr)"
    QString suffix; // "qmr"
};

// The existing file the user chose; empty when the dialog was cancelled.
QString chooseFileToOpen(QWidget *parent, const FileDialogRequest &request);
// The name the user chose to write; empty when cancelled. The dialog itself
// does not ask about an existing file: see mayReplace.
QString chooseFileToSave(QWidget *parent, const FileDialogRequest &request);

// True when none of the files exists, or the user agrees to replace those that
// do (Enter keeps them).
bool mayReplace(const QStringList &files, const QString &caption);

} // namespace qm
