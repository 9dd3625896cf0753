// The main window's menu: each command triggered by its action's object name,
// or by its shortcut typed where the focus is, on real files.

#include "app/MainMenu.h"
#include "app/ProgramIdentity.h"
#include "app/ArchiveChoiceDialog.h"
#include "core/files/SafeSave.h"
#include "core/year/LedgerExport.h"
#include "core/year/LedgerLock.h"
#include "reports/YearToDateWindow.h"
#include "AccessibleChecks.h"
#include "FileDialogAnswer.h"
#include "GridFixture.h"
#include "LedgerPair.h"
#include "RecordingPrinter.h"
#include "SampleModel.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>

using namespace qm;

namespace {

// The first ledger of every test, with the number typed by typeNumber.
LedgerModel typed(LedgerModel m, const QString &number = "3")
{
    m.cell(1, ColNumber, 1) = number;
    return m;
}

// Types a number into the first row's Number cell and leaves it pending.
void typeNumber(GridFixture &f, int line = 0, const QString &number = "3")
{
    if (f.view().viewOnly)
        f.editMode();
    f.clickCell(line, ColNumber);
    QTest::keyClicks(f.focused(), number);
}

// Triggers the command; the window is active again afterwards, as the window
// manager has it once a dialog of the command is gone.
void trigger(GridFixture &f, const QString &name)
{
    auto *action = f.window->findChild<QAction *>(name);
    QVERIFY2(action, qPrintable(name));
    action->trigger();
    if (f.window->isVisible())
        QApplication::setActiveWindow(f.window.get());
}

void lockLedger(GridFixture &f)
{
    auto lock = std::make_unique<LedgerLock>(f.ledgerPath());
    QCOMPARE(lock->acquire(), LockOutcome::Acquired);
    f.window->adoptLock(std::move(lock));
}

bool locked(const QString &ledgerFile) { return QFileInfo::exists(LedgerLock::lockFilePath(ledgerFile)); }

// Twenty ads in Corvel, more than the grid shows at once: a second ledger in
// `folder` of the test's folder.
QString writeOtherPair(GridFixture &f, const QString &folder = "other")
{
    writePair(f.dir.filePath(folder), SampleModel(20).runningIn(1).year(2026));
    return f.dir.filePath(folder + "/QuillmoorAds.qmr");
}

// The first ledger with the number typed, as its file holds it.
QByteArray typedLedgerBytes()
{
    LedgerModel m = typed(GridFixture::sampleModel(2));
    return ledgerBytes(m);
}

// The second ledger with a number in ad 2's Number cell in January.
QByteArray otherLedgerBytes(const QString &number)
{
    LedgerModel m = SampleModel(20).runningIn(1).year(2026).cell(1, ColNumber, 2, number);
    return ledgerBytes(m);
}

QString shown(const QString &path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

} // namespace

class MainMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup() { Clock::reset(); }
    void saveWritesWhatChanged_data();
    void saveWritesWhatChanged();
    void saveAsMovesToTheNewPair_data();
    void saveAsMovesToTheNewPair();
    void openAsksToSaveFirst_data();
    void openAsksToSaveFirst();
    void openFailureKeepsTheLedger_data();
    void openFailureKeepsTheLedger();
    void openOffersTheYearEnd();
    void openRecentReadsThePair();
    void exportWritesTheLedgerInMemory();
    void printCommands();
    void helpAboutAndQuit();
    void windowPositionAndRecentListAreKept();
    void desktopFileNameMatchesTheEntry();
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void buttonsAreTheWindowsCommands_data();
    void buttonsAreTheWindowsCommands();
    void viewOnlyArrowKeysScrollWhereverTheFocusIs();
};

void MainMenuTest::saveWritesWhatChanged_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<bool>("priceToo");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("menu, a cell being edited") << false << false << false;
    QTest::newRow("menu, a price and a cell being edited") << false << true << false;
    QTest::newRow("Ctrl+S in view only mode") << true << false << false;
    QTest::newRow("menu, the ledger cannot be written") << false << false << true;
}

