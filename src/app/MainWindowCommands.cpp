#include "app/MainWindow.h"

#include "app/LedgerLockQuestion.h"
#include "app/MainMenu.h"
#include "core/Clock.h"
#include "core/LedgerDocument.h"
#include "core/LedgerModel.h"
#include "core/Messages.h"
#include "core/Version.h"
#include "core/csv/CsvExport.h"
#include "core/rules/YearToDate.h"
#include "core/year/LedgerExport.h"
#include "core/year/LastYear.h"
#include "core/year/LedgerLock.h"
#include "core/year/Startup.h"
#include "grid/LedgerGrid.h"
#include "advances/AdvancesDialog.h"
#include "help/HelpLauncher.h"
#include "print/PrinterChooser.h"
#include "reports/ReportPrinting.h"
#include "reports/YearToDateWindow.h"
#include "ui/FileDialogs.h"
#include "ui/ProgramSettings.h"
#include "ui/SaveMessages.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

// The menu's commands: saving, opening another ledger, exporting, printing,
// help and about, and closing the window.
namespace qm {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

QString ledgerFilter() { return Text::tr("Ledger files (*.qmr)"); }

QString shown(const QString &path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

bool sameFile(const QString &a, const QString &b)
{
    const QString realA = QFileInfo(a).canonicalFilePath();
    const QString realB = QFileInfo(b).canonicalFilePath();
    if (!realA.isEmpty() && !realB.isEmpty())
        return realA == realB;
    return shown(a) == shown(b);
}

QString notALedger(const QString &path)
{
    return Text::tr("\"%1\" is not a ledger file: the ledger file's name must contain \".qmr\" (its settings "
                          "file is the same name with \".qmr\" replaced by \".ini\").")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

void MainWindow::buildMenu()
{
    connect(m_menu->save(), &QAction::triggered, this, &MainWindow::saveNow);
    connect(m_menu->saveAs(), &QAction::triggered, this, &MainWindow::saveAs);
    connect(m_menu->open(), &QAction::triggered, this, &MainWindow::openLedger);
    connect(m_menu, &MainMenu::recentLedgerChosen, this, &MainWindow::openRecentLedger);
    connect(m_menu->exportLedger(), &QAction::triggered, this, &MainWindow::exportLedger);
    connect(m_menu->printRunSheet(), &QAction::triggered, this, [this] {
        printRunSheet(m_document.model(), m_grid->view().shownPublication, m_grid->view().shownMonth, this);
        focusCellEditor();
    });
    connect(m_menu->printYearToDate(), &QAction::triggered, this, &MainWindow::printYearToDate);
    connect(m_menu->quit(), &QAction::triggered, this, &QWidget::close);
    connect(m_menu->helpContents(), &QAction::triggered, this, [this] {
        showHelp(m_paths.helpFile, QString(), this);
        focusCellEditor();
        m_helpButton->setDefault(false);
    });
    connect(m_menu->about(), &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_menu->configureAds(), &QAction::triggered, this, &MainWindow::configureAds);
    connect(m_menu->advances(), &QAction::triggered, this, [this] {
        m_grid->commitCell();
        openAdvancesDialog(m_document, this, m_history);
        focusCellEditor();
    });
    connect(m_menu->showReport(), &QAction::triggered, this, [this] {
        m_grid->commitCell();
        // Last year's archived pair, where the year-end archive puts it, for the sales view to compare with.
        const QString programFolder =
            m_paths.programFolder.isEmpty() ? QApplication::applicationDirPath() : m_paths.programFolder;
        showYearToDate(m_document.model(), this,
                       readLastYear(m_document.model(),
                                    {m_document.settingsFile(), m_document.ledgerFile(), programFolder},
                                    Clock::today()));
        focusCellEditor();
    });
    connect(m_menu->scrollUp(), &QAction::triggered, this, [this] { scrollKey(true); });
    connect(m_menu->scrollDown(), &QAction::triggered, this, [this] { scrollKey(false); });
    showRecentLedgers();
}

void MainWindow::filesChanged()
{
    setPrintFileFolder(m_paths.printFolder.isEmpty() ? QFileInfo(m_document.ledgerFile()).absolutePath()
                                                     : m_paths.printFolder);
}

void MainWindow::rememberLedger()
{
    if (!m_settings || !QFileInfo::exists(m_document.ledgerFile()))
        return;
    m_settings->addRecentLedger(m_document.ledgerFile());
    showRecentLedgers();
}

void MainWindow::showRecentLedgers()
{
    m_menu->showRecentLedgers(m_settings ? m_settings->recentLedgers() : QStringList());
}

bool MainWindow::settleChanges(const QString &retry)
{
    // A cell still being edited is part of what the user typed.
    m_grid->commitCell();
    if (!m_document.isChanged())
        return true;
    const MessageAnswer answer =
        showMessage(Text::tr("Do you want to save the files?"), Text::tr("Ads/data have been changed"),
                    MessageButtons::YesNoCancel);
    if (answer != MessageAnswer::Yes)
        return answer == MessageAnswer::No;
    return showSaveReport(m_document.save(SaveKind::Exit), retry);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!settleChanges(Text::tr("close again."))) {
        event->ignore();
        return;
    }
    if (m_settings)
        m_settings->setWindowPosition(pos());
    event->accept();
}

void MainWindow::saveNow()
{
    // Unlike the editors' own Ctrl+S, the menu's Save takes the text still being typed:
    // the grid commits it as the document saves.
    if (showSaveReport(m_document.save(SaveKind::Changes), Text::tr("save again.")))
        rememberLedger();
}

void MainWindow::saveAs()
{
    m_grid->commitCell();
    const QString caption = Text::tr("Save Ledger As");
    const QString chosen =
        chooseFileToSave(this, {QStringLiteral("SaveAsDialog"), caption, m_document.ledgerFile(), ledgerFilter(),
                                QStringLiteral("qmr")});
    if (chosen.isEmpty())
        return;
    const FileChoice files = chooseFiles({QString(), chosen}, QString());
    if (!files.error.isEmpty()) {
        showMessage(notALedger(chosen), caption, MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    const bool same = sameFile(files.ledgerFile, m_document.ledgerFile());
    std::unique_ptr<LedgerLock> lock;
    if (!same) {
        lock = std::make_unique<LedgerLock>(files.ledgerFile);
        if (lock->acquire() == LockOutcome::HeldByAnotherCopy) {
            showMessage(Text::tr("The ledger file %1 is open in another copy of Quillmoor Ad Sales. Choose "
                                       "another name.")
                            .arg(shown(files.ledgerFile)),
                        caption, MessageButtons::Ok, MessageIcon::Warning);
            return;
        }
        if (!mayReplace({files.ledgerFile, files.settingsFile}, caption))
            return;
    }
    if (!showSaveReport(m_document.saveAs(files.settingsFile, files.ledgerFile), Text::tr("save again.")))
        return;
    if (!same)
        m_lock = std::move(lock);
    filesChanged();
    rememberLedger();
}

void MainWindow::openLedger()
{
    if (!settleChanges(Text::tr("open the other ledger again.")))
        return;
    const QString chosen =
        chooseFileToOpen(this, {QStringLiteral("OpenDialog"), Text::tr("Open Ledger"), m_document.ledgerFile(),
                                ledgerFilter(), QString()});
    if (!chosen.isEmpty())
        openPair(chosen);
}

void MainWindow::openRecentLedger(const QString &ledgerFile)
{
    if (!QFileInfo::exists(ledgerFile)) {
        showMessage(Text::tr("The ledger file %1 is no longer there; it is taken off the list.")
                        .arg(shown(ledgerFile)),
                    Text::tr("Open Recent"), MessageButtons::Ok, MessageIcon::Warning);
        if (m_settings)
            m_settings->removeRecentLedger(ledgerFile);
        showRecentLedgers();
        return;
    }
    if (settleChanges(Text::tr("open the other ledger again.")))
        openPair(ledgerFile);
}

// Reads the other pair beside the one open; only once it could be read does
// it replace the ledger, its files and its lock.
void MainWindow::openPair(const QString &ledgerFile)
{
    const QString caption = Text::tr("Open Ledger");
    const FileChoice files = chooseFiles({QString(), ledgerFile}, QString());
    if (!files.error.isEmpty()) {
        showMessage(notALedger(ledgerFile), caption, MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    const bool same = sameFile(files.ledgerFile, m_document.ledgerFile());
    std::unique_ptr<LedgerLock> lock = same ? nullptr : takeLedgerLock(files.ledgerFile);
    if (!same && !lock)
        return;
    LedgerModel opened;
    const LoadOutcome outcome = readFiles(opened, files.settingsFile, files.ledgerFile);
    if (!outcome.settingsFound || !outcome.settings.ok) {
        const QString why = outcome.settingsFound
                                ? outcome.settings.message
                                : Text::tr("Its settings file %1 was not found.").arg(shown(files.settingsFile));
        showMessage(Text::tr("The ledger %1 was not opened. %2\n\nThe ledger %3 stays open.")
                        .arg(shown(files.ledgerFile), why, shown(m_document.ledgerFile())),
                    caption, MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    const QStringList warnings = upgradeLedgerFile(opened, files.ledgerFile, outcome);
    m_document.open(std::move(opened), files.settingsFile, files.ledgerFile);
    if (!same)
        m_lock = std::move(lock);
    if (!start(warnings))
        close();
}

void MainWindow::exportLedger()
{
    m_grid->commitCell();
    const QString caption = Text::tr("Export Ledger as CSV");
    const QFileInfo ledger(m_document.ledgerFile());
    const QString offered = QDir(ledger.absolutePath()).filePath(ledger.completeBaseName() + QStringLiteral(".csv"));
    const QString chosen = chooseFileToSave(this, {QStringLiteral("ExportLedgerDialog"), caption, offered,
                                                   Text::tr("CSV files (*.csv)"), QStringLiteral("csv")});
    if (chosen.isEmpty() || !mayReplace({chosen, advancesCsvPath(chosen), owedCsvPath(chosen)}, caption))
        return;
    const LedgerExport exported = writeLedgerCsv(m_document.model(), chosen, {m_document.settingsFile(), m_document.ledgerFile()});
    showMessage(exported.ok ? exported.report : exported.error, caption, MessageButtons::Ok,
                exported.ok ? MessageIcon::Information : MessageIcon::Error);
}

void MainWindow::printYearToDate()
{
    // As the report window prints it when it opens: the Total Sales view, Paid Sales shown.
    m_grid->commitCell();
    ReportTable table;
    fillSalesView(m_document.model(), table);
    qm::printYearToDate(table, int(qMin<qsizetype>(m_document.model().salesPeople.size(), kMaxSalesPeople)), true, {}, this);
    focusCellEditor();
}

void MainWindow::showAbout()
{
    const auto file = [](const QString &path, const QString &missing) {
        return shown(path) + (QFileInfo::exists(path) ? QString() : QStringLiteral(" (%1)").arg(missing));
    };
    const QString notSaved = Text::tr("not saved yet");
    showMessage(Text::tr("Quillmoor Ad Sales, version %1\n\n"
                               "Proprietary software of Quillmoor. All rights reserved.\n\n"
                               "Settings file: %2\nLedger file: %3\nHelp file: %4")
                    .arg(kVersion, file(m_document.settingsFile(), notSaved), file(m_document.ledgerFile(), notSaved),
                         file(m_paths.helpFile, Text::tr("not found"))),
                Text::tr("About Quillmoor Ad Sales"), MessageButtons::Ok, MessageIcon::Information);
}

} // namespace qm
