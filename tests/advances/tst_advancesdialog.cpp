// The advances dialog driven like a user does; the checks read the list lines
// on screen, the model and the bytes of the saved ledger file.
#include "AdvancesSession.h"
#include "core/Clock.h"
#include "ScriptedMessages.h"

#include <QLabel>
#include <QScrollBar>

using namespace qm;
using namespace advances_test;

namespace {

const QStringList kButtons = {QStringLiteral("Add entry"), QStringLiteral("Edit entry"), QStringLiteral("Del entry"),
                               QStringLiteral("&Clear")};
const QString kMarch1 = QStringLiteral("03/01/2026\t  500.00\t        \t  500.00");
const QString kMarch15 = QStringLiteral("03/15/2026\t        \t  200.00\t  300.00");
const QString kApril1 = QStringLiteral("04/01/2026\t  100.00\t        \t  400.00");

} // namespace

class TestAdvancesDialog : public QObject
{
    Q_OBJECT

private slots:
    // Keeps the wait after dropping the pulldown down short.
    void initTestCase() { QApplication::setDoubleClickInterval(60); }
    void init() { Clock::setFixed(QDateTime(QDate(2026, 5, 20), QTime(10, 30))); }
    void cleanup() { Clock::reset(); }

    void opensWithNobodyChosen()
    {
        LedgerModel model = twoPeople();
        model.advances[0] = {entry("03/01/2026", 500, 0)};
        Session s(model);
        QVERIFY(s.active);
        QCOMPARE(s.dialog->windowTitle(), QStringLiteral("Advances"));
        QCOMPARE(s.personBox()->currentIndex(), -1);
        QCOMPARE(s.personBox()->count(), 2);
        QCOMPARE(s.personBox()->itemText(0), QStringLiteral("Alpha"));
        QCOMPARE(s.personBox()->itemText(1), QStringLiteral("Delta"));
        QCOMPARE(s.list()->count(), 0);
        QCOMPARE(QApplication::focusWidget(), s.list());
        QVERIFY(!s.rowOpen());
        QVERIFY(s.list()->verticalScrollBar()->isVisible());
        QVERIFY(!s.list()->verticalScrollBar()->isEnabled());
        QStringList labels;
        for (QLabel *label : s.dialog->findChildren<QLabel *>())
            labels << label->text();
        QVERIFY(labels.contains(QStringLiteral("Sales people:")));
        QVERIFY(labels.contains(QStringLiteral("    Date            Advanced          Paid         Balance")));
        for (const QString &text : kButtons)
            QVERIFY2(s.button(text) && s.button(text)->isEnabled(), qPrintable(text));

        // Without a person there is nothing to add to.
        s.click(QStringLiteral("Add entry"));
        QVERIFY(!s.rowOpen());
        s.dialog->close();
        QVERIFY(!model.ledgerChanged);
    }

