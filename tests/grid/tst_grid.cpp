#include "GridFixture.h"
#include "grid/GridNavigation.h"
#include "grid/Hints.h"
#include "core/files/SafeSave.h"
#include "core/year/Startup.h"
#include "app/MainMenu.h"

#include "config/ConfigureDialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>

using namespace qm;

namespace {

const QString kEditSuffix = "... [ENTER] or move cell to save, [ESC] to cancel";

void sendWheel(QWidget *target, int delta)
{
    const QPoint pos = target->rect().center();
    QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

} // namespace

class GridTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup() { Clock::reset(); }

    // The main window
    void windowLayout();
    void promptLabelWithoutAds();
    void tabsAndMonthListSetTheCaption();
    void missingSettingsFileLeavesLedgerUnread();
    void mismatchedLedgerIsAnnounced();
    void closeWithoutChangesAsksNothing();
    void closeAnswers();
    void failedSaveKeepsWindowOpen();
    void helpWithoutHelpFile();

    // Display and navigation
    void rowsAreTheCheckedAds();
    void yearlySpecialsIgnoreTheMonth();
    void scrollRangeRule();
    void shiftDownAndUpScrollAtTheEdges();
    void shiftRightAndLeft();
    void clickInColumnOneOpensColumnTwo();
    void clickBelowTheRowsKeepsTheCursor();
    void wheelScrollsOneLinePerNotch();
    void viewOnlyKeyScrollsOncePerPress();
    void pageKeysKeepTheEditorOnItsRow();
    void hintsFollowTheCursor();
    void modesShowAndHideTheEditors();

    // Editing
    void numberColumnTakesDigitsAndOnePoint();
    void colourColumnToggles();
    void escapeRestoresAndUnchangedCellWritesNothing();
    void monthChangeDropsTypedNumber();
    void pickupFlow();
    void ctrlArrowsStepThePickup();
    void removeAdDataEmptiesShownIssueOnly();
    void overrideRefusedRestoresSale();
    void ctrlSSavesAndReportsFailure();
    void ctrlSLeavesThePendingTextToTheNextSave();
    void endToEndTypeAndSave();
    void endToEndFromAnEmptyFolder();
};

void GridTest::windowLayout()
{
    GridFixture f;
    f.openWith(3);
    MainWindow *w = f.window.get();
    QCOMPARE(w->windowTitle(), QString("Quillmoor Ad Sales - ver 1.76"));
    // The controls' client area keeps its size below the menu bar; the window grows by the menu.
    QWidget *client = w->publicationTabs()->parentWidget();
    QCOMPARE(client->size(), QSize(900, 550));
    QVERIFY(w->mainMenu()->menuBar()->isVisible());
    QCOMPARE(w->mainMenu()->menuBar()->geometry(), QRect(0, 0, 900, client->y()));
    QCOMPARE(w->size(), QSize(900, client->y() + 550));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->publicationTabs()->count(), 4);
    QCOMPARE(w->publicationTabs()->tabText(1), QString("  Tarn Mag   "));
    QCOMPARE(w->publicationTabs()->geometry(), QRect(0, 10, 810, 25));
    QCOMPARE(w->publicationTabs()->focusPolicy(), Qt::NoFocus);
    for (int p = 0; p < 4; ++p)
        QCOMPARE(w->publicationTabs()->tabRect(p), QRect(110 * p, 0, 110, 23));
    QCOMPARE(w->monthList()->count(), 12);
    QCOMPARE(w->monthList()->itemText(11), QString("December"));
    QCOMPARE(w->monthList()->pos(), QPoint(120, 50));
    QCOMPARE(w->captionLabel()->geometry(), QRect(350, 90, 200, 25));
    QCOMPARE(w->captionLabel()->font().pointSize(), 14);
    QCOMPARE(w->captionLabel()->text(), QString("Corvel - January"));
    QVERIFY(w->viewOnlyOption()->isChecked());
    QCOMPARE(w->viewOnlyOption()->geometry(), QRect(20, 50, 100, 15));
    QCOMPARE(w->editItemsOption()->geometry(), QRect(20, 70, 100, 15));
    QTableView *list = f.grid()->gridList();
    // The sunken frame round the headings and rows, and the scroll bar beside it.
    
    QCOMPARE(QRect(list->mapTo(client, list->frameRect().topLeft()), list->frameRect().size()), QRect(20, 120, 810, 330));
    QCOMPARE(list->horizontalHeader()->height(), 24);
    QCOMPARE(list->model()->columnCount(), 10);
    QScrollBar *bar = f.grid()->scrollBar();
    QCOMPARE(QRect(bar->mapTo(client, QPoint(0, 0)), bar->size()), QRect(830, 120, 20, 330));
    const QList<int> widths = {150, 135, 59, 67, 45, 70, 70, 70, 70, 70};
    const QStringList headers = {"Ads",      "Sales person", "Number", "Size",    "Color",
                                 "Sale    ", "Paid    ",     "Status", "Comm   ", "CommPd "};
    for (int c = 0; c < 10; ++c) {
        QCOMPARE(list->columnWidth(c), widths[c]);
        QCOMPARE(list->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
    }
    const auto headerAlignment = [list](int c) {
        return list->model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(headerAlignment(5), int(Qt::AlignRight));
    QCOMPARE(headerAlignment(0), int(Qt::AlignLeft));
    QCOMPARE(headerAlignment(1), int(Qt::AlignHCenter));
    const QStringList buttons = {"&Configure Ads", "&Advances", "&Show Report", "&Run Sheet", "?"};
    const QList<QRect> rects = {{20, 470, 100, 35}, {190, 470, 100, 35}, {300, 470, 100, 35},
                                {410, 470, 100, 35}, {520, 470, 30, 35}};
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton *button = nullptr;
        for (QPushButton *b : w->findChildren<QPushButton *>())
            if (b->text() == buttons[i])
                button = b;
        QVERIFY2(button, qPrintable(buttons[i]));
        QCOMPARE(button->geometry(), rects[i]);
    }
    QCOMPARE(w->hintBar()->currentMessage(), hintText(kNoColumn, true));
    QCOMPARE(f.grid()->pickupList()->geometry(), QRect(620, 450, 70, 70));
    QVERIFY(!f.grid()->pickupList()->isVisible());
    QCOMPARE(f.grid()->pickupList()->count(), 4);
    QVERIFY(!w->promptLabel());
    QTRY_COMPARE(f.focused(), static_cast<QWidget *>(list));
    QCOMPARE(f.view().hookReady, HookState::Ready);
    // Tab order: month list, the two options, the grid, then the buttons.
    QCOMPARE(w->monthList()->nextInFocusChain(), static_cast<QWidget *>(w->viewOnlyOption()));
    if (qEnvironmentVariableIsSet("QM_SCREENSHOTS"))
        w->grab().save(QDir(qEnvironmentVariable("QM_SCREENSHOTS")).filePath("main-view.png"));
}

