// The grid driven the way Qt delivers a user's input: popups opened and clicked,
// wheel turns sent to the widget under the mouse, Shift held as a real modifier,
// text pasted through the clipboard.
#include "GridFixture.h"
#include "core/rules/CellInput.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTableView>

using namespace qm;

namespace {

// One wheel notch at a point of the main window, sent to the widget under it.
void wheelAt(QWidget *window, const QPoint &pos, int delta)
{
    QWidget *under = window->childAt(pos);
    QVERIFY(under);
    const QPoint local = under->mapFrom(window, pos);
    QWheelEvent wheel(local, under->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(under, &wheel);
}

QPoint belowTheRows(const GridFixture &f)
{
    QWidget *viewport = f.grid()->gridList()->viewport();
    return viewport->mapTo(f.window.get(), QPoint(100, viewport->height() - 5));
}

void clickTab(GridFixture &f, int publication)
{
    QTabBar *tabs = f.window->publicationTabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(publication - 1).center());
    QCOMPARE(tabs->currentIndex(), publication - 1);
}

} // namespace

class GridInputTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup() { Clock::reset(); }

    void monthChoiceIsTheMonthShownAndEdited();
    void wheelOverGridKeepsThePulldownTruthful_data();
    void wheelOverGridKeepsThePulldownTruthful();
    void shiftCharactersReachTheEditor();
    void pastedTextObeysTheNumberRule();
    void cellEditRule_data();
    void cellEditRule();
    void enterOnBarePickupKeepsTheStatus();
    void pricedCommitInEveryPublication_data();
    void pricedCommitInEveryPublication();
    void wheelAndArrowScrollDownToTheLastRow();
    void clickedRowKeepsItsLineWhenScrolled();
    void typingFindsOnlyShownRows();
};

void GridInputTest::monthChoiceIsTheMonthShownAndEdited()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(3);
    for (int month = 1; month <= 12; ++month)
        m.cell(month, ColPaid, 1) = QString::number(month);
    f.writeFiles(m);
    f.open();
    f.editMode();
    QLabel *caption = f.window->captionLabel();
    auto shownPaid = [&f] { return f.shownText(0, ColPaid); };

    f.chooseMonth(2); // a click on the item
    QCOMPARE(caption->text(), QString("Corvel - February"));
    QCOMPARE(shownPaid(), QString("2"));
    f.clickCell(0, 3);
    QTest::keyClicks(f.grid()->cellEditor(), "7");
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Return);
    QCOMPARE(f.model.cell(2, ColNumber, 1), QString("7"));
    QCOMPARE(f.model.cell(1, ColNumber, 1), QString());

    f.monthKeys({Qt::Key_Down, Qt::Key_Return}); // keys in the open list
    QCOMPARE(caption->text(), QString("Corvel - March"));
    QCOMPARE(shownPaid(), QString("3"));

    // An arrow key while the list is closed waits for the list to close.
    QTest::keyClick(f.window->monthList(), Qt::Key_Down);
    QCOMPARE(caption->text(), QString("Corvel - March"));
    f.monthKeys({Qt::Key_Escape});
    QTRY_COMPARE(caption->text(), QString("Corvel - April"));
    QCOMPARE(shownPaid(), QString("4"));
    f.clickCell(0, 3);
    QTest::keyClicks(f.grid()->cellEditor(), "9");
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Return);
    QCOMPARE(f.model.cell(4, ColNumber, 1), QString("9"));
    QCOMPARE(f.model.cell(3, ColNumber, 1), QString());
}

void GridInputTest::wheelOverGridKeepsThePulldownTruthful_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("size") << int(ColSize) << "Half" << "Quarter";
    QTest::newRow("sales person") << int(ColSalesPerson) << "Alpha" << "Delta";
}

