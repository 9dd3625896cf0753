// The year-to-date report's "Owed" view without a window: its rows, the sales
// people's summary and the CSV file, for a year worked by hand.

#include "core/csv/CsvExport.h"
#include "core/rules/OwedReport.h"
#include "core/year/LedgerExport.h"
#include "LedgerPair.h"
#include "OwedLedger.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

class TestOwed : public QObject
{
    Q_OBJECT

private slots:
    void rowsAndTotals();
    void peopleSummary_data();
    void peopleSummary();
    void csvBytes();
    void exportWritesOwedBeside();
};

void TestOwed::rowsAndTotals()
{
    const OwedReport report = owedReport(owedLedger());
    QList<QStringList> shown;
    QList<OwedRow::Kind> kinds;
    for (const OwedRow &row : report.rows) {
        shown << owedRowTexts(row);
        kinds << row.kind;
    }
    QCOMPARE(shown, owedLedgerRows());
    using K = OwedRow::Kind;
    QCOMPARE(kinds, QList<K>({K::Line, K::Line, K::AdTotal, K::Line, K::Line, K::AdTotal, K::Total}));
    QCOMPARE(report.rows.at(1).issue, 13);
    QCOMPARE(report.rows.at(4).ad, 2);
}

void TestOwed::peopleSummary_data()
{
    QTest::addColumn<int>("people");
    QTest::addColumn<QList<QStringList>>("expected");
    QTest::newRow("two") << 2 << owedLedgerPeople();
    QTest::newRow("one") << 1 << owedLedgerPeople().mid(0, 1);
    QTest::newRow("none") << 0 << QList<QStringList>();
}

// Only the configured sales people; a line of a person not configured counts for no one.
void TestOwed::peopleSummary()
{
    QFETCH(int, people);
    QFETCH(QList<QStringList>, expected);
    LedgerModel model = owedLedger();
    model.salesPeople = model.salesPeople.mid(0, people);
    const OwedReport report = owedReport(model);
    QList<QStringList> shown;
    for (const PersonOwed &person : report.people)
        shown << personOwedTexts(person);
    QCOMPARE(shown, expected);
    QCOMPARE(personOwedTitles(), QStringList({"Sales person", "Commission due", "Commission paid", "Still due",
                                              "Advances balance", "Owed to person"}));
    // The lines owed do not depend on who is configured.
    QCOMPARE(report.rows.size(), owedLedgerRows().size());
}

void TestOwed::csvBytes()
{
    QCOMPARE(owedCsv(owedLedger()), owedLedgerCsv());
    qsizetype records = 0;
    LedgerModel alone = owedLedger();
    alone.salesPeople.clear();
    const QByteArray bytes = owedCsv(alone, &records);
    QCOMPARE(records, 7);
    // Without sales people the file ends with the grand total.
    QVERIFY(bytes.endsWith("\r\nTotal,,,,,700.50,70.25,630.25\r\n"));
    QCOMPARE(owedCsvPath("/tmp/x.csv"), QString("/tmp/x_owed.csv"));
    QCOMPARE(owedCsvPath("/tmp/x"), QString("/tmp/x_owed"));
}

// The ledger's export writes the "Owed" view beside the ledger and advances,
// and never over a data file.
void TestOwed::exportWritesOwedBeside()
{
    QTemporaryDir dir;
    const LedgerExport exported = writeLedgerCsv(owedLedger(), dir.filePath("out.csv"), {});
    QVERIFY2(exported.ok, qPrintable(exported.error));
    QCOMPARE(fileBytes(dir.filePath("out_owed.csv")), owedLedgerCsv());
    QVERIFY(exported.report.endsWith(
        QStringLiteral("7 rows of what is owed written to %1").arg(QDir::toNativeSeparators(dir.filePath("out_owed.csv")))));
    QVERIFY(QFileInfo::exists(dir.filePath("out_advances.csv")));

    const QString protectedFile = dir.filePath("year_owed.csv");
    const LedgerExport refused = writeLedgerCsv(owedLedger(), dir.filePath("year.csv"), {protectedFile});
    QVERIFY(!refused.ok);
    QVERIFY(refused.error.contains("never writes over it"));
}

QTEST_MAIN(TestOwed)
#include "tst_owed.moc"