void GridTest::promptLabelWithoutAds()
{
    GridFixture f;
    f.open(); // no files at all
    QLabel *prompt = f.window->promptLabel();
    QVERIFY(prompt && prompt->isVisible());
    QCOMPARE(prompt->text(), QString("Press [Configure Ads] to begin"));
    QCOMPARE(prompt->geometry(), QRect(40, 300, 270, 30));
    QCOMPARE(prompt->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(prompt->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(f.grid()->rowCount(), 0);
    QCOMPARE(f.model.ledgerYear, 2026);
    QVERIFY(!f.model.ledgerChanged && !f.model.settingsChanged);
    f.editMode(); // nothing to edit: no editor opens
    QVERIFY(!f.grid()->cellEditor()->isVisible());
}

void GridTest::tabsAndMonthListSetTheCaption()
{
    GridFixture f;
    f.openWith(3);
    MainWindow *w = f.window.get();
    f.chooseMonth(3);
    QCOMPARE(w->captionLabel()->text(), QString("Corvel - March"));
    QCOMPARE(f.view().shownMonth, 3);
    w->publicationTabs()->setCurrentIndex(1);
    QCOMPARE(w->captionLabel()->text(), QString("Tarn Mag"));
    QVERIFY(!w->monthList()->isVisible());
    w->publicationTabs()->setCurrentIndex(2);
    QCOMPARE(w->captionLabel()->text(), QString("Fennet Mag"));
    w->publicationTabs()->setCurrentIndex(0);
    QCOMPARE(w->captionLabel()->text(), QString("Corvel - March"));
    QVERIFY(w->monthList()->isVisible());
    // Closing the list without a change still puts the cursor on row 1, column 2.
    f.editMode();
    f.clickCell(2, 6);
    QCOMPARE(f.view().currentRow, 3);
    f.chooseMonth(w->monthList()->currentIndex() + 1); // closed without a change
    QCOMPARE(f.view().currentRow, 1);
    QCOMPARE(f.view().currentColumn, 2);
}

void GridTest::missingSettingsFileLeavesLedgerUnread()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(2);
    m.cell(1, ColNumber, 1) = "7";
    QVERIFY(writeLedgerFile(f.ledgerPath(), m).ok);
    const QByteArray before = f.fileBytes(f.ledgerPath());
    f.open();
    QCOMPARE(f.model.adCount(), 0);
    QCOMPARE(f.model.ledgerYear, 2026);
    ScriptedMessages messages;
    QVERIFY(f.window->close());
    QVERIFY(messages.asked.isEmpty());
    QCOMPARE(f.fileBytes(f.ledgerPath()), before);
}

void GridTest::mismatchedLedgerIsAnnounced()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(2);
    QVERIFY(writeLedgerFile(f.ledgerPath(), m).ok);
    LedgerModel more = GridFixture::sampleModel(3);
    QVERIFY(writeSettingsFile(f.settingsPath(), more).ok);
    ScriptedMessages messages;
    f.open();
    QCOMPARE(messages.asked.size(), 1);
    const MessageRequest &warning = messages.asked.at(0);
    QCOMPARE(warning.icon, MessageIcon::Warning);
    QVERIFY(warning.text.contains(QDir::toNativeSeparators(f.ledgerPath())));
    QVERIFY(warning.text.contains(QDir::toNativeSeparators(f.settingsPath())));
    QVERIFY(warning.text.contains("45") && warning.text.contains("30"));
}

void GridTest::closeWithoutChangesAsksNothing()
{
    GridFixture f;
    f.openWith(3);
    const QByteArray ledger = f.fileBytes(f.ledgerPath());
    ScriptedMessages messages;
    QVERIFY(f.window->close());
    QVERIFY(messages.asked.isEmpty());
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files).size(), 2);
    QCOMPARE(f.fileBytes(f.ledgerPath()), ledger);
}