void GridInputTest::wheelOverGridKeepsThePulldownTruthful()
{
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(QString, chosen);
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(3);
    m.cell(1, column, 1) = before;
    f.writeFiles(m);
    f.open();
    f.editMode();
    f.clickCell(0, column);
    auto *box = qobject_cast<QComboBox *>(f.grid()->editorFor(column));
    QCOMPARE(f.focused(), static_cast<QWidget *>(box));
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentText(), chosen);
    for (int delta : {-120, 120, 120}) {
        wheelAt(f.window.get(), belowTheRows(f), delta);
        const QString shown = box->currentText();
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(f.model.cell(1, column, 1), shown); // what the editor showed is what was stored
        QTest::keyClick(f.focused(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(f.focused(), static_cast<QWidget *>(box));
    }
}

void GridInputTest::shiftCharactersReachTheEditor()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    QLineEdit *editor = f.grid()->cellEditor();
    f.clickCell(0, 5);
    QTest::keyClick(editor, 'C', Qt::ShiftModifier);
    QCOMPARE(editor->text(), QString("c"));
    QTest::keyClick(editor, 'C', Qt::ShiftModifier);
    QCOMPARE(editor->text(), QString());
    QTest::keyClick(editor, 'C', Qt::ShiftModifier);
    QTest::keyClick(editor, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(f.model.cell(1, ColColor, 1), QString("c"));

    // Layouts where digits and the point need Shift.
    f.clickCell(0, 7);
    for (char c : {'1', '.', '5', 'X', '.', '0'})
        QTest::keyClick(editor, c, Qt::ShiftModifier);
    QCOMPARE(editor->text(), QString("1.50"));
    QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier); // the paste key
    QCOMPARE(editor->text(), QString("1.50"));
    QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(f.view().currentColumn, 6);
    QCOMPARE(f.model.cell(1, ColPaid, 1), QString("1.50"));
}

void GridInputTest::pastedTextObeysTheNumberRule()
{
    GridFixture f;
    f.openWith(3);
    f.editMode();
    f.clickCell(0, 3);
    QLineEdit *editor = f.grid()->cellEditor();
    QTest::keyClicks(editor, "2");
    QClipboard *clipboard = QGuiApplication::clipboard();

    // The paste of the text box's own menu, opened after the text was copied.
    auto pasteFromMenu = [editor] {
        std::unique_ptr<QMenu> menu(editor->createStandardContextMenu());
        for (QAction *action : menu->actions())
            if (action->text().remove('&').startsWith("Paste")) {
                QVERIFY(action->isEnabled());
                action->trigger();
                return;
            }
        QFAIL("no paste in the menu");
    };
    clipboard->setText("ab-9,x");
    pasteFromMenu();
    QCOMPARE(editor->text(), QString("2"));
    clipboard->setText("5.5");
    pasteFromMenu();
    QCOMPARE(editor->text(), QString("25.5"));
    pasteFromMenu(); // a second point
    QCOMPARE(editor->text(), QString("25.5"));

    // X11's middle click pastes the primary selection.
    if (clipboard->supportsSelection()) {
        clipboard->setText("ab-9,x", QClipboard::Selection);
        QTest::mouseClick(editor, Qt::MiddleButton, {}, QPoint(5, 5));
        QCOMPARE(editor->text(), QString("25.5"));
    }
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(f.model.cell(1, ColNumber, 1), QString("25.5"));
}

void GridInputTest::cellEditRule_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digits pasted") << int(ColNumber) << "1" << "1250" << true;
    QTest::newRow("letters pasted") << int(ColSale) << "1" << "ab-9,x1" << false;
    QTest::newRow("a sign") << int(ColPaid) << "" << "+150" << false;
    QTest::newRow("one point") << int(ColComm) << "12" << "1.52" << true;
    QTest::newRow("a second point") << int(ColComm) << "1.2" << "1.2.5" << false;
    QTest::newRow("two points at once") << int(ColCommPaid) << "" << "1.2.5" << false;
    QTest::newRow("point replaces the point") << int(ColNumber) << "1.2" << "1.52" << true;
    QTest::newRow("removing") << int(ColNumber) << "12.50" << "1.50" << true;
    QTest::newRow("digit after a hand-made text") << int(ColNumber) << "2 ads" << "2 ads5" << true;
    QTest::newRow("colour only c") << int(ColColor) << "" << "c" << true;
    QTest::newRow("colour no other text") << int(ColColor) << "" << "cc" << false;
}