// File - Save takes the cell being edited, writes the changed files without
// asking and makes no backup copies (those are the exit save's); a failure is
// reported as closing reports it, and the changes stay to be saved.
void MainMenuTest::saveWritesWhatChanged()
{
    QFETCH(bool, byKey);
    QFETCH(bool, priceToo);
    QFETCH(bool, diskFull);
    GridFixture f;
    f.openWith(2);
    const QByteArray settingsBefore = f.fileBytes(f.settingsPath());
    const QByteArray ledgerBefore = f.fileBytes(f.ledgerPath());
    LedgerModel expected = typed(GridFixture::sampleModel(2));
    typeNumber(f);
    if (priceToo) {
        f.document.storePrice(priceEntry(1, 1), PriceKind::Colour, "175");
        expected.storePrice(priceEntry(1, 1), PriceKind::Colour, "175");
    }
    ScriptedMessages messages(MessageAnswer::Cancel);
    if (diskFull)
        setSaveFault({0, true, f.ledgerPath()});
    if (byKey) {
        QTest::mouseClick(f.window->viewOnlyOption(), Qt::LeftButton);
        QTest::keyClick(f.focused(), Qt::Key_S, Qt::ControlModifier);
    } else {
        trigger(f, "SaveAction");
    }
    setSaveFault({});
    QCOMPARE(messages.asked.size(), diskFull ? 1 : 0);
    if (diskFull)
        QVERIFY(messages.asked.at(0).caption == "Files not saved" && messages.asked.at(0).text.endsWith("save again."));
    QCOMPARE(f.fileBytes(f.ledgerPath()), diskFull ? ledgerBefore : ledgerBytes(expected));
    QCOMPARE(f.fileBytes(f.settingsPath()), priceToo ? settingsBytes(expected) : settingsBefore);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr"}));
    QCOMPARE(f.window->close(), !diskFull); // the close asks only about what is still unsaved
}

void MainMenuTest::saveAsMovesToTheNewPair_data()
{
    QTest::addColumn<bool>("settingsThere");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<bool>("moves");
    QTest::newRow("new name") << false << false << QList<MessageAnswer>{} << true;
    QTest::newRow("its settings file exists, kept") << true << false << QList<MessageAnswer>{MessageAnswer::No}
                                                    << false;
    QTest::newRow("its settings file exists, replaced") << true << false << QList<MessageAnswer>{MessageAnswer::Yes}
                                                        << true;
    QTest::newRow("the new ledger cannot be written") << false << true << QList<MessageAnswer>{} << false;
}

void MainMenuTest::saveAsMovesToTheNewPair()
{
    QFETCH(bool, settingsThere);
    QFETCH(bool, diskFull);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(bool, moves);
    GridFixture f;
    f.keepProgramSettings();
    f.openWith(2);
    lockLedger(f);
    const QString ledger = f.dir.filePath("2027.qmr");
    const QString settings = f.dir.filePath("2027.ini");
    if (settingsThere)
        QVERIFY(saveFileAtomically(settings, "stray", nullptr));
    const QByteArray oldLedger = f.fileBytes(f.ledgerPath());
    const QByteArray oldSettings = f.fileBytes(f.settingsPath());
    typeNumber(f);
    ScriptedMessages messages;
    messages.answers = answers;
    QObject context;
    QString dialog;
    answerFileDialog(&context, f.dir.filePath("2027"), &dialog); // the dialog adds ".qmr"
    if (diskFull)
        setSaveFault({0, true, ledger});
    trigger(f, "SaveAsAction");
    setSaveFault({});
    QCOMPARE(dialog, QString("SaveAsDialog"));
    QCOMPARE(messages.asked.size(), answers.size() + (diskFull ? 1 : 0));
    if (diskFull)
        QCOMPARE(messages.asked.last().caption, QString("Files not saved"));
    LedgerModel expected = typed(GridFixture::sampleModel(2));
    QCOMPARE(f.fileBytes(f.ledgerPath()), oldLedger);
    QCOMPARE(f.fileBytes(f.settingsPath()), oldSettings);
    QCOMPARE(f.fileBytes(ledger), moves ? ledgerBytes(expected) : QByteArray());
    QCOMPARE(f.fileBytes(settings), moves ? settingsBytes(expected) : QByteArray(settingsThere ? "stray" : ""));
    QCOMPARE(locked(f.ledgerPath()), !moves);
    QCOMPARE(locked(ledger), moves);
    QCOMPARE(f.settings->recentLedgers().value(0), moves ? ledger : f.ledgerPath());

    // From then on the window works on that pair.
    typeNumber(f, 1, "5");
    trigger(f, "SaveAction");
    expected.cell(1, ColNumber, 2) = "5";
    QCOMPARE(f.fileBytes(moves ? ledger : f.ledgerPath()), ledgerBytes(expected));
}