void GridTest::closeAnswers()
{
    GridFixture f;
    f.openWith(3);
    const QByteArray ledger = f.fileBytes(f.ledgerPath());
    f.document.renameAd(1, "Renamed");
    {
        ScriptedMessages messages;
        messages.answers = {MessageAnswer::Cancel};
        QVERIFY(!f.window->close());
        QVERIFY(f.window->isVisible());
        QCOMPARE(messages.asked.at(0).text, QString("Do you want to save the files?"));
        QCOMPARE(messages.asked.at(0).caption, QString("Ads/data have been changed"));
        QCOMPARE(messages.asked.at(0).buttons, MessageButtons::YesNoCancel);
        QVERIFY(f.model.settingsChanged);
    }
    {
        ScriptedMessages messages;
        messages.answers = {MessageAnswer::Yes};
        QVERIFY(f.window->close());
    }
    // Only the changed file is written, and its backup is named by the clock.
    QStringList files = QDir(f.dir.path()).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files, QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr", "QuillmoorAds_030326_1405.ini"}));
    QCOMPARE(f.fileBytes(f.dir.filePath("QuillmoorAds_030326_1405.ini")), f.fileBytes(f.settingsPath()));
    QVERIFY(f.fileBytes(f.settingsPath()).contains("\"Renamed\""));
    QCOMPARE(f.fileBytes(f.ledgerPath()), ledger);
    QVERIFY(!f.model.settingsChanged);

    GridFixture g;
    g.openWith(3);
    g.document.addAdvance(1, AdvanceEntry{"03/03/2026", 5, 0});
    QVERIFY(g.model.ledgerChanged);
    ScriptedMessages messages;
    messages.answers = {MessageAnswer::No};
    QVERIFY(g.window->close());
    QCOMPARE(QDir(g.dir.path()).entryList(QDir::Files).size(), 2);
}

void GridTest::failedSaveKeepsWindowOpen()
{
    GridFixture f;
    f.openWith(3);
    // The files now live below a plain file: nobody, root included, can write there.
    QFile blocker(f.dir.filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.window.reset();
    f.document.setFiles(f.dir.filePath("blocked/a.ini"), f.dir.filePath("blocked/a.qmr"));
    f.window = std::make_unique<MainWindow>(
        f.document, StartupPaths{f.dir.filePath("blocked/a.ini"), f.dir.filePath("blocked/a.qmr"), QString()});
    f.window->show();
    f.document.renameAd(1, "Renamed");
    f.document.addAdvance(1, AdvanceEntry{"03/03/2026", 5, 0});
    ScriptedMessages messages;
    messages.answers = {MessageAnswer::Yes};
    QVERIFY(!f.window->close());
    QVERIFY(f.window->isVisible());
    QVERIFY(f.model.ledgerChanged && f.model.settingsChanged);
    QCOMPARE(messages.asked.size(), 2);
    QCOMPARE(messages.asked.at(1).icon, MessageIcon::Error);
    QVERIFY(messages.asked.at(1).text.contains(QDir::toNativeSeparators(f.dir.filePath("blocked/a.qmr"))));
    QVERIFY(messages.asked.at(1).text.contains(QDir::toNativeSeparators(f.dir.filePath("blocked/a.ini"))));
}

void GridTest::helpWithoutHelpFile()
{
    GridFixture f;
    f.openWith(1);
    ScriptedMessages messages;
    QPushButton *help = f.window->findChild<QPushButton *>("HelpButton");
    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.at(0).text, QString("Help file not found"));
    QCOMPARE(messages.asked.at(0).caption, QDir::toNativeSeparators(f.dir.filePath("quillmoorAds.ahp")));
    QCOMPARE(messages.asked.at(0).icon, MessageIcon::Error);
}

void GridTest::rowsAreTheCheckedAds()
{
    LedgerModel m = GridFixture::sampleModel(9);
    m.ads[3].check(1).clear();
    QCOMPARE(buildRowMap(m, 1), QList<int>({1, 2, 3, 5, 6, 7, 8, 9}));
    QCOMPARE(buildRowMap(m, 2), QList<int>({3, 6, 9}));
    QCOMPARE(buildRowMap(m, 4), QList<int>());
    GridFixture f;
    f.writeFiles(m);
    f.open();
    QTableView *list = f.grid()->gridList();
    QCOMPARE(f.shownText(3, 1), QString("Ad 5"));
    f.window->publicationTabs()->setCurrentIndex(1);
    QCOMPARE(f.grid()->rowCount(), 3);
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(f.shownText(2, 1), QString("Ad 9"));
}

void GridTest::yearlySpecialsIgnoreTheMonth()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(3);
    m.cell(13, ColNumber, 3) = "4";
    m.cell(5, ColNumber, 3) = "9";
    f.writeFiles(m);
    f.open();
    f.chooseMonth(5);
    QCOMPARE(f.shownText(2, 3), QString("9"));
    f.window->publicationTabs()->setCurrentIndex(1);
    QCOMPARE(f.shownText(0, 3), QString("4"));
    f.window->publicationTabs()->setCurrentIndex(0);
    f.chooseMonth(11);
    f.window->publicationTabs()->setCurrentIndex(1);
    QCOMPARE(f.shownText(0, 3), QString("4"));
}

