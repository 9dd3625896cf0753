// The keys of the grid's cell editors that no other test presses: Esc in the
// pulldowns, Ctrl+S in the status column.
#include "GridFixture.h"

#include <QComboBox>
#include <QLineEdit>

using namespace qm;

class EditorKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup() { Clock::reset(); }

    void escapeGivesThePulldownItsStoredEntryBack_data();
    void escapeGivesThePulldownItsStoredEntryBack();
    void ctrlSInTheStatusColumnSavesNothing();
};

void EditorKeysTest::escapeGivesThePulldownItsStoredEntryBack_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("stored");
    QTest::newRow("sales person") << int(ColSalesPerson) << "Delta";
    QTest::newRow("size") << int(ColSize) << "Half";
    QTest::newRow("status") << int(ColStatus) << "Proof";
}

// Another entry chosen with the arrow key is given up by Esc: the pulldown
// shows the stored entry again and leaving the cell stores nothing.
void EditorKeysTest::escapeGivesThePulldownItsStoredEntryBack()
{
    QFETCH(int, column);
    QFETCH(QString, stored);
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(2);
    m.cell(1, column, 1) = stored;
    f.writeFiles(m);
    f.open();
    f.editMode();
    f.clickCell(0, column);
    auto *box = qobject_cast<QComboBox *>(f.focused());
    QVERIFY(box);
    QCOMPARE(box->currentText(), stored);
    QTest::keyClick(box, Qt::Key_Up);
    QVERIFY(box->currentText() != stored);
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(box->currentText(), stored);
    QCOMPARE(f.focused(), static_cast<QWidget *>(box));
    QCOMPARE(f.view().currentColumn, column);
    f.clickCell(1, ColNumber);
    QCOMPARE(f.shownText(0, column), stored);
    QCOMPARE(f.model.cell(1, column, 1), stored);
}

// The status column keeps Ctrl for the pickup: Ctrl+S there neither asks to
// save nor lets the window's Save shortcut write the files.
void EditorKeysTest::ctrlSInTheStatusColumnSavesNothing()
{
    GridFixture f;
    f.openWith(2);
    const QByteArray ledgerBefore = f.fileBytes(f.ledgerPath());
    const QByteArray settingsBefore = f.fileBytes(f.settingsPath());
    f.editMode();
    f.clickCell(0, ColNumber);
    QTest::keyClicks(f.focused(), "3");
    f.clickCell(0, ColStatus);
    QCOMPARE(f.model.cell(1, ColNumber, 1), QString("3"));
    QCOMPARE(f.focused(), static_cast<QWidget *>(f.grid()->statusPulldown()));
    ScriptedMessages messages(MessageAnswer::Yes);
    QTest::keyClick(f.focused(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(messages.asked.size(), 0);
    QCOMPARE(f.fileBytes(f.ledgerPath()), ledgerBefore);
    QCOMPARE(f.fileBytes(f.settingsPath()), settingsBefore);
    QVERIFY(f.document.isChanged());
    QCOMPARE(f.focused(), static_cast<QWidget *>(f.grid()->statusPulldown()));
    QCOMPARE(f.grid()->statusPulldown()->currentIndex(), -1);

    // In the number column the same key asks, and saves.
    f.clickCell(0, ColNumber);
    QTest::keyClick(f.focused(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.at(0).text, QString("Save file now?"));
    QVERIFY(f.fileBytes(f.ledgerPath()) != ledgerBefore);
    QVERIFY(!f.document.isChanged());
}

QTEST_MAIN(EditorKeysTest)
#include "tst_editorkeys.moc"
