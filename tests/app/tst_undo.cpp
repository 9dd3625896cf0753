// Undo and redo in the main window: committed cells with the sale and
// commission they recomputed, the issue shown again, typing not yet committed,
// the saved state and the close prompt, the history started anew.

#include "app/MainMenu.h"
#include "config/ConfigureDialog.h"
#include "GridFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>

using namespace qm;

namespace {

// The first row of January as the file holds it: Alpha sold two half pages in black and white.
const QStringList kSoldRow = {"Alpha", "2", "Half", "", "200.00", "", "", "30.00", ""};
// The same row once the number reads 4: sale and commission follow.
const QStringList kFourRow = {"Alpha", "4", "Half", "", "400.00", "", "", "60.00", ""};

LedgerModel soldModel()
{
    LedgerModel m = GridFixture::sampleModel(3);
    for (int column = ColSalesPerson; column <= kColumnCount; ++column)
        m.cell(1, column, 1) = kSoldRow.at(column - 2);
    return m;
}

void openSold(GridFixture &f)
{
    LedgerModel m = soldModel();
    f.writeFiles(m);
    f.open();
}

// Columns 2..10 of a shown line (from 0).
QStringList shownRow(GridFixture &f, int line)
{
    QStringList texts;
    for (int column = ColSalesPerson; column <= kColumnCount; ++column)
        texts << f.shownText(line, column);
    return texts;
}

void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key(k), modifiers);
}

// Types a number over the Number cell of a line and leaves it pending.
void typeNumber(GridFixture &f, int line, const QString &number)
{
    if (f.view().viewOnly)
        f.editMode();
    f.clickCell(line, ColNumber);
    key(Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClicks(QApplication::focusWidget(), number);
}

// The same, committed with ENTER.
void commitNumber(GridFixture &f, int line, const QString &number)
{
    typeNumber(f, line, number);
    key(Qt::Key_Return);
}

QAction *action(GridFixture &f, const char *name) { return f.window->findChild<QAction *>(name); }

void undoKey() { key(Qt::Key_Z, Qt::ControlModifier); }

} // namespace

class UndoTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup() { Clock::reset(); }
    void cellComesBackWithSaleAndCommission_data();
    void cellComesBackWithSaleAndCommission();
    void undoShowsTheIssueOfTheChange();
    void firstUndoGivesUpTheTyping_data();
    void firstUndoGivesUpTheTyping();
    void removedRowComesBack();
    void advancesAreUndoneInTheMainWindowToo();
    void savedStateAndTheClosePrompt_data();
    void savedStateAndTheClosePrompt();
    void saveAfterUndoWritesWhatIsShown();
    void reopenStartsTheHistoryAnew();
    void configurationChangeClearsTheHistory_data();
    void configurationChangeClearsTheHistory();
};

void UndoTest::cellComesBackWithSaleAndCommission_data()
{
    QTest::addColumn<QString>("undoBy");
    QTest::addColumn<QString>("redoBy");
    QTest::newRow("Ctrl+Z and Ctrl+Y in the next cell") << "keys" << "Ctrl+Y";
    QTest::newRow("Ctrl+Z and Ctrl+Shift+Z in the next cell") << "keys" << "Ctrl+Shift+Z";
    QTest::newRow("the Edit menu") << "menu" << "menu";
    QTest::newRow("keys in view only mode") << "view only" << "Ctrl+Y";
}

// The row of the edited cell goes back whole: the number and the sale and
// commission computed from it, on screen and in what a save writes.
void UndoTest::cellComesBackWithSaleAndCommission()
{
    QFETCH(QString, undoBy);
    QFETCH(QString, redoBy);
    GridFixture f;
    openSold(f);
    QVERIFY(!action(f, "UndoAction")->isEnabled());
    commitNumber(f, 0, "4");
    QCOMPARE(shownRow(f, 0), kFourRow);
    QVERIFY(action(f, "UndoAction")->isEnabled());

    if (undoBy == "view only")
        QTest::mouseClick(f.window->viewOnlyOption(), Qt::LeftButton);
    if (undoBy == "menu")
        action(f, "UndoAction")->trigger();
    else
        undoKey();
    QCOMPARE(shownRow(f, 0), kSoldRow);
    QVERIFY(!action(f, "UndoAction")->isEnabled());
    QVERIFY(action(f, "RedoAction")->isEnabled());
    if (undoBy != "view only") // the cursor is on the cell put back
        QCOMPARE(f.grid()->cellEditor()->text(), QString("2"));

    if (redoBy == "menu")
        action(f, "RedoAction")->trigger();
    else if (redoBy == "Ctrl+Y")
        key(Qt::Key_Y, Qt::ControlModifier);
    else
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(shownRow(f, 0), kFourRow);
    QVERIFY(!action(f, "RedoAction")->isEnabled());

    // Undo wrote nothing: the file is as it was opened.
    LedgerModel opened = soldModel();
    QCOMPARE(f.fileBytes(f.ledgerPath()), ledgerBytes(opened));
}

