#include "core/rules/CellInput.h"
#include "core/rules/SaleComputation.h"

#include <QtTest>

using namespace qm;

namespace {

PriceTable halfAt150()
{
    PriceTable prices;
    prices.colourPrice(priceEntry(1, 2)) = "150";
    prices.bwPrice(priceEntry(1, 2)) = "100";
    prices.colourPrice(priceEntry(3, 2)) = "999"; // another publication's price is never used
    return prices;
}

RowTexts row(const QString &sales, const QString &number, const QString &size, const QString &colour,
             const QString &sale = {}, const QString &comm = {})
{
    RowTexts r;
    r[ColSalesPerson - 1] = sales;
    r[ColNumber - 1] = number;
    r[ColSize - 1] = size;
    r[ColColor - 1] = colour;
    r[ColSale - 1] = sale;
    r[ColStatus - 1] = "Ok";
    r[ColComm - 1] = comm;
    return r;
}

SaleResult commit(const RowTexts &r, int column, const QString &old, const QString &percent = "15",
                  bool sizePicked = false)
{
    SaleInput in;
    in.row = r;
    in.committedColumn = column;
    in.oldCellText = old;
    in.sizePicked = sizePicked;
    in.publication = 1;
    in.commissionPercent = percent;
    return computeSale(in, halfAt150());
}

} // namespace

class SaleTest : public QObject
{
    Q_OBJECT

private slots:
    void numberTimesColourPrice()
    {
        const SaleResult r = commit(row("Alpha", "2", "Half", "c"), ColNumber, "");
        QVERIFY(r.computed && !r.askOverride);
        QCOMPARE(r.row[ColSale - 1], QString("300.00"));
        QCOMPARE(r.row[ColComm - 1], QString("45.00"));
        QCOMPARE(r.row[ColStatus - 1], QString("Ok"));
    }

    void pickingASizeTurnsTheRowToColour()
    {
        const SaleResult r = commit(row("Alpha", "2", "Half", ""), ColSize, "", "15", true);
        QCOMPARE(r.row[ColColor - 1], QString("c"));
        QCOMPARE(r.row[ColSale - 1], QString("300.00"));
        // Without a size chosen in the pulldown the colour stays as it is.
        const SaleResult typed = commit(row("Alpha", "2", "Half", ""), ColSize, "", "15", false);
        QCOMPARE(typed.row[ColColor - 1], QString());
        QCOMPARE(typed.row[ColSale - 1], QString("200.00"));
    }

    void colourOffRepricesBlackAndWhite()
    {
        const SaleResult r = commit(row("Alpha", "2", "Half", "", "300.00", "45.00"), ColColor, "c");
        QCOMPARE(r.row[ColSale - 1], QString("200.00"));
        QCOMPARE(r.row[ColComm - 1], QString("30.00"));
    }

    void typedSaleOverridesAfterAsking()
    {
        const SaleResult r = commit(row("Alpha", "2", "Half", "c", "250", "45.00"), ColSale, "300.00");
        QVERIFY(r.askOverride);
        QCOMPARE(r.row[ColSale - 1], QString("250.00"));
        QCOMPARE(r.row[ColComm - 1], QString("37.50"));
    }

    void sameValueAsksNothing()
    {
        const SaleResult r = commit(row("Alpha", "2", "Half", "c", "300", "45.00"), ColSale, "300.00");
        QVERIFY(!r.askOverride);
        QCOMPARE(r.row[ColSale - 1], QString("300.00"));
    }

    void typedCommissionIsFormattedAndGuarded()
    {
        const SaleResult r = commit(row("Alpha", "2", "Half", "c", "300.00", "40"), ColComm, "45.00");
        QVERIFY(r.askOverride);
        QCOMPARE(r.row[ColComm - 1], QString("40.00"));
        QCOMPARE(r.row[ColSale - 1], QString("300.00"));
    }

    void ownerGetsNoCommission()
    {
        const SaleResult r = commit(row("Owner", "2", "Half", "c", "", "12.00"), ColNumber, "", QString());
        QCOMPARE(r.row[ColSale - 1], QString("300.00"));
        QCOMPARE(r.row[ColComm - 1], QString("12.00"));
    }

    void missingNumberOrSizeLeavesTypedSale_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("size");
        QTest::newRow("number 0") << "0" << "Half";
        QTest::newRow("empty number") << "" << "Half";
        QTest::newRow("no size") << "2" << "";
        QTest::newRow("unknown size") << "2" << "half";
    }

    void missingNumberOrSizeLeavesTypedSale()
    {
        QFETCH(QString, number);
        QFETCH(QString, size);
        const SaleResult r = commit(row("Alpha", number, size, "c", "99"), ColSale, "");
        QVERIFY(!r.computed && !r.askOverride);
        QCOMPARE(r.row[ColSale - 1], QString("99"));
    }

    void paidAndStatusChangeNoValue()
    {
        const RowTexts before = row("Alpha", "2", "Half", "c", "250.00", "37.50");
        const SaleResult r = commit(before, ColPaid, "");
        QVERIFY(r.computed && !r.askOverride);
        QCOMPARE(r.row, before);
    }

    void salesPersonChangeRecomputesCommissionFromSale()
    {
        const SaleResult r = commit(row("Delta", "2", "Half", "c", "250.00", "37.50"), ColSalesPerson, "Alpha", "10");
        QCOMPARE(r.row[ColSale - 1], QString("250.00"));
        QCOMPARE(r.row[ColComm - 1], QString("25.00"));
    }

    void fractionalNumbersAndHalfCents()
    {
        // 1.5 x 100 at 15 percent: 22.5 exactly; .125 rounds away from zero.
        const SaleResult r = commit(row("Alpha", "1.5", "Half", ""), ColNumber, "", "15");
        QCOMPARE(r.row[ColSale - 1], QString("150.00"));
        QCOMPARE(r.row[ColComm - 1], QString("22.50"));
        const SaleResult small = commit(row("Alpha", "2", "Half", "", ".25", ""), ColSale, "", "50");
        QCOMPARE(small.row[ColComm - 1], QString(".13"));
    }

    void typedCharacters()
    {
        QCOMPARE(judgeTypedCharacter(ColNumber, "1.2", u'3'), TypedVerdict::Accept);
        QCOMPARE(judgeTypedCharacter(ColSale, "1.2", u'.'), TypedVerdict::Refuse);
        QCOMPARE(judgeTypedCharacter(ColPaid, "12", u'.'), TypedVerdict::Accept);
        QCOMPARE(judgeTypedCharacter(ColComm, "", u'-'), TypedVerdict::Refuse);
        QCOMPARE(judgeTypedCharacter(ColCommPaid, "", u','), TypedVerdict::Refuse);
        QCOMPARE(judgeTypedCharacter(ColNumber, "", QChar(0x16)), TypedVerdict::Refuse); // the paste character
        QCOMPARE(judgeTypedCharacter(ColNumber, "5", u'\b'), TypedVerdict::Accept);
        QCOMPARE(judgeTypedCharacter(ColColor, "", u'x'), TypedVerdict::Refuse);
        QCOMPARE(judgeTypedCharacter(ColColor, "c", u'C'), TypedVerdict::ToggleColour);
        QCOMPARE(judgeTypedCharacter(ColColor, "c", u' '), TypedVerdict::ToggleColour);
        QCOMPARE(toggledColour(""), QString("c"));
        QCOMPARE(toggledColour("c"), QString());
        QCOMPARE(toggledColour("x"), QString());
    }
};

QTEST_GUILESS_MAIN(SaleTest)
#include "tst_sale.moc"