    void threeEntriesByKeyboard()
    {
        LedgerModel model = twoPeople();
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));
        QCOMPARE(QApplication::focusWidget(), s.list());

        s.typeEntry(QStringLiteral("3/1/2026"), QStringLiteral("500"), QString());
        QVERIFY(s.rowOpen());
        QCOMPARE(s.submitButton()->text(), QStringLiteral("Submit"));
        for (const QString &text : kButtons)
            QVERIFY2(!s.button(text)->isEnabled(), qPrintable(text));
        Session::key(Qt::Key_Return);
        QVERIFY(!s.rowOpen());
        QCOMPARE(QApplication::focusWidget(), s.list());
        QVERIFY(model.ledgerChanged);

        s.addEntry(QStringLiteral("3/15/2026"), QString(), QStringLiteral("200"));
        s.addEntry(QStringLiteral("4/1/2026"), QStringLiteral("100"), QString());
        QCOMPARE(s.lines(), QStringList({kApril1, kMarch15, kMarch1}));
        QCOMPARE(s.selectedLine(), 1); // the entry just added

        // Written back at once, and saved in date order.
        QCOMPARE(model.advances[1].size(), 0);
        QCOMPARE(savedLedger(model), ledgerFileWith("3,0\r\n0,0\r\n", "\"03/01/2026\",500,0\r\n"
                                                                      "\"03/15/2026\",0,200\r\n"
                                                                      "\"04/01/2026\",100,0\r\n"));
    }

    void sameDateShowsAboveAndEditKeepsOneEntry()
    {
        LedgerModel model = twoPeople();
        model.advances[0] = {entry("03/01/2026", 500, 0), entry("03/15/2026", 0, 200), entry("04/01/2026", 100, 0)};
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));

        s.addEntry(QStringLiteral("3-15-26"), QStringLiteral("20"), QString());
        QCOMPARE(s.lines(), QStringList({"04/01/2026\t  100.00\t        \t  420.00", "03/15/2026\t   20.00\t        \t  320.00",
                                         kMarch15, kMarch1}));
        QCOMPARE(s.selectedLine(), 2);

        // Line 1, April 1, moves to February 1.
        s.clickLine(1);
        s.click(QStringLiteral("Edit entry"));
        QVERIFY(s.rowOpen());
        QCOMPARE(s.submitButton()->text(), QStringLiteral("Replace"));
        QCOMPARE(s.dateBox()->text(), QStringLiteral("04/01/2026"));
        QCOMPARE(s.advancedBox()->text(), QStringLiteral("100.00"));
        QCOMPARE(s.paidBox()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), s.dateBox());
        Session::key(Qt::Key_A, Qt::ControlModifier);
        Session::type(QStringLiteral("2/1"));
        Session::key(Qt::Key_Enter);
        QCOMPARE(s.lines(), QStringList({"03/15/2026\t   20.00\t        \t  420.00", "03/15/2026\t        \t  200.00\t  400.00",
                                         "03/01/2026\t  500.00\t        \t  600.00",
                                         "02/01/2026\t  100.00\t        \t  100.00"}));
        QCOMPARE(s.selectedLine(), 4);
        QCOMPARE(model.advances[0].size(), 4);

        // The paid entry of March 15 gets a new amount.
        s.clickLine(2);
        s.click(QStringLiteral("Edit entry"));
        Session::key(Qt::Key_Tab);
        Session::key(Qt::Key_Tab);
        Session::key(Qt::Key_A, Qt::ControlModifier);
        Session::type(QStringLiteral("250"));
        s.click(QStringLiteral("Replace"));
        // Its date is unchanged, so it keeps its place before the other entry of March 15.
        QCOMPARE(s.lines(), QStringList({"03/15/2026\t   20.00\t        \t  370.00", "03/15/2026\t        \t  250.00\t  350.00",
                                         "03/01/2026\t  500.00\t        \t  600.00",
                                         "02/01/2026\t  100.00\t        \t  100.00"}));
        QCOMPARE(s.selectedLine(), 2);
    }

    void deleteTheOnlyEntry()
    {
        LedgerModel model = twoPeople();
        model.advances[0] = {entry("03/01/2026", 500, 0)};
        model.advances[1] = {entry("03/02/2026", 70, 0)};
        Session s(model);
        s.choosePerson(QStringLiteral("Delta"));
        QCOMPARE(s.selectedLine(), 1);

        ScriptedMessages messages;
        messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
        s.click(QStringLiteral("Del entry"));
        QCOMPARE(s.lines().size(), 1);
        QVERIFY(!model.ledgerChanged);
        s.click(QStringLiteral("Del entry"));
        QCOMPARE(messages.asked.size(), 2);
        QCOMPARE(messages.asked.at(1).text, QStringLiteral("Delete this entry?"));
        QCOMPARE(messages.asked.at(1).caption, QStringLiteral("Entry 1"));
        QCOMPARE(messages.asked.at(1).buttons, MessageButtons::YesNo);
        QCOMPARE(messages.asked.at(1).icon, MessageIcon::Question);
        QVERIFY(s.lines().isEmpty());
        QVERIFY(model.ledgerChanged);

        // With the list empty the buttons do nothing.
        s.click(QStringLiteral("Del entry"));
        s.click(QStringLiteral("&Clear"));
        s.click(QStringLiteral("Edit entry"));
        QCOMPARE(messages.asked.size(), 2);
        QVERIFY(!s.rowOpen());
        QCOMPARE(savedLedger(model), ledgerFileWith("1,0\r\n0,0\r\n", "\"03/01/2026\",500,0\r\n"));
    }

    void deleteAndClearByLine()
    {
        LedgerModel model = twoPeople();
        model.advances[1] = {entry("01/05/2026", 1, 0), entry("02/05/2026", 2, 0), entry("03/05/2026", 3, 0),
                             entry("04/05/2026", 4, 0), entry("05/05/2026", 5, 0)};
        Session s(model);
        s.choosePerson(QStringLiteral("Delta"));
        ScriptedMessages messages(MessageAnswer::Yes);

        // The last line goes; the selection stays on the last line there is.
        s.clickLine(5);
        s.click(QStringLiteral("Del entry"));
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.last().caption, QStringLiteral("Entry 5"));
        QCOMPARE(s.lines().size(), 4);
        QCOMPARE(s.selectedLine(), 4);
        QVERIFY(s.lines().at(3).startsWith(QStringLiteral("02/05/2026")));

        // Line 2 of 4 and every older line.
        s.clickLine(2);
        s.click(QStringLiteral("&Clear"));
        QCOMPARE(messages.asked.size(), 2);
        QCOMPARE(messages.asked.last().text, QStringLiteral("Delete this and all earlier entries?"));
        QCOMPARE(messages.asked.last().caption, QStringLiteral("Entry 2 to 4"));
        QCOMPARE(messages.asked.last().icon, MessageIcon::Question);
        QCOMPARE(s.lines(), QStringList({"05/05/2026\t    5.00\t        \t    5.00"}));
        QCOMPARE(s.selectedLine(), 1);
        QCOMPARE(model.advances[1], AdvanceLedger({entry("05/05/2026", 5, 0)}));
    }

    void longAmountIsCutOnlyOnScreen()
    {
        LedgerModel model = twoPeople();
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));
        s.addEntry(QStringLiteral("3/1/2026"), QStringLiteral("123456.78"), QString());
        QCOMPARE(s.lines(), QStringList({"03/01/2026\t123456.7\t        \t123456.7"}));
        QCOMPARE(model.advances[0].at(0).advanced, 123456.78);
        QCOMPARE(savedLedger(model), ledgerFileWith("1,0\r\n0,0\r\n", "\"03/01/2026\",123456.78,0\r\n"));
    }

    void switchingPersonsKeepsChanges()
    {
        LedgerModel model = twoPeople();
        model.advances[1] = {entry("02/02/2026", 0, 40)};
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));
        s.addEntry(QStringLiteral("3/1/2026"), QStringLiteral("500"), QString());
        s.choosePerson(QStringLiteral("Delta"));
        QCOMPARE(s.lines(), QStringList({"02/02/2026\t        \t   40.00\t  -40.00"}));
        QCOMPARE(model.advances[0], AdvanceLedger({entry("03/01/2026", 500, 0)}));
        s.choosePerson(QStringLiteral("Alpha"));
        QCOMPARE(s.lines(), QStringList({kMarch1}));
    }

    void closingWithoutChangeKeepsTheFlag_data()
    {
        QTest::addColumn<bool>("changedBefore");
        QTest::newRow("unchanged") << false;
        QTest::newRow("changed") << true;
    }
    void closingWithoutChangeKeepsTheFlag()
    {
        QFETCH(bool, changedBefore);
        LedgerModel model = twoPeople();
        model.advances[0] = {entry("03/01/2026", 500, 0)};
        model.ledgerChanged = changedBefore;
        const auto before = model.advances;
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));
        s.clickLine(1);
        s.click(QStringLiteral("Edit entry"));
        Session::key(Qt::Key_Escape); // gives up the entry being edited
        QVERIFY(!s.rowOpen());
        QVERIFY(s.dialog->isVisible());
        Session::key(Qt::Key_Escape); // closes
        QVERIFY(!s.dialog->isVisible());
        QCOMPARE(model.ledgerChanged, changedBefore);
        QCOMPARE(model.advances, before);
    }

    void refusedEntriesStayOpen_data()
    {
        // The error names the form it wants on a line of its own.
        const QString kDateError =
            QStringLiteral("Date error... correct and continue\nType the date as MM/DD/YYYY, for example 03/15/2026.");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("advanced");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such day") << "2/30/2026" << "5" << "" << kDateError;
        QTest::newRow("year 214749") << "3/1/214749" << "5" << "" << kDateError;
        QTest::newRow("no amount") << "3/1" << "  " << "" << "Must enter an advance or paid amount";
        QTest::newRow("thousands separator") << "3/1" << "1,000" << "" << "Amount error... correct and continue";
        QTest::newRow("letters") << "3/1" << "" << "abc" << "Amount error... correct and continue";
    }
    void refusedEntriesStayOpen()
    {
        QFETCH(QString, date);
        QFETCH(QString, advanced);
        QFETCH(QString, paid);
        QFETCH(QString, message);
        LedgerModel model = twoPeople();
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));
        ScriptedMessages messages;
        s.typeEntry(date, advanced, paid);
        Session::key(Qt::Key_Return);
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).text, message);
        QCOMPARE(messages.asked.at(0).caption, QStringLiteral("ERROR"));
        QCOMPARE(messages.asked.at(0).icon, MessageIcon::Error);
        QVERIFY(s.rowOpen());
        QCOMPARE(s.dateBox()->text(), date);
        QCOMPARE(s.advancedBox()->text(), advanced);
        QCOMPARE(s.paidBox()->text(), paid);
        QVERIFY(s.lines().isEmpty());
        QVERIFY(model.advances[0].isEmpty());
        QVERIFY(!model.ledgerChanged);

        // Put right, the same row stores it.
        s.click(QStringLiteral("Submit"));
        QCOMPARE(messages.asked.size(), 2);
        s.dateBox()->setFocus();
        Session::key(Qt::Key_A, Qt::ControlModifier);
        Session::type(QStringLiteral("3/1"));
        Session::key(Qt::Key_Tab);
        Session::key(Qt::Key_A, Qt::ControlModifier);
        Session::type(QStringLiteral("7"));
        Session::key(Qt::Key_Tab);
        Session::key(Qt::Key_A, Qt::ControlModifier);
        Session::key(Qt::Key_Delete);
        Session::key(Qt::Key_Return);
        QCOMPARE(messages.asked.size(), 2);
        QCOMPARE(model.advances[0], AdvanceLedger({entry("03/01/2026", 7, 0)}));
    }

    void quoteIsRefusedInTheEntryRow()
    {
        LedgerModel model = twoPeople();
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));
        s.typeEntry(QStringLiteral("3/\"1"), QStringLiteral("5\""), QStringLiteral("\""));
        QCOMPARE(s.dateBox()->text(), QStringLiteral("3/1"));
        QCOMPARE(s.advancedBox()->text(), QStringLiteral("5"));
        QCOMPARE(s.paidBox()->text(), QString());
        Session::key(Qt::Key_Return);
        QCOMPARE(model.advances[0], AdvanceLedger({entry("03/01/2026", 5, 0)}));
    }

    void cueTextsFollowTheAmounts()
    {
        LedgerModel model = twoPeople();
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));
        s.click(QStringLiteral("Add entry"));
        QCOMPARE(s.dateBox()->placeholderText(), QStringLiteral("Date"));
        QCOMPARE(s.advancedBox()->placeholderText(), QStringLiteral("Advanced"));
        QCOMPARE(s.paidBox()->placeholderText(), QStringLiteral("Paid"));
        Session::key(Qt::Key_Tab);
        Session::type(QStringLiteral("5"));
        QCOMPARE(s.paidBox()->placeholderText(), QString());
        Session::key(Qt::Key_Backspace);
        QCOMPARE(s.paidBox()->placeholderText(), QStringLiteral("Paid"));
        Session::key(Qt::Key_Tab);
        Session::type(QStringLiteral("5"));
        QCOMPARE(s.advancedBox()->placeholderText(), QString());
        Session::key(Qt::Key_Backspace);
        QCOMPARE(s.advancedBox()->placeholderText(), QStringLiteral("Advance"));

        // Leaving the row for the list ends adding; a fresh row has its cues back.
        QTest::mouseClick(s.list()->viewport(), Qt::LeftButton);
        QVERIFY(!s.rowOpen());
        s.click(QStringLiteral("Add entry"));
        QCOMPARE(s.advancedBox()->placeholderText(), QStringLiteral("Advanced"));
        QCOMPARE(s.paidBox()->text(), QString());
    }

    // Tab goes from the pulldown to the list, then over the buttons, or over the
    // entry row while it is open; Shift+Tab goes back.
    void tabOrder()
    {
        LedgerModel model = twoPeople();
        model.advances[0] = {entry("03/01/2026", 500, 0)};
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));
        const QList<QWidget *> closed = {s.personBox(),
                                         s.list(),
                                         s.button(QStringLiteral("Add entry")),
                                         s.button(QStringLiteral("Edit entry")),
                                         s.button(QStringLiteral("Del entry")),
                                         s.button(QStringLiteral("&Clear"))};
        const auto walk = [](Qt::KeyboardModifiers modifiers, qsizetype steps) {
            QList<QWidget *> reached;
            for (qsizetype i = 0; i < steps; ++i) {
                Session::key(Qt::Key_Tab, modifiers);
                reached << QApplication::focusWidget();
            }
            return reached;
        };
        QCOMPARE(QApplication::focusWidget(), s.list());
        // From the list all the way round, forward and back.
        const QList<QWidget *> forward = closed.mid(2) + closed.mid(0, 2);
        QCOMPARE(walk(Qt::NoModifier, forward.size()), forward);
        QList<QWidget *> backward(forward.rbegin() + 1, forward.rend());
        backward << s.list();
        QCOMPARE(walk(Qt::ShiftModifier, backward.size()), backward);

        s.clickLine(1);
        s.click(QStringLiteral("Edit entry"));
        QCOMPARE(walk(Qt::NoModifier, 4),
                 QList<QWidget *>({s.advancedBox(), s.paidBox(), s.submitButton(), s.personBox()}));
        QVERIFY(s.rowOpen());
        QCOMPARE(walk(Qt::NoModifier, 1), QList<QWidget *>({s.list()}));
        QVERIFY(!s.rowOpen());
        s.click(QStringLiteral("Edit entry"));
        QCOMPARE(walk(Qt::ShiftModifier, 1), QList<QWidget *>({s.list()}));
        QVERIFY(!s.rowOpen());
        QCOMPARE(model.advances[0], AdvanceLedger({entry("03/01/2026", 500, 0)}));
    }

    void enterOnAnEmptyRowClosesIt()
    {
        LedgerModel model = twoPeople();
        model.advances[0] = {entry("03/01/2026", 500, 0), entry("03/15/2026", 0, 200)};
        Session s(model);
        s.choosePerson(QStringLiteral("Alpha"));
        s.click(QStringLiteral("Add entry"));
        Session::key(Qt::Key_Return);
        QVERIFY(!s.rowOpen());
        QCOMPARE(QApplication::focusWidget(), s.list());
        QCOMPARE(s.selectedLine(), 0);
        QVERIFY(!model.ledgerChanged);
        // Nothing chosen, nothing to delete.
        ScriptedMessages messages;
        s.click(QStringLiteral("Del entry"));
        QVERIFY(messages.asked.isEmpty());
        QCOMPARE(s.lines().size(), 2);
    }
};

QTEST_MAIN(TestAdvancesDialog)
#include "tst_advancesdialog.moc"