void GridTest::scrollRangeRule()
{
    const ScrollRange r = scrollRange(20, 13);
    QCOMPARE(r.maximum, 8);
    QCOMPARE(r.page, 1);
    QCOMPARE(scrollRange(5, 13).maximum, 1);
    QCOMPARE(scrollRange(5, 13).page, 1);
    QCOMPARE(scrollRange(40, 10).page, 5);  // 30 / 6
    QCOMPARE(scrollRange(28, 10).page, 3);  // 18 / 6
    QCOMPARE(scrollRange(25, 10).page, 2);  // 15 / 6 = 2.5 goes to the even 2
    QCOMPARE(scrollRange(31, 10).page, 4);  // 21 / 6 = 3.5 goes to the even 4

    GridFixture f;
    f.openWith(20);
    const int visible = f.view().visibleRows;
    QVERIFY(visible >= 10 && visible < 20);
    QScrollBar *bar = f.grid()->scrollBar();
    // The bar counts in steps of one row, the top rows from 0.
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), (20 - visible) * bar->singleStep());
    QCOMPARE(bar->pageStep(), scrollRange(20, visible).page * bar->singleStep());
    QVERIFY(bar->isEnabled());
    QCOMPARE(f.shownText(visible - 1, 1), QString("Ad %1").arg(visible));
    f.window->publicationTabs()->setCurrentIndex(1);
    QVERIFY(!bar->isEnabled());
    QVERIFY(bar->isVisible());
}

