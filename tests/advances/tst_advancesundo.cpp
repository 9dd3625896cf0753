// Undo and redo in the advances dialog: each change of a ledger goes back and
// comes again with the main window's keys, and the list shows it at once.
#include "AdvancesSession.h"
#include "core/Clock.h"
#include "ScriptedMessages.h"

using namespace qm;
using namespace advances_test;

namespace {

LedgerModel alphaWithTwoEntries()
{
    LedgerModel model = twoPeople();
    model.advances[0] = {entry("03/01/2026", 500, 0), entry("03/15/2026", 0, 200)};
    return model;
}

void undoKey() { Session::key(Qt::Key_Z, Qt::ControlModifier); }

} // namespace

class TestAdvancesUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setDoubleClickInterval(60); }
    void init() { Clock::setFixed(QDateTime(QDate(2026, 5, 20), QTime(10, 30))); }
    void cleanup() { Clock::reset(); }

    void eachChangeGoesBackAndComesAgain_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("redoKey");
        QTest::newRow("add") << "add" << "Ctrl+Y";
        QTest::newRow("replace") << "replace" << "Ctrl+Shift+Z";
        QTest::newRow("delete") << "delete" << "Ctrl+Y";
        QTest::newRow("clear") << "clear" << "Ctrl+Shift+Z";
    }

    void eachChangeGoesBackAndComesAgain()
    {
        QFETCH(QString, change);
        QFETCH(QString, redoKey);
        LedgerModel model = alphaWithTwoEntries();
        const QByteArray bytesBefore = savedLedger(model);
        Session s(model, true);
        s.choosePerson(QStringLiteral("Alpha"));
        const QStringList before = s.lines();
        ScriptedMessages messages(MessageAnswer::Yes);
        if (change == "add") {
            s.addEntry(QStringLiteral("4/1"), QStringLiteral("100"), QString());
        } else if (change == "replace") {
            s.clickLine(1);
            s.click(QStringLiteral("Edit entry"));
            Session::key(Qt::Key_A, Qt::ControlModifier);
            Session::type(QStringLiteral("3/20"));
            Session::key(Qt::Key_Return);
        } else {
            s.clickLine(1);
            s.click(change == "delete" ? QStringLiteral("Del entry") : QStringLiteral("&Clear"));
        }
        const QStringList after = s.lines();
        const QByteArray bytesAfter = savedLedger(model);
        QVERIFY(after != before);
        QVERIFY(bytesAfter != bytesBefore);

        undoKey();
        QCOMPARE(s.lines(), before);
        QCOMPARE(savedLedger(model), bytesBefore);
        if (redoKey == "Ctrl+Y")
            Session::key(Qt::Key_Y, Qt::ControlModifier);
        else
            Session::key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(s.lines(), after);
        QCOMPARE(savedLedger(model), bytesAfter);
        // After another undo the dialog goes on from what it shows; the new
        // entry leaves nothing to redo.
        undoKey();
        s.addEntry(QStringLiteral("5/1"), QString(), QStringLiteral("50"));
        const QStringList added = s.lines();
        QCOMPARE(added.size(), before.size() + 1);
        QVERIFY(added.mid(1) == before);
        Session::key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(s.lines(), added);
    }

    // Undoing the other person's change shows that person's ledger.
    void undoShowsThePersonOfTheChange()
    {
        LedgerModel model = alphaWithTwoEntries();
        Session s(model, true);
        s.choosePerson(QStringLiteral("Delta"));
        s.addEntry(QStringLiteral("4/1"), QStringLiteral("100"), QString());
        QCOMPARE(s.lines().size(), 1);
        s.choosePerson(QStringLiteral("Alpha"));
        QCOMPARE(s.lines().size(), 2);
        undoKey();
        QCOMPARE(s.personBox()->currentText(), QStringLiteral("Delta"));
        QCOMPARE(s.lines(), QStringList());
        QVERIFY(model.advances[1].isEmpty());
    }

    // A grid cell's change is not the dialog's to undo: it waits for the main window.
    void cellChangesAreLeftToTheMainWindow()
    {
        LedgerModel model = alphaWithTwoEntries();
        Session s(model, true);
        s.choosePerson(QStringLiteral("Alpha"));
        s.addEntry(QStringLiteral("4/1"), QStringLiteral("100"), QString());
        CellEdit edit;
        edit.column = ColNumber;
        edit.newText = QStringLiteral("3");
        QCOMPARE(s.ledgerDocument().commitCell(edit, {}), CommitOutcome::Stored);
        const QStringList lines = s.lines();
        undoKey();
        QCOMPARE(s.lines(), lines);
        QCOMPARE(s.ledgerDocument().model().cell(1, ColNumber, 1), QStringLiteral("3"));
    }
};

QTEST_MAIN(TestAdvancesUndo)
#include "tst_advancesundo.moc"