void GridInputTest::cellEditRule()
{
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, accepted);
    QCOMPARE(acceptsCellEdit(column, before, after), accepted);
}

void GridInputTest::enterOnBarePickupKeepsTheStatus()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(3);
    m.cell(1, ColStatus, 1) = "Ok";
    m.cell(1, ColStatus, 2) = "Ok";
    f.writeFiles(m);
    f.open();
    f.editMode();
    QComboBox *status = f.grid()->statusPulldown();
    for (int line : {0, 1}) {
        f.clickCell(line, 8);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(status, Qt::Key_Up); // Proof, Vell, P/U
        QCOMPARE(status->currentText(), QString("P/U"));
        if (line == 0) {
            QTest::keyClick(status, Qt::Key_Return);
            QCOMPARE(f.view().currentColumn, 9);
        } else {
            f.clickCell(2, 3);
        }
        QCOMPARE(f.model.cell(1, ColStatus, line + 1), QString("Ok"));
    }
    QVERIFY(!f.model.ledgerChanged);
}

void GridInputTest::pricedCommitInEveryPublication_data()
{
    QTest::addColumn<int>("publication");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("size");
    QTest::newRow("Corvel May, Half") << 1 << 5 << 2;
    QTest::newRow("Corvel December, ninth") << 1 << 12 << 7;
    QTest::newRow("Tarn, third") << 2 << 1 << 4;
    QTest::newRow("Fennet, Full") << 3 << 1 << 1;
    QTest::newRow("Wyndle, ninth") << 4 << 1 << 7;
}

void GridInputTest::pricedCommitInEveryPublication()
{
    QFETCH(int, publication);
    QFETCH(int, month);
    QFETCH(int, size);
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(2);
    for (AdRecord &ad : m.ads)
        for (int p = 1; p <= kPublicationCount; ++p)
            ad.check(p) = QString(QChar(CHECKMARK));
    // Every entry its own price: entry e costs 10 e in colour and e in black and white.
    for (int e = 1; e <= kPriceEntryCount; ++e) {
        m.prices.colourPrice(e) = QString::number(10 * e);
        m.prices.bwPrice(e) = QString::number(e);
    }
    f.writeFiles(m);
    f.open();
    if (publication != 1)
        clickTab(f, publication);
    else if (month != 1)
        f.chooseMonth(month);
    f.editMode();
    const int issue = issueIndex(publication, month);
    const int entry = priceEntry(publication, size);

    f.clickCell(0, 3);
    QTest::keyClicks(f.grid()->cellEditor(), "2");
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Right, Qt::ShiftModifier);
    QComboBox *sizes = f.grid()->sizePulldown();
    for (int i = 0; i < size; ++i)
        QTest::keyClick(sizes, Qt::Key_Down);
    QTest::keyClick(sizes, Qt::Key_Return); // a chosen size turns colour on
    QCOMPARE(f.model.cell(issue, ColSize, 1), sizeName(size));
    QCOMPARE(f.model.cell(issue, ColSale, 1), QString("%1.00").arg(2 * 10 * entry));
    QCOMPARE(f.model.cell(issue, ColComm, 1), QString()); // no sales person yet
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Space); // colour off
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Return);
    QCOMPARE(f.model.cell(issue, ColSale, 1), QString("%1.00").arg(2 * entry));
    for (int other = 1; other <= kIssueCount; ++other)
        if (other != issue)
            QCOMPARE(f.model.cell(other, ColSale, 1), QString());
}