void GridTest::shiftDownAndUpScrollAtTheEdges()
{
    GridFixture f;
    f.openWith(30);
    f.editMode();
    const int visible = f.view().visibleRows;
    f.clickCell(visible - 1, 3);
    QCOMPARE(f.view().currentRow, visible);
    QLineEdit *editor = f.grid()->cellEditor();
    QTest::keyClicks(editor, "5");
    if (qEnvironmentVariableIsSet("QM_SCREENSHOTS"))
        f.window->grab().save(QDir(qEnvironmentVariable("QM_SCREENSHOTS")).filePath("main-edit.png"));
    QTest::keyClick(editor, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(f.view().topRow, 2);
    QCOMPARE(f.view().currentRow, visible + 1);
    QCOMPARE(editor->geometry(), f.cellRect(visible - 1, 3)); // same line on screen
    QCOMPARE(f.model.cell(1, ColNumber, visible), QString("5")); // the row being left got the text
    QCOMPARE(f.model.cell(1, ColNumber, visible + 1), QString());
    QCOMPARE(f.grid()->scrollBar()->value(), f.grid()->scrollBar()->singleStep()); // the second row on top
    QCOMPARE(f.shownText(0, 1), QString("Ad 2"));

    QTest::keyClick(editor, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(f.view().currentRow, 1);
    QCOMPARE(f.view().topRow, 1);
    QCOMPARE(editor->geometry(), f.cellRect(0, 3));
    QTest::keyClick(editor, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(f.view().currentRow, 30);
    QCOMPARE(f.view().topRow, 31 - visible);
    QCOMPARE(editor->geometry(), f.cellRect(visible - 1, 3));
    for (int i = 0; i < visible - 1; ++i)
        QTest::keyClick(editor, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(f.view().currentRow, 31 - visible);
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(f.view().topRow, 30 - visible);
    QCOMPARE(f.view().currentRow, 30 - visible);
    QCOMPARE(editor->geometry(), f.cellRect(0, 3));
    QCOMPARE(f.model.cell(1, ColNumber, 31 - visible), QString("7"));
    // A letter typed with Shift meets the number rule and is refused.
    QTest::keyClick(editor, Qt::Key_X, Qt::ShiftModifier);
    QCOMPARE(editor->text(), QString());
}

void GridTest::shiftRightAndLeft()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    QCOMPARE(f.view().currentColumn, 2);
    QTest::keyClick(f.grid()->salesPulldown(), Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(f.view().currentColumn, 2);
    QTest::keyClick(f.grid()->salesPulldown(), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(f.view().currentColumn, 3);
    QVERIFY(f.grid()->cellEditor()->isVisible());
    QVERIFY(!f.grid()->salesPulldown()->isVisible());
    f.clickCell(1, 10);
    QCOMPARE(f.view().currentColumn, 10);
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(f.view().currentColumn, 2);
    QCOMPARE(f.view().currentRow, 2);
    QVERIFY(f.grid()->salesPulldown()->isVisible());
    QCOMPARE(f.grid()->salesPulldown()->geometry(), f.cellRect(1, 2));

    ViewState v;
    v.currentColumn = 10;
    moveCursorForShiftKey(v, 3, Qt::Key_Right, false);
    QCOMPARE(v.currentColumn, 10);
}

void GridTest::clickInColumnOneOpensColumnTwo()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    f.clickCell(2, 1, Qt::RightButton);
    QCOMPARE(f.view().currentRow, 3);
    QCOMPARE(f.view().currentColumn, 2);
    QVERIFY(f.grid()->salesPulldown()->isVisible());
    QCOMPARE(f.grid()->salesPulldown()->geometry(), f.cellRect(2, 2));
    QCOMPARE(f.focused(), static_cast<QWidget *>(f.grid()->salesPulldown()));
}

void GridTest::clickBelowTheRowsKeepsTheCursor()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    f.clickCell(1, 4);
    QTableView *list = f.grid()->gridList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(100, list->viewport()->height() - 5));
    QCOMPARE(f.view().currentRow, 2);
    QCOMPARE(f.view().currentColumn, 4);
}

void GridTest::wheelScrollsOneLinePerNotch()
{
    GridFixture f;
    f.openWith(30);
    f.editMode();
    f.clickCell(2, 3);
    QWidget *viewport = f.grid()->gridList()->viewport();
    for (int i = 0; i < 3; ++i)
        sendWheel(viewport, -360); // a fast flick still moves one line
    QCOMPARE(f.view().topRow, 4);
    QCOMPARE(f.view().currentRow, 6);
    sendWheel(f.grid()->cellEditor(), 120);
    QCOMPARE(f.view().topRow, 3);
    QCOMPARE(f.view().currentRow, 5);
    QCOMPARE(f.grid()->cellEditor()->geometry(), f.cellRect(2, 3));
}

void GridTest::viewOnlyKeyScrollsOncePerPress()
{
    GridFixture f;
    f.openWith(30);
    QTRY_COMPARE(f.view().hookReady, HookState::Ready);
    QWidget *list = f.grid()->gridList();
    QTRY_COMPARE(f.focused(), list);
    QTest::keyClick(list, Qt::Key_Down); // press and release
    QCOMPARE(f.view().topRow, 2);
    QCOMPARE(f.view().currentRow, 2);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(f.view().topRow, 1);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(f.view().topRow, 1);
    QVERIFY(!f.model.ledgerChanged);
}

void GridTest::pageKeysKeepTheEditorOnItsRow()
{
    GridFixture f;
    f.openWith(40);
    f.editMode();
    const int visible = f.view().visibleRows;
    f.clickCell(0, 7);
    QLineEdit *editor = f.grid()->cellEditor();
    QTest::keyClicks(editor, "12");
    QTest::keyClick(editor, Qt::Key_PageDown, Qt::ShiftModifier);
    QCOMPARE(f.view().currentRow, visible);
    QTest::keyClick(editor, Qt::Key_PageDown, Qt::ShiftModifier);
    QCOMPARE(f.view().currentRow, 2 * visible - 1);
    QVERIFY(f.view().topRow <= f.view().currentRow && f.view().currentRow < f.view().topRow + visible);
    const int line = f.view().currentRow - f.view().topRow;
    QCOMPARE(editor->geometry(), f.cellRect(line, 7));
    QCOMPARE(f.model.cell(1, ColPaid, 1), QString("12"));
    QTest::keyClicks(editor, "3");
    QTest::keyClick(editor, Qt::Key_PageUp, Qt::ShiftModifier);
    QCOMPARE(f.model.cell(1, ColPaid, 2 * visible - 1), QString("3"));
    QCOMPARE(f.shownText(f.view().currentRow - f.view().topRow, 1),
             QString("Ad %1").arg(f.view().currentRow));
}

void GridTest::hintsFollowTheCursor()
{
    GridFixture f;
    f.openWith(3);
    QStatusBar *bar = f.window->hintBar();
    QCOMPARE(bar->currentMessage(), QString("View only - navigate around without fear of changing any data"));
    f.clickCell(0, 5);
    f.editMode();
    QCOMPARE(bar->currentMessage(), "[c] or [SPACE] to toggle color on/off" + kEditSuffix);
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(bar->currentMessage(), "sale price actually paid" + kEditSuffix);
    f.clickCell(0, 2);
    const QString pulldownHint = bar->currentMessage();
    f.clickCell(0, 4);
    QCOMPARE(bar->currentMessage(), pulldownHint);
    QCOMPARE(hintText(1, false), QString());
    QTest::mouseClick(f.window->viewOnlyOption(), Qt::LeftButton);
    QCOMPARE(bar->currentMessage(), hintText(kNoColumn, true));
}

void GridTest::modesShowAndHideTheEditors()
{
    GridFixture f;
    f.openWith(3);
    f.clickCell(1, 3); // view only: the cursor moves, no editor opens
    QCOMPARE(f.view().currentRow, 2);
    QVERIFY(!f.grid()->cellEditor()->isVisible());
    f.editMode();
    QVERIFY(f.grid()->cellEditor()->isVisible());
    QCOMPARE(f.grid()->cellEditor()->geometry(), f.cellRect(1, 3));
    QCOMPARE(f.focused(), static_cast<QWidget *>(f.grid()->cellEditor()));
    QTest::keyClicks(f.grid()->cellEditor(), "4");
    QTest::mouseClick(f.window->viewOnlyOption(), Qt::LeftButton);
    QCOMPARE(f.model.cell(1, ColNumber, 2), QString("4")); // committed on the way out
    QVERIFY(!f.grid()->cellEditor()->isVisible());
    QCOMPARE(f.focused(), static_cast<QWidget *>(f.grid()->gridList()));
    QTest::keyClicks(f.grid()->cellEditor(), "9");
    f.clickCell(0, 3);
    QCOMPARE(f.model.cell(1, ColNumber, 2), QString("4"));
}

void GridTest::numberColumnTakesDigitsAndOnePoint()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    f.clickCell(0, 3);
    QLineEdit *editor = f.grid()->cellEditor();
    QTest::keyClicks(editor, "1.2.3");
    QCOMPARE(editor->text(), QString("1.23"));
    QTest::keyClicks(editor, "-a, e");
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor->text(), QString("1.23"));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QCOMPARE(editor->text(), QString("1.2"));
    QCOMPARE(editor->contextMenuPolicy(), Qt::NoContextMenu);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(f.model.cell(1, ColNumber, 1), QString("1.2"));
    QCOMPARE(f.view().currentColumn, 4);
    QVERIFY(f.model.ledgerChanged);
}

void GridTest::colourColumnToggles()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    f.clickCell(0, 5);
    QLineEdit *editor = f.grid()->cellEditor();
    QTest::keyClicks(editor, "x");
    QCOMPARE(editor->text(), QString());
    QTest::keyClicks(editor, "C");
    QCOMPARE(editor->text(), QString("c"));
    QTest::keyClick(editor, Qt::Key_Space);
    QCOMPARE(editor->text(), QString());
    QTest::keyClicks(editor, "c");
    f.clickCell(1, 5);
    QCOMPARE(f.model.cell(1, ColColor, 1), QString("c"));
}

