#include "core/year/LedgerLock.h"
#include "core/LedgerModel.h"
#include "app/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "core/Messages.h"
#include "core/year/Startup.h"

#include "ui/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(qm::uiFont(10));
    qm::installMessageBoxes();

    const QString programPath = QApplication::applicationFilePath();
    // --quit-when-shown ends the program once its window is up (start-up timing).
    QStringList arguments = QApplication::arguments();
    const bool quitWhenShown = arguments.removeAll(QStringLiteral("--quit-when-shown")) > 0;
    const qm::FileChoice files = qm::chooseFiles(arguments, programPath);
    if (!files.error.isEmpty()) {
        qm::showMessage(files.error, QStringLiteral("Quillmoor Ad Sales"), qm::MessageButtons::Ok,
                        qm::MessageIcon::Error);
        return 1;
    }

    qm::LedgerLock lock(files.ledgerFile);
    if (lock.acquire() == qm::LockOutcome::HeldByAnotherCopy) {
        const QString text =
            QStringLiteral("The ledger file %1 is already open in another copy of Quillmoor Ad Sales.\n\n"
                           "If both copies save, the changes of one are lost. Do you want to open it anyway?")
                .arg(QDir::toNativeSeparators(files.ledgerFile));
        if (qm::showMessage(text, QStringLiteral("Quillmoor Ad Sales"), qm::MessageButtons::YesNo,
                            qm::MessageIcon::Warning) != qm::MessageAnswer::Yes)
            return 0;
    }

    qm::LedgerModel model;
    qm::MainWindow window(model, {files.settingsFile, files.ledgerFile, qm::findHelpFile(programPath)});
    if (!window.start())
        return 0;
    window.show();
    if (quitWhenShown)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