// A change in another month than the one shown: undo brings its month back
// to the month list and the caption, with the cursor on the cell.
void UndoTest::undoShowsTheIssueOfTheChange()
{
    GridFixture f;
    openSold(f);
    commitNumber(f, 0, "4");
    f.chooseMonth(3);
    QCOMPARE(f.window->captionLabel()->text(), QString("Corvel - March"));
    QCOMPARE(shownRow(f, 0).at(1), QString());
    undoKey();
    QCOMPARE(f.window->monthList()->currentText(), QString("January"));
    QCOMPARE(f.window->captionLabel()->text(), QString("Corvel - January"));
    QCOMPARE(shownRow(f, 0), kSoldRow);
    QCOMPARE(f.focused(), static_cast<QWidget *>(f.grid()->cellEditor()));
    QCOMPARE(f.grid()->cellEditor()->text(), QString("2"));
}

void UndoTest::firstUndoGivesUpTheTyping_data()
{
    QTest::addColumn<bool>("earlierChange");
    QTest::newRow("with a change to undo") << true;
    QTest::newRow("with nothing to undo") << false;
}

// Typing not committed is given up by the first Ctrl+Z, as by Esc; only the
// next one undoes a committed change. Redo leaves the typing alone.
void UndoTest::firstUndoGivesUpTheTyping()
{
    QFETCH(bool, earlierChange);
    GridFixture f;
    openSold(f);
    if (earlierChange)
        commitNumber(f, 1, "5");
    typeNumber(f, 0, "7");
    QCOMPARE(f.grid()->cellEditor()->text(), QString("7"));
    key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(f.grid()->cellEditor()->text(), QString("7"));
    undoKey();
    QCOMPARE(f.grid()->cellEditor()->text(), QString("2"));
    QCOMPARE(shownRow(f, 1).at(1), QString(earlierChange ? "5" : ""));
    undoKey();
    QCOMPARE(shownRow(f, 1).at(1), QString());
    QCOMPARE(shownRow(f, 0), kSoldRow);
    QCOMPARE(f.document.isChanged(), false);
}

// Ctrl+Delete empties the row; undo gives it back, computed cells and all.
void UndoTest::removedRowComesBack()
{
    GridFixture f;
    openSold(f);
    f.editMode();
    f.clickCell(0, ColNumber);
    ScriptedMessages messages;
    messages.answers = {MessageAnswer::Yes};
    key(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(shownRow(f, 0), QStringList(kColumnCount - 1, QString()));
    undoKey();
    QCOMPARE(shownRow(f, 0), kSoldRow);
    key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(shownRow(f, 0), QStringList(kColumnCount - 1, QString()));
}

// A change of the advances is undone in the main window as well; the hint
// bar says what went back, as the grid does not show it.
void UndoTest::advancesAreUndoneInTheMainWindowToo()
{
    GridFixture f;
    openSold(f);
    f.document.addAdvance(1, AdvanceEntry{"03/01/2026", 50, 0});
    QVERIFY(action(f, "UndoAction")->isEnabled());
    undoKey();
    QCOMPARE(f.window->hintBar()->currentMessage(), QString("Undone: a change of the advances"));
    QVERIFY(!action(f, "UndoAction")->isEnabled());
    ScriptedMessages messages;
    QVERIFY(f.window->close());
    QCOMPARE(messages.asked.size(), 0);
    LedgerModel opened = soldModel();
    QCOMPARE(f.fileBytes(f.ledgerPath()), ledgerBytes(opened));
}

void UndoTest::savedStateAndTheClosePrompt_data()
{
    // e: a number committed; s: File - Save; u: undo; r: redo.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("asks");
    QTest::newRow("undo back to the opened ledger") << "eu" << false;
    QTest::newRow("undo of two edits") << "eeuu" << false;
    QTest::newRow("undo of one of two edits") << "eeu" << true;
    QTest::newRow("redo away from the opened ledger") << "eur" << true;
    QTest::newRow("a new edit after undo") << "eue" << true;
    QTest::newRow("undo back to the save") << "eseu" << false;
    QTest::newRow("undo past the save") << "esu" << true;
    QTest::newRow("undo past the save and redo to it") << "esur" << false;
    QTest::newRow("a new edit where the saved state was undone") << "esue" << true;
}

// Closing asks "Do you want to save the files?" only where what is shown is
// not what was last opened or saved.
void UndoTest::savedStateAndTheClosePrompt()
{
    QFETCH(QString, steps);
    QFETCH(bool, asks);
    GridFixture f;
    openSold(f);
    int edits = 0;
    for (const QChar step : steps) {
        if (step == 'e') {
            commitNumber(f, edits % 3, QString::number(edits + 5));
            ++edits;
        } else if (step == 's') {
            action(f, "SaveAction")->trigger();
        } else if (step == 'u') {
            undoKey();
        } else {
            key(Qt::Key_Y, Qt::ControlModifier);
        }
    }
    const QByteArray onDisk = f.fileBytes(f.ledgerPath());
    ScriptedMessages messages(MessageAnswer::No);
    QVERIFY(f.window->close());
    QCOMPARE(messages.asked.size(), asks ? 1 : 0);
    if (asks)
        QCOMPARE(messages.asked.at(0).text, QString("Do you want to save the files?"));
    QCOMPARE(f.fileBytes(f.ledgerPath()), onDisk);
}

// A save after undo writes the ledger as undo left it, to the byte.
void UndoTest::saveAfterUndoWritesWhatIsShown()
{
    GridFixture f;
    openSold(f);
    commitNumber(f, 1, "5");
    commitNumber(f, 0, "4");
    undoKey();
    action(f, "SaveAction")->trigger();
    LedgerModel expected = soldModel();
    expected.cell(1, ColNumber, 2) = "5";
    QCOMPARE(f.fileBytes(f.ledgerPath()), ledgerBytes(expected));
    QVERIFY(!f.document.isChanged());
    // The save is the new clean point: undoing past it is a change again.
    undoKey();
    QVERIFY(f.document.isChanged());
    QCOMPARE(f.fileBytes(f.ledgerPath()), ledgerBytes(expected));
}

// The ledger read again from its files starts with nothing to undo.
void UndoTest::reopenStartsTheHistoryAnew()
{
    GridFixture f;
    openSold(f);
    commitNumber(f, 0, "4");
    action(f, "SaveAction")->trigger();
    f.window->openRecentLedger(f.ledgerPath());
    QVERIFY(!action(f, "UndoAction")->isEnabled());
    QCOMPARE(shownRow(f, 0), kFourRow);
    f.editMode();
    f.clickCell(0, ColNumber);
    undoKey();
    QCOMPARE(shownRow(f, 0), kFourRow);
    QVERIFY(!f.document.isChanged());
}

void UndoTest::configurationChangeClearsTheHistory_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("unsaved"); // the visit leaves settings to save
    QTest::newRow("an ad added") << "ad" << true;
    QTest::newRow("a price changed") << "price" << true;
    QTest::newRow("nothing changed") << "nothing" << false;
    QTest::newRow("an ad added and deleted again") << "ad and back" << true;
}