void GridTest::escapeRestoresAndUnchangedCellWritesNothing()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(3);
    m.cell(1, ColPaid, 1) = "10.00";
    f.writeFiles(m);
    f.open();
    f.editMode();
    f.clickCell(0, 7);
    QLineEdit *editor = f.grid()->cellEditor();
    QTest::keyClicks(editor, "55");
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(editor->text(), QString("10.00"));
    QVERIFY(f.window->isVisible());
    f.clickCell(1, 7);
    QCOMPARE(f.model.cell(1, ColPaid, 1), QString("10.00"));
    f.clickCell(2, 2);
    f.clickCell(2, 8);
    QVERIFY(!f.model.ledgerChanged);
}

void GridTest::monthChangeDropsTypedNumber()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    f.clickCell(0, 3);
    QTest::keyClicks(f.grid()->cellEditor(), "8");
    f.chooseMonth(2);
    QCOMPARE(f.model.cell(1, ColNumber, 1), QString());
    QCOMPARE(f.model.cell(2, ColNumber, 1), QString());
    QVERIFY(!f.model.ledgerChanged);
    QCOMPARE(f.window->captionLabel()->text(), QString("Corvel - February"));
    QCOMPARE(f.grid()->cellEditor()->text(), QString());

    QTest::keyClicks(f.grid()->salesPulldown(), "");
    f.clickCell(0, 3);
    QTest::keyClicks(f.grid()->cellEditor(), "6");
    f.window->publicationTabs()->setCurrentIndex(1);
    QCOMPARE(f.model.cell(2, ColNumber, 1), QString());
    QCOMPARE(f.model.cell(13, ColNumber, 3), QString());
}

void GridTest::pickupFlow()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    f.clickCell(0, 8);
    QComboBox *status = f.grid()->statusPulldown();
    QCOMPARE(f.focused(), static_cast<QWidget *>(status));
    QTest::keyClick(status, Qt::Key_Down); // TK
    QTest::keyClick(status, Qt::Key_Down); // P/U
    QCOMPARE(status->currentIndex(), 1);
    QListWidget *pickup = f.grid()->pickupList();
    QVERIFY(pickup->isVisible());
    if (qEnvironmentVariableIsSet("QM_SCREENSHOTS"))
        f.window->grab().save(QDir(qEnvironmentVariable("QM_SCREENSHOTS")).filePath("main-pickup.png"));
    QTest::mouseClick(pickup->viewport(), Qt::LeftButton, {},
                      pickup->visualItemRect(pickup->item(2)).center());
    QCOMPARE(status->itemText(1), QString("P/U Wynd"));
    QCOMPARE(f.shownText(0, 8), QString("P/U Wynd"));
    f.clickCell(1, 8);
    QCOMPARE(f.model.cell(1, ColStatus, 1), QString("P/U Wynd"));
    QCOMPARE(status->itemText(1), QString("P/U Wynd"));
    QVERIFY(!pickup->isVisible());
    // ENTER with the entry still "P/U Wynd" selected stores it on this row too.
    status->setCurrentIndex(1);
    QTest::keyClick(status, Qt::Key_Return);
    QCOMPARE(f.model.cell(1, ColStatus, 2), QString("P/U Wynd"));
    QCOMPARE(f.view().currentColumn, 9);
}

void GridTest::ctrlArrowsStepThePickup()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(3);
    m.cell(1, ColStatus, 1) = "P/U Cor";
    f.writeFiles(m);
    f.open();
    f.editMode();
    f.clickCell(0, 8);
    QComboBox *status = f.grid()->statusPulldown();
    QVERIFY(f.grid()->pickupList()->isVisible());
    QCOMPARE(f.view().pickupIndex, 1);
    QTest::keyClick(status, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(status->currentText(), QString("P/U Tarn"));
    QTest::keyClick(status, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(status->currentText(), QString("P/U Cor"));
    QTest::keyClick(status, Qt::Key_Up, Qt::ControlModifier);
    f.clickCell(1, 2);
    QCOMPARE(f.model.cell(1, ColStatus, 1), QString("P/U Tarn"));

    // With no pickup chosen yet, Ctrl keys do nothing in the status column.
    GridFixture g;
    g.openWith(2);
    g.editMode();
    g.clickCell(0, 8);
    QTest::keyClick(g.grid()->statusPulldown(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(g.grid()->statusPulldown()->currentIndex(), -1);
    QCOMPARE(g.view().pickupIndex, 0);
}

void GridTest::removeAdDataEmptiesShownIssueOnly()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(3);
    for (int c = 1; c <= 10; ++c) {
        m.cell(1, c, 2) = QString("j%1").arg(c);
        m.cell(2, c, 2) = QString("f%1").arg(c);
    }
    f.writeFiles(m);
    f.open();
    f.editMode();
    f.clickCell(1, 6);
    ScriptedMessages messages;
    messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.model.cell(1, 3, 2), QString("j3"));
    QCOMPARE(messages.asked.at(0).text, QString("Remove all data for this ad?"));
    QCOMPARE(messages.asked.at(0).caption, QString("Remove Data for Ad 2"));
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Delete, Qt::ControlModifier);
    for (int c = 2; c <= 10; ++c) {
        QCOMPARE(f.model.cell(1, c, 2), QString());
        QCOMPARE(f.model.cell(2, c, 2), QString("f%1").arg(c));
    }
    QCOMPARE(f.model.cell(1, 1, 2), QString("j1"));
    QCOMPARE(f.view().currentColumn, 2);
    QVERIFY(f.model.ledgerChanged);
}