void MainMenuTest::openAsksToSaveFirst_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("Cancel") << MessageAnswer::Cancel;
    QTest::newRow("No") << MessageAnswer::No;
    QTest::newRow("Yes") << MessageAnswer::Yes;
}

// Open asks as closing does; the other ledger then replaces this one, its lock too.
void MainMenuTest::openAsksToSaveFirst()
{
    QFETCH(MessageAnswer, answer);
    const bool opens = answer != MessageAnswer::Cancel;
    GridFixture f;
    f.keepProgramSettings();
    LedgerModel first = GridFixture::sampleModel(2);
    first.cell(1, ColStatus, 2) = "P/U Fen";
    f.writeFiles(first);
    f.open();
    lockLedger(f);
    const QString other = writeOtherPair(f);
    const QByteArray before = f.fileBytes(f.ledgerPath());
    f.editMode();
    f.clickCell(1, ColStatus); // the status list now offers "P/U Fen"
    typeNumber(f);
    ScriptedMessages messages;
    messages.answers = {answer};
    QObject context;
    QString dialog;
    answerFileDialog(&context, other, &dialog);
    trigger(f, "OpenAction");
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.at(0).text, QString("Do you want to save the files?"));
    QCOMPARE(dialog, opens ? QString("OpenDialog") : QString());
    QCOMPARE(f.grid()->rowCount(), opens ? 20 : 2);
    QCOMPARE(f.window->viewOnlyOption()->isChecked(), opens);
    QCOMPARE(f.grid()->statusPulldown()->itemText(1), opens ? QString("P/U") : QString("P/U Fen"));
    const bool saved = answer == MessageAnswer::Yes;
    LedgerModel savedFirst = typed(first);
    QCOMPARE(f.fileBytes(f.ledgerPath()), saved ? ledgerBytes(savedFirst) : before);
    QCOMPARE(QFileInfo::exists(f.dir.filePath("QuillmoorAds_030326_1405.qmr")), saved);
    QCOMPARE(locked(f.ledgerPath()), !opens);
    QCOMPARE(locked(other), opens);
    QCOMPARE(f.settings->recentLedgers().value(0), opens ? other : f.ledgerPath());
}

void MainMenuTest::openFailureKeepsTheLedger_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("says");
    QTest::addColumn<bool>("opens");
    QTest::newRow("no settings file") << "no settings" << MessageAnswer::Ok << "was not found" << false;
    QTest::newRow("not a ledger") << "notes" << MessageAnswer::Ok << "is not a ledger file" << false;
    QTest::newRow("open in another copy, left") << "held" << MessageAnswer::No << "already open" << false;
    QTest::newRow("open in another copy, opened") << "held" << MessageAnswer::Yes << "already open" << true;
}

void MainMenuTest::openFailureKeepsTheLedger()
{
    QFETCH(QString, trouble);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, says);
    QFETCH(bool, opens);
    GridFixture f;
    f.openWith(2);
    lockLedger(f);
    QString chosen = writeOtherPair(f);
    LedgerLock otherCopy(chosen);
    if (trouble == "no settings")
        QVERIFY(QFile::remove(f.dir.filePath("other/QuillmoorAds.ini")));
    if (trouble == "notes") {
        chosen = f.dir.filePath("notes.txt");
        QVERIFY(QFile::copy(f.ledgerPath(), chosen));
    }
    if (trouble == "held")
        QCOMPARE(otherCopy.acquire(), LockOutcome::Acquired);
    ScriptedMessages messages;
    messages.answers = {answer};
    QObject context;
    answerFileDialog(&context, chosen);
    trigger(f, "OpenAction");
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY2(messages.asked.at(0).text.contains(says), qPrintable(messages.asked.at(0).text));
    QCOMPARE(f.grid()->rowCount(), opens ? 20 : 2);
    QCOMPARE(locked(f.ledgerPath()), !opens);
    QCOMPARE(locked(chosen), trouble == "held");
}