// A change of the configuration ends the history, and the hint bar says so; a
// visit to the dialog that leaves the configuration as it was keeps it. The edits made before the
// change stay to be saved, whatever is undone after it.
void UndoTest::configurationChangeClearsTheHistory()
{
    QFETCH(QString, change);
    QFETCH(bool, unsaved);
    const bool changed = change == "ad" || change == "price";
    GridFixture f;
    openSold(f);
    commitNumber(f, 0, "4");
    bool configured = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<ConfigureDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        if (change == "ad") {
            QTest::mouseClick(dialog->findChild<QPushButton *>("AddAd"), Qt::LeftButton);
            QTest::keyClicks(QApplication::focusWidget(), "Zephyr");
            key(Qt::Key_Return);
        } else if (change == "ad and back") {
            ScriptedMessages answers(MessageAnswer::Yes);
            QTest::mouseClick(dialog->findChild<QPushButton *>("AddAd"), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton *>("DeleteAd"), Qt::LeftButton);
            QCOMPARE(answers.asked.size(), 1);
        } else if (change == "price") {
            dialog->findChild<QComboBox *>("SizeChoice")->setFocus();
            key(Qt::Key_Down);
            key(Qt::Key_Down); // Half
            dialog->findChild<QComboBox *>("PublicationChoice")->setFocus();
            key(Qt::Key_Down); // Corvel
            QTest::mouseClick(dialog->findChild<QLineEdit *>("ColorPriceBox"), Qt::LeftButton);
            QTest::keyClicks(QApplication::focusWidget(), "5");
            key(Qt::Key_Tab);
        }
        configured = true;
        dialog->close();
    });
    QTest::mouseClick(f.window->findChild<QPushButton *>("ConfigureButton"), Qt::LeftButton);
    QVERIFY(configured);
    // The window is active again, as the window manager has it once the dialog is gone.
    QApplication::setActiveWindow(f.window.get());
    QCOMPARE(f.model.adCount(), change == "ad" ? 4 : 3);
    QCOMPARE(f.window->hintBar()->currentMessage().contains("can no longer be undone"), changed);
    QCOMPARE(action(f, "UndoAction")->isEnabled(), !changed);
    undoKey();
    QCOMPARE(shownRow(f, 0), changed ? kFourRow : kSoldRow);

    // An edit after the change, undone: what came before the change is still unsaved.
    commitNumber(f, 1, "6");
    undoKey();
    ScriptedMessages messages(MessageAnswer::Yes);
    QVERIFY(f.window->close());
    QCOMPARE(messages.asked.size(), unsaved ? 1 : 0);
    QCOMPARE(f.fileBytes(f.ledgerPath()).contains("\"Alpha\",\"4\",\"Half\""), changed);
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