void GridTest::overrideRefusedRestoresSale()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    f.clickCell(0, 3);
    QTest::keyClicks(f.grid()->cellEditor(), "2");
    f.clickCell(0, 4);
    QComboBox *size = f.grid()->sizePulldown();
    QTest::keyClick(size, Qt::Key_Down); // Full
    QTest::keyClick(size, Qt::Key_Down); // Half
    QTest::keyClick(size, Qt::Key_Return);
    QCOMPARE(f.model.cell(1, ColColor, 1), QString("c"));
    QCOMPARE(f.model.cell(1, ColSale, 1), QString("300.00"));
    QVERIFY(f.document.save().ok()); // nothing unsaved from here on
    f.clickCell(0, 6);
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Delete, Qt::ShiftModifier); // empties the cell
    QTest::keyClicks(f.grid()->cellEditor(), "250");
    ScriptedMessages messages;
    messages.answers = {MessageAnswer::No};
    f.clickCell(0, 7);
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.at(0).caption, QString("Caution"));
    QCOMPARE(f.model.cell(1, ColSale, 1), QString("300.00"));
    QVERIFY(!f.model.ledgerChanged);
    f.clickCell(0, 6);
    QCOMPARE(f.grid()->cellEditor()->text(), QString("300.00"));
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClicks(f.grid()->cellEditor(), "250");
    messages.answers = {MessageAnswer::Yes};
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Return);
    QCOMPARE(f.model.cell(1, ColSale, 1), QString("250.00"));
    QCOMPARE(f.model.cell(1, ColComm, 1), QString());
    QCOMPARE(messages.asked.size(), 2);
}

void GridTest::ctrlSSavesAndReportsFailure()
{
    GridFixture f;
    f.openWith(2);
    f.editMode();
    f.clickCell(0, 3);
    QTest::keyClicks(f.grid()->cellEditor(), "3");
    f.clickCell(1, 3);
    ScriptedMessages messages;
    messages.answers = {MessageAnswer::Yes};
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(messages.asked.at(0).text, QString("Save file now?"));
    QCOMPARE(messages.asked.at(0).caption, f.ledgerPath());
    QVERIFY(!f.model.ledgerChanged);
    QVERIFY(f.fileBytes(f.ledgerPath()).contains("\"\",\"\",\"3\""));

    // A save that cannot be written says why and keeps the flag.
    QTest::keyClicks(f.grid()->cellEditor(), "4");
    f.clickCell(0, 3);
    const QByteArray before = f.fileBytes(f.ledgerPath());
    setSaveFault(SaveFault{.failAfter = 10, .persistent = true});
    messages.answers = {MessageAnswer::Yes};
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_S, Qt::ControlModifier);
    setSaveFault(SaveFault());
    QCOMPARE(messages.asked.size(), 3);
    QCOMPARE(messages.asked.at(2).icon, MessageIcon::Error);
    QVERIFY(messages.asked.at(2).text.contains(QDir::toNativeSeparators(f.ledgerPath())));
    QVERIFY(f.model.ledgerChanged);
    QCOMPARE(f.fileBytes(f.ledgerPath()), before);
}

// Ctrl+S in the editor saves what is committed; the text still being typed
// goes with the next save, here the one on closing.
void GridTest::ctrlSLeavesThePendingTextToTheNextSave()
{
    GridFixture f;
    f.openWith(2);
    f.editMode();
    f.clickCell(0, 3);
    QTest::keyClicks(f.focused(), "3");
    f.clickCell(1, 3);
    QCOMPARE(f.focused(), f.grid()->cellEditor());
    QTest::keyClicks(f.focused(), "7");
    ScriptedMessages messages;
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    QTest::keyClick(f.focused(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.at(0).text, QString("Save file now?"));
    QCOMPARE(f.grid()->cellEditor()->text(), QString("7"));

    // The ledger as it is expected on disk after each save.
    LedgerModel expected = GridFixture::sampleModel(2);
    expected.cell(1, ColNumber, 1) = "3"; // Corvel January, the issue shown
    const auto bytesOf = [&f](LedgerModel &m) {
        const QString path = f.dir.filePath("expected.qmr");
        return writeLedgerFile(path, m).ok ? f.fileBytes(path) : QByteArray("(not written)");
    };
    QCOMPARE(f.fileBytes(f.ledgerPath()), bytesOf(expected));

    QVERIFY(f.window->close());
    QCOMPARE(messages.asked.size(), 2);
    QCOMPARE(messages.asked.at(1).text, QString("Do you want to save the files?"));
    expected.cell(1, ColNumber, 2) = "7";
    QCOMPARE(f.fileBytes(f.ledgerPath()), bytesOf(expected));
}

void GridTest::endToEndTypeAndSave()
{
    GridFixture f;
    f.openWith(3);
    QTest::mouseClick(f.window->editItemsOption(), Qt::LeftButton);
    f.clickCell(1, 2);
    QComboBox *sales = f.grid()->salesPulldown();
    QTest::keyClick(sales, Qt::Key_Down); // Alpha
    QTest::keyClick(sales, Qt::Key_Return);
    QTest::keyClicks(f.grid()->cellEditor(), "2");
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Return);
    QComboBox *size = f.grid()->sizePulldown();
    QTest::keyClick(size, Qt::Key_Down);
    QTest::keyClick(size, Qt::Key_Down);
    // Closing commits the size still being chosen; the save writes the row and its backup.
    ScriptedMessages messages;
    messages.answers = {MessageAnswer::Yes};
    QVERIFY(f.window->close());
    const QByteArray ledger = f.fileBytes(f.ledgerPath());
    QVERIFY(ledger.contains("\"\",\"Alpha\",\"2\",\"Half\",\"c\",\"300.00\",\"\",\"\",\"45.00\",\"\"\r\n"));
    QCOMPARE(f.fileBytes(f.dir.filePath("QuillmoorAds_030326_1405.qmr")), ledger);
    LedgerModel back;
    back.ads = f.model.ads;
    QVERIFY(!loadFiles(back, f.settingsPath(), f.ledgerPath()).size());
    QCOMPARE(back.cell(1, ColSale, 2), QString("300.00"));
}