// A ledger of last year opened in the new year gets the offer, as at start-up.
void MainMenuTest::openOffersTheYearEnd()
{
    GridFixture f;
    f.openWith(2);
    writePair(f.dir.filePath("last"), SampleModel(5).runningIn(1).year(2025));
    QString offer;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<ArchiveChoiceDialog *>(QApplication::activeModalWidget())) {
            watch.stop();
            offer = dialog->findChild<QRadioButton *>()->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        }
    });
    watch.start(10);
    QObject context;
    answerFileDialog(&context, f.dir.filePath("last/QuillmoorAds.qmr"));
    trigger(f, "OpenAction");
    QCOMPARE(offer, QString("Continue with 2025 data"));
    QCOMPARE(f.grid()->rowCount(), 5);
}

// The recent ledgers, the newest first: one no longer there leaves the list,
// another opens and its changes are saved to its own file.
void MainMenuTest::openRecentReadsThePair()
{
    GridFixture f;
    f.keepProgramSettings();
    const QString other = writeOtherPair(f);
    const QString gone = f.dir.filePath("gone/QuillmoorAds.qmr");
    f.settings->addRecentLedger(other);
    f.settings->addRecentLedger(gone);
    f.openWith(2);
    const QByteArray before = f.fileBytes(f.ledgerPath());
    auto *recent = f.window->findChild<QMenu *>("OpenRecentMenu");
    QCOMPARE(recent->actions().size(), 3);
    QCOMPARE(recent->actions().at(0)->text(), "&1 " + shown(f.ledgerPath()));
    ScriptedMessages messages;
    trigger(f, "OpenRecent2");
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY(messages.asked.at(0).text.contains("is no longer there"));
    QCOMPARE(f.settings->recentLedgers(), QStringList({f.ledgerPath(), other}));
    QTabBar *tabs = f.window->publicationTabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    trigger(f, "OpenRecent2");
    QCOMPARE(f.grid()->rowCount(), 20);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(f.window->captionLabel()->text(), QString("Corvel - January"));
    QCOMPARE(recent->actions().at(0)->text(), "&1 " + shown(other));
    // The grid has the focus, and view only mode's arrow keys scroll it.
    QTest::keyClick(f.focused(), Qt::Key_Down);
    QCOMPARE(f.grid()->scrollBar()->value(), f.grid()->scrollBar()->singleStep()); // one row down

    typeNumber(f, 0, "4"); // on the first line shown, ad 2 since the scroll
    trigger(f, "SaveAction");
    QCOMPARE(f.fileBytes(other), otherLedgerBytes("4"));
    QCOMPARE(f.fileBytes(f.ledgerPath()), before);
    QCOMPARE(messages.asked.size(), 1);
}

void MainMenuTest::exportWritesTheLedgerInMemory()
{
    GridFixture f;
    f.openWith(2);
    const QByteArray ledgerBefore = f.fileBytes(f.ledgerPath());
    typeNumber(f);
    ScriptedMessages messages;
    QObject context;
    QString dialog;
    answerFileDialog(&context, f.dir.filePath("out"), &dialog);
    trigger(f, "ExportLedgerAction");
    QCOMPARE(dialog, QString("ExportLedgerDialog"));
    QTemporaryDir expectedDir;
    QVERIFY(writeLedgerCsv(typed(GridFixture::sampleModel(2)), expectedDir.filePath("out.csv"), {}).ok);
    for (const QString name : {"out.csv", "out_advances.csv", "out_owed.csv"}) {
        QCOMPARE(f.fileBytes(f.dir.filePath(name)), f.fileBytes(expectedDir.filePath(name)));
        QVERIFY(messages.asked.at(0).text.contains(shown(f.dir.filePath(name))));
    }
    QCOMPARE(f.fileBytes(f.ledgerPath()), ledgerBefore);

    answerFileDialog(&context, f.dir.filePath("out.csv"));
    trigger(f, "ExportLedgerAction");
    QCOMPARE(messages.asked.size(), 2);
    QVERIFY(messages.asked.at(1).text.startsWith("These files already exist"));
}