void GridInputTest::wheelAndArrowScrollDownToTheLastRow()
{
    GridFixture f;
    f.openWith(30);
    const int visible = f.view().visibleRows;
    const int lastTop = 31 - visible;
    QTRY_COMPARE(f.view().hookReady, HookState::Ready);

    // View only: the Down key on the bottom line scrolls until the last row shows.
    f.clickCell(visible - 1, 3);
    QCOMPARE(f.view().currentRow, visible);
    QWidget *list = f.grid()->gridList();
    QTRY_COMPARE(f.focused(), list);
    for (int top = 2; top <= lastTop; ++top) {
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(f.view().topRow, top);
    }
    QCOMPARE(f.view().currentRow, 30);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(f.view().topRow, lastTop);
    QCOMPARE(f.shownText(visible - 1, 1), QString("Ad 30"));

    // Edit mode: the wheel over the bottom line does the same.
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(f.view().topRow, 1);
    f.editMode();
    f.clickCell(visible - 1, 7);
    const QPoint bottomLine = f.grid()->gridList()->viewport()->mapTo(f.window.get(), f.cellRect(visible - 1, 2).center());
    for (int top = 2; top <= lastTop; ++top) {
        wheelAt(f.window.get(), bottomLine, -120);
        QCOMPARE(f.view().topRow, top);
        QCOMPARE(f.view().currentRow, visible + top - 1);
    }
    wheelAt(f.window.get(), bottomLine, -120);
    QCOMPARE(f.view().topRow, lastTop);
    QCOMPARE(f.grid()->cellEditor()->geometry(), f.cellRect(visible - 1, 7));
    QTest::keyClicks(f.grid()->cellEditor(), "8");
    QTest::keyClick(f.grid()->cellEditor(), Qt::Key_Return);
    QCOMPARE(f.model.cell(1, ColPaid, 30), QString("8"));
}

// View only: the row clicked is shown selected; a scroll moves the cursor with
// the rows, and the selection stays with the cursor on its line of the screen.
void GridInputTest::clickedRowKeepsItsLineWhenScrolled()
{
    GridFixture f;
    f.openWith(30);
    QTRY_COMPARE(f.view().hookReady, HookState::Ready);
    f.clickCell(2, 3);
    QTableView *list = f.grid()->gridList();
    QCOMPARE(list->selectionModel()->selectedRows(), QModelIndexList({f.shownCell(2, 1)}));
    const QPoint line = list->viewport()->mapTo(f.window.get(), f.cellRect(2, 3).center());
    for (int i = 0; i < 3; ++i)
        wheelAt(f.window.get(), line, -120);
    QCOMPARE(f.view().topRow, 4);
    QCOMPARE(f.view().currentRow, 6);
    QCOMPARE(f.shownText(2, 1), QString("Ad 6"));
    QCOMPARE(list->currentIndex(), f.shownCell(2, 3));
    QCOMPARE(list->selectionModel()->selectedRows(), QModelIndexList({f.shownCell(2, 1)}));
}

// View only: a letter typed on the grid selects a row on screen whose cell of
// the current column begins with it; a row off the screen is never chosen.
void GridInputTest::typingFindsOnlyShownRows()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(30);
    m.ads[24].name = "Zephyr";
    m.ads[4].name = "Quay";
    f.writeFiles(m);
    f.open();
    QTRY_COMPARE(f.view().hookReady, HookState::Ready);
    f.clickCell(2, 1);
    QTableView *list = f.grid()->gridList();
    QTest::keyClick(list, Qt::Key_Z);
    QCOMPARE(list->selectionModel()->selectedRows(), QModelIndexList({f.shownCell(2, 1)}));
    QCOMPARE(list->currentIndex(), f.shownCell(2, 1));
    QTest::qWait(QApplication::keyboardInputInterval() + 50); // a new search, not "zq"
    QTest::keyClick(list, Qt::Key_Q);
    QCOMPARE(list->selectionModel()->selectedRows(), QModelIndexList({f.shownCell(4, 1)}));
    QCOMPARE(f.shownText(4, 1), QString("Quay"));
}

QTEST_MAIN(GridInputTest)
#include "tst_gridinput.moc"