void GridTest::endToEndFromAnEmptyFolder()
{
    GridFixture f;
    f.open();
    QVERIFY(f.window->promptLabel());
    auto typeInto = [](const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); };
    auto key = [](int k) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k)); };
    bool configured = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<ConfigureDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(f.view().hookReady, HookState::Configuring); // the view-only keys rest meanwhile
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto button = [dialog](const QString &text) {
            for (QPushButton *b : dialog->findChildren<QPushButton *>())
                if (b->text() == text)
                    return b;
            return static_cast<QPushButton *>(nullptr);
        };
        for (const QString &name : {QString("Acme"), QString("Bravo")}) {
            QTest::mouseClick(button("&Add Ad"), Qt::LeftButton);
            typeInto(name);
            key(Qt::Key_Return); // the last ad's name: on to its Corvel checkmark
            key(Qt::Key_Space);
        }
        auto *sales = dialog->findChild<QComboBox *>("SalesPeopleBox");
        QTest::mouseClick(sales, Qt::LeftButton, {}, QPoint(10, 10));
        typeInto("Delta");
        key(Qt::Key_Return);
        typeInto("10");
        key(Qt::Key_Tab);
        auto *size = dialog->findChild<QComboBox *>("SizeChoice");
        size->setFocus();
        key(Qt::Key_Down);
        key(Qt::Key_Down); // Half
        auto *publication = dialog->findChild<QComboBox *>("PublicationChoice");
        publication->setFocus();
        key(Qt::Key_Down); // Corvel
        QTest::mouseClick(dialog->findChild<QLineEdit *>("ColorPriceBox"), Qt::LeftButton);
        typeInto("150");
        key(Qt::Key_Tab);
        configured = true;
        if (qEnvironmentVariableIsSet("QM_SCREENSHOTS"))
            dialog->grab().save(QDir(qEnvironmentVariable("QM_SCREENSHOTS")).filePath("configure.png"));
        dialog->close();
    });
    QTest::mouseClick(f.window->findChild<QPushButton *>("ConfigureButton"), Qt::LeftButton);
    QVERIFY(configured);
    QCOMPARE(f.model.adCount(), 2);
    QCOMPARE(f.model.prices.colourPrice(priceEntry(1, 2)), QString("150"));
    QVERIFY(!f.window->promptLabel());
    QCOMPARE(f.view().hookReady, HookState::Ready);
    QCOMPARE(f.grid()->rowCount(), 2);
    QCOMPARE(f.shownText(1, 1), QString("Bravo"));
    QCOMPARE(f.grid()->salesPulldown()->count(), 2); // Delta, Owner

    f.editMode();
    f.clickCell(1, 2);
    QTest::keyClick(f.grid()->salesPulldown(), Qt::Key_Down); // Delta
    QTest::keyClick(f.grid()->salesPulldown(), Qt::Key_Return);
    QTest::keyClicks(f.grid()->cellEditor(), "2");
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Return);
    QTest::keyClick(f.grid()->sizePulldown(), Qt::Key_Down);
    QTest::keyClick(f.grid()->sizePulldown(), Qt::Key_Down);
    QTest::keyClick(f.grid()->sizePulldown(), Qt::Key_Return);
    QCOMPARE(f.model.cell(1, ColSale, 2), QString("300.00"));
    QCOMPARE(f.model.cell(1, ColComm, 2), QString("30.00"));

    ScriptedMessages messages;
    messages.answers = {MessageAnswer::Yes};
    QVERIFY(f.window->close());
    QVERIFY(QFile::exists(f.dir.filePath("QuillmoorAds_030326_1405.ini")));
    QVERIFY(QFile::exists(f.dir.filePath("QuillmoorAds_030326_1405.qmr")));

    // The next start finds the same configuration and ledger.
    LedgerModel next;
    QVERIFY(loadFiles(next, f.settingsPath(), f.ledgerPath()).isEmpty());
    QCOMPARE(next.adCount(), 2);
    QCOMPARE(next.ads.at(0).name, QString("Acme"));
    QVERIFY(next.ads.at(1).runsIn(1) && !next.ads.at(1).runsIn(2));
    QCOMPARE(next.salesPeople.size(), 1);
    QCOMPARE(next.salesPeople.at(0).name, QString("Delta"));
    QCOMPARE(next.salesPeople.at(0).percent, QString("10"));
    QCOMPARE(next.prices.colour, f.model.prices.colour);
    QCOMPARE(next.cells, f.model.cells);
    QCOMPARE(next.ledgerYear, 2026);
}

QTEST_MAIN(GridTest)
#include "tst_grid.moc"