// Print Year-to-Date prints what the report window's Print does as it opens,
// with the cell being edited; Print Run Sheet is the button's command.
void MainMenuTest::printCommands()
{
    GridFixture f;
    f.openWith(2);
    f.editMode();
    f.clickCell(0, ColSale);
    QTest::keyClicks(f.focused(), "99");
    RecordingChooser chooser;
    trigger(f, "PrintYearToDateAction");
    trigger(f, "PrintRunSheetAction");
    QCOMPARE(chooser.dialogs, QStringList({"Quillmoor Ads - Year to date", "Quillmoor Run Sheet - January"}));
    YearToDateWindow report(f.model);
    QTest::mouseClick(report.findChild<QPushButton *>("PrintButton"), Qt::LeftButton);
    QCOMPARE(chooser.printed.size(), 3);
    QVERIFY(chooser.printed.at(0).toText().contains("99.00"));
    QCOMPARE(chooser.printed.at(0).toText(), chooser.printed.at(2).toText());
}

void MainMenuTest::helpAboutAndQuit()
{
    GridFixture f;
    f.openWith(2);
    typeNumber(f);
    ScriptedMessages messages;
    QTest::keyClick(f.focused(), Qt::Key_F1);
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.at(0).text, QString("Help file not found"));
    trigger(f, "AboutAction");
    for (const QString &line : {"Quillmoor Ad Sales, version " + kVersion, QString("Proprietary software of Quillmoor"),
                                "Settings file: " + shown(f.settingsPath()), "Ledger file: " + shown(f.ledgerPath()),
                                "Help file: " + shown(f.dir.filePath("quillmoorAds.ahp")) + " (not found)"})
        QVERIFY2(messages.asked.at(1).text.contains(line), qPrintable(messages.asked.at(1).text));

    messages.answers = {MessageAnswer::Cancel, MessageAnswer::Yes};
    QTest::keyClick(f.focused(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(messages.asked.last().text, QString("Do you want to save the files?"));
    QVERIFY(f.window->isVisible());
    QTest::keyClick(f.focused(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.fileBytes(f.ledgerPath()), typedLedgerBytes());
}

void MainMenuTest::windowPositionAndRecentListAreKept()
{
    GridFixture f;
    f.keepProgramSettings();
    f.openWith(2);
    const QPoint moved = QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(30, 20);
    f.window->move(moved);
    QVERIFY(f.window->close());
    const StartupPaths paths{f.settingsPath(), f.ledgerPath(), QString()};
    QCOMPARE(MainWindow(f.document, paths, f.settings.get()).pos(), moved);
    // Kept off every screen (a screen since removed): the window is centred instead.
    f.settings->setWindowPosition(QPoint(-5000, -5000));
    QCOMPARE(MainWindow(f.document, paths, f.settings.get()).pos(), MainWindow(f.document, paths).pos());

    for (int year = 2020; year <= 2029; ++year)
        f.settings->addRecentLedger(f.dir.filePath(QString("%1.qmr").arg(year)));
    f.settings->addRecentLedger(f.dir.filePath("2024.qmr"));
    const QStringList recent = f.settings->recentLedgers();
    QCOMPARE(recent.size(), ProgramSettings::kRecentCount);
    QCOMPARE(recent.mid(0, 3), QStringList({f.dir.filePath("2024.qmr"), f.dir.filePath("2029.qmr"),
                                            f.dir.filePath("2028.qmr")}));
    QCOMPARE(recent.last(), f.dir.filePath("2022.qmr"));
}

void MainMenuTest::desktopFileNameMatchesTheEntry()
{
    setProgramIdentity();
    const QString name = QGuiApplication::desktopFileName();
    QCOMPARE(name, QString(kDesktopFileName));
    QVERIFY(QFileInfo::exists(QStringLiteral(QM_DATA_DIR "/") + name + ".desktop"));
}


void MainMenuTest::everyControlIsNamed_data()
{
    QTest::addColumn<bool>("editing");
    QTest::addColumn<bool>("yearEnd");
    QTest::newRow("main window, view only") << false << false;
    QTest::newRow("main window, a cell being edited") << true << false;
    QTest::newRow("year-end offer") << false << true;
}

// The main window (with its month list and help button) and the year-end
// offer, as a screen reader finds them.
void MainMenuTest::everyControlIsNamed()
{
    QFETCH(bool, editing);
    QFETCH(bool, yearEnd);
    GridFixture f;
    f.openWith(3);
    std::unique_ptr<ArchiveChoiceDialog> offer;
    QWidget *window = f.window.get();
    if (editing)
        typeNumber(f);
    if (yearEnd) {
        offer = std::make_unique<ArchiveChoiceDialog>(2025, f.window.get());
        offer->show();
        QVERIFY(QTest::qWaitForWindowExposed(offer.get()));
        window = offer.get();
    }
    QVERIFY(window->findChild<QWidget *>(yearEnd ? "ArchiveOption" : "MonthList")->isVisible());
    const QStringList unnamed = unnamedControls(*window);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("; ")));
    const QStringList labels = labelsWithoutBuddy(*window);
    QVERIFY2(labels.isEmpty(), qPrintable(labels.join("; ")));
}

