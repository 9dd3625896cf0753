#include "core/year/LedgerLock.h"
#include "core/LedgerDocument.h"
#include "app/CommandLine.h"
#include "app/LedgerLockQuestion.h"
#include "app/MainWindow.h"
#include "app/ProgramIdentity.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramSettings.h"
#include "ui/Translations.h"
#include "core/Messages.h"
#include "core/year/Startup.h"

#include "ui/FontWarmUp.h"
#include "ui/Fonts.h"
#include "core/year/YearFiles.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    // Help, version, check and export run without a window (and without a display).
    if (qm::runsWithoutWindow(argc, argv))
        return qm::runWithoutWindow(argc, argv);
    QApplication app(argc, argv);
    qm::installTranslations(app);
    qm::setProgramIdentity();
    qm::FontWarmUp fonts;
    QApplication::setFont(qm::uiFont(10));
    qm::installMessageBoxes();

    const QString programPath = QApplication::applicationFilePath();
    const qm::CommandLineRequest request = qm::parseCommandLine(QApplication::arguments());
    if (request.action != qm::CommandLineRequest::Action::Open)
        return qm::runRequest(request, programPath);
    qm::printNote(request);
    const qm::StartFiles start = qm::startFiles(request, programPath);
    const qm::FileChoice &files = start.files;
    if (!files.error.isEmpty()) {
        qm::showMessage(files.error, QCoreApplication::translate("main", "Quillmoor Ad Sales"), qm::MessageButtons::Ok,
                        qm::MessageIcon::Error);
        return 1;
    }

    std::unique_ptr<qm::LedgerLock> lock = qm::takeLedgerLock(files.ledgerFile);
    if (!lock)
        return 0;

    // The files are read while the fonts are still being found; the window
    // shows what the reading had to say once it is built.
    qm::LedgerDocument document;
    const QStringList warnings = document.load(files.settingsFile, files.ledgerFile);
    fonts.finish();
    qm::ProgramSettings settings;
    qm::MainWindow window(document,
                          {files.settingsFile, files.ledgerFile, qm::findHelpFile(programPath), {}, start.printFolder},
                          &settings);
    window.adoptLock(std::move(lock));
    if (!window.start(warnings))
        return 0;
    window.show();
    if (request.quitWhenShown)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
