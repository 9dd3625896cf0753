#include "core/rules/YearToDate.h"

#include "Golden.h"
#include "ReportFixture.h"

#include <QTest>

using namespace qm;

class TestTotals : public QObject
{
    Q_OBJECT

private slots:
    void tables_data();
    void tables();
    void ownerSpelledOtherwise_data();
    void ownerSpelledOtherwise();
    void onePersonLeavesColumnFourEmpty();
    void blankRowsStayBlank();
    void switchingBackGivesSameTable();
    void totalsAddRoundedFigures();
};

void TestTotals::tables_data() { addYearToDateRows(""); }

void TestTotals::tables()
{
    QFETCH(int, people);
    QFETCH(bool, commissions);
    const ReportTable table = yearToDateTable(people, commissions);
    QM_COMPARE_GOLDEN(QM_GOLDEN_DIR, QStringLiteral("table_") + QTest::currentDataTag(), table.toText());
}

void TestTotals::ownerSpelledOtherwise_data()
{
    QTest::addColumn<QString>("person");
    QTest::newRow("lower case") << "owner";
    QTest::newRow("trailing blank") << "Owner ";
    QTest::newRow("empty") << "";
    QTest::newRow("a stranger") << "Ann";
}

void TestTotals::ownerSpelledOtherwise()
{
    QFETCH(QString, person);
    LedgerModel model = modelWithAds(1);
    model.salesPeople << SalesPerson{QStringLiteral("Ann Lee"), QStringLiteral("10")}
                      << SalesPerson{QStringLiteral("Bob"), QStringLiteral("10")};
    model.cell(5, ColSalesPerson, 1) = person;
    model.cell(5, ColSale, 1) = QStringLiteral("125.50");
    model.cell(5, ColPaid, 1) = QStringLiteral("100");
    model.cell(5, ColComm, 1) = QStringLiteral("12.55");
    ReportTable table;
    fillSalesView(model, table);
    for (int column = 2; column <= 4; ++column)
        QCOMPARE(table.cell(5, column), QStringLiteral(".00"));
    QCOMPARE(table.cell(5, 5), QStringLiteral("125.50"));
    QCOMPARE(table.cell(5, 6), QStringLiteral("100.00"));
    QCOMPARE(table.cell(kTotalsRow, 5), QStringLiteral("125.50"));
    QCOMPARE(table.cell(kTotalsRow, 2), QStringLiteral(".00"));
    fillCommissionView(model, table);
    for (int column = 2; column <= 5; ++column)
        QCOMPARE(table.cell(5, column), QStringLiteral(".00"));
}

void TestTotals::onePersonLeavesColumnFourEmpty()
{
    const LedgerModel model = sampleLedger(1);
    ReportTable table;
    fillSalesView(model, table);
    QCOMPARE(table.title(3), QStringLiteral("Ann Lee"));
    QCOMPARE(table.title(4), QStringLiteral("salesPerson2"));
    for (int row = 1; row <= kReportRows; ++row)
        QCOMPARE(table.cell(row, 4), QString());
    // Bob's lines count as nobody's, but in the total sales.
    QCOMPARE(table.cell(1, 5), QStringLiteral("530.00"));
    QCOMPARE(table.cell(1, 3), QStringLiteral("300.00"));
}

void TestTotals::blankRowsStayBlank()
{
    const LedgerModel model = sampleLedger(2);
    ReportTable table;
    for (int view = 0; view < 3; ++view) {
        if (view == 1)
            fillCommissionView(model, table);
        else
            fillSalesView(model, table);
        for (int row : {13, 18}) {
            for (int column = 1; column <= kReportColumns; ++column)
                QCOMPARE(table.cell(row, column), QString());
        }
    }
}

void TestTotals::switchingBackGivesSameTable()
{
    for (int people = 0; people <= 2; ++people) {
        const LedgerModel model = sampleLedger(people);
        ReportTable first;
        fillSalesView(model, first);
        ReportTable table = first;
        fillCommissionView(model, table);
        fillSalesView(model, table);
        QCOMPARE(table.toText(), first.toText());
    }
}

void TestTotals::totalsAddRoundedFigures()
{
    // .006 in January and in each yearly issue: every shown figure rounds up to
    // .01, so the owner's total is .04 while the total sales add to .024.
    LedgerModel model = modelWithAds(1);
    for (int issue : {1, 13, 14, 15}) {
        model.cell(issue, ColSalesPerson, 1) = QStringLiteral("Owner");
        model.cell(issue, ColSale, 1) = QStringLiteral("0.006");
    }
    ReportTable table;
    fillSalesView(model, table);
    QCOMPARE(table.cell(kCorvelTotalRow, 2), QStringLiteral(".01"));
    QCOMPARE(table.cell(kTotalsRow, 2), QStringLiteral(".04"));
    QCOMPARE(table.cell(kTotalsRow, 5), QStringLiteral(".02"));
    QCOMPARE(table.cell(kTotalsRow, 3), QString());
    QCOMPARE(table.cell(2, 2), QStringLiteral(".00"));
}

QTEST_APPLESS_MAIN(TestTotals)
#include "tst_totals.moc"