void MainMenuTest::buttonsAreTheWindowsCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("dialog");
    for (bool byButton : {false, true}) {
        const char *how = byButton ? "button" : "action";
        QTest::addRow("configure, %s", how) << (byButton ? "ConfigureButton" : "") << "ConfigureAdsAction"
                                            << "qm::ConfigureDialog";
        QTest::addRow("advances, %s", how) << (byButton ? "AdvancesButton" : "") << "AdvancesAction"
                                           << "qm::AdvancesDialog";
        QTest::addRow("report, %s", how) << (byButton ? "ReportButton" : "") << "ShowReportAction"
                                         << "qm::YearToDateWindow";
    }
}

// A button does what its command does: the cell being typed is committed,
// then the command's dialog opens.
void MainMenuTest::buttonsAreTheWindowsCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, action);
    QFETCH(QString, dialog);
    GridFixture f;
    f.openWith(2);
    typeNumber(f);
    QString opened;
    QTimer::singleShot(0, [&opened] {
        QWidget *modal = QApplication::activeModalWidget();
        opened = modal ? QString(modal->metaObject()->className()) : QString("(none)");
        if (modal)
            modal->close();
    });
    if (button.isEmpty())
        trigger(f, action);
    else
        QTest::mouseClick(f.window->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(opened, dialog);
    QCOMPARE(f.model.cell(1, ColNumber, 1), QString("3"));
    QVERIFY(f.model.ledgerChanged);
}

// In view-only mode Up and Down scroll the grid whatever control has the
// focus, and that control has the key as well; in edit mode they are the control's alone.
void MainMenuTest::viewOnlyArrowKeysScrollWhereverTheFocusIs()
{
    GridFixture f;
    f.openWith(30);
    QTRY_COMPARE(f.view().hookReady, HookState::Ready);
    QCOMPARE(f.window->findChild<QAction *>("ScrollDownAction")->shortcut(), QKeySequence(Qt::Key_Down));
    QComboBox *months = f.window->monthList();
    months->setFocus();
    QTRY_COMPARE(f.focused(), months);
    QTest::keyClick(months, Qt::Key_Down);
    QCOMPARE(f.view().topRow, 2);
    QCOMPARE(months->currentIndex(), 1);
    QTest::keyClick(months, Qt::Key_Up);
    QCOMPARE(f.view().topRow, 1);
    QCOMPARE(months->currentIndex(), 0);

    f.editMode();
    months->setFocus();
    QTRY_COMPARE(f.focused(), months);
    QTest::keyClick(months, Qt::Key_Down);
    QCOMPARE(f.view().topRow, 1);
    QCOMPARE(months->currentIndex(), 1);
}

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
