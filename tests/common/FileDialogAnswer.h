#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

// Enters `name` in the next file dialog once it is open, and presses Enter
// (Esc when `name` is empty). `shownAs` gets the dialog's object name. The
// watch ends with `context`. (Needs Qt's own dialogs: AA_DontUseNativeDialogs.)
inline void answerFileDialog(QObject *context, const QString &name, QString *shownAs = nullptr)
{
    QTimer::singleShot(0, context, [context, name, shownAs] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            answerFileDialog(context, name, shownAs);
            return;
        }
        if (shownAs)
            *shownAs = dialog->objectName();
        auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
        QVERIFY(edit);
        // Into the name box as the user goes there (a file the dialog offered
        // is then no longer chosen), set whole as a paste would: typed letters
        // would open the name completer.
        QApplication::setActiveWindow(dialog);
        edit->setFocus();
        edit->setText(name);
        QTest::keyClick(edit, name.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
}
