#include "core/year/LedgerLock.h"
#include "core/LedgerModel.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "core/Messages.h"
#include "core/year/Startup.h"

#include "ui/FontWarmUp.h"
#include "ui/Fonts.h"
#include "core/year/YearFiles.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    // Help, version, check and export run without a window (and without a display).
    if (qm::runsWithoutWindow(argc, argv))
        return qm::runWithoutWindow(argc, argv);
    QApplication app(argc, argv);
    qm::FontWarmUp fonts;
    QApplication::setFont(qm::uiFont(10));
    qm::installMessageBoxes();

    const QString programPath = QApplication::applicationFilePath();
    const qm::CommandLineRequest request = qm::parseCommandLine(QApplication::arguments());
    if (request.action != qm::CommandLineRequest::Action::Open)
        return qm::runRequest(request, programPath);
    qm::printNote(request);
    const qm::FileChoice files = qm::chooseFiles({programPath, request.ledgerFile}, programPath);
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

    // The files are read while the fonts are still being found; the window
    // shows what the reading had to say once it is built.
    qm::LedgerModel model;
    const QStringList warnings = qm::loadFiles(model, files.settingsFile, files.ledgerFile);
    fonts.finish();
    qm::MainWindow window(model, {files.settingsFile, files.ledgerFile, qm::findHelpFile(programPath)});
    if (!window.start(warnings))
        return 0;
    window.show();
    if (request.quitWhenShown)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
