#include "core/rules/CellCommit.h"
#include "core/rules/CellInput.h"
#include "grid/EditorKeys.h"
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

Q_DECLARE_METATYPE(qm::EditorAction)

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

    // The commit as the grid calls it: the override question is a plain function.
    void commitWritesRecomputesOrTakesBack()
    {
        LedgerModel model;
        AdRecord ad;
        ad.name = "Acme";
        model.ads = {ad, ad};
        model.salesPeople = {SalesPerson{"Alpha", "15"}};
        model.prices = halfAt150();
        model.resizeLedger(2);
        const int issue = 5;
        model.cell(issue, ColSalesPerson, 2) = "Alpha";
        model.cell(issue, ColSize, 2) = "Half";
        model.cell(issue, ColColor, 2) = "c";

        CellEdit edit;
        edit.issue = issue;
        edit.ad = 2;
        edit.column = ColNumber;
        edit.newText = "2";
        int asked = 0;
        const auto no = [&asked] { ++asked; return false; };
        QCOMPARE(commitCellEdit(model, edit, no), CommitOutcome::Stored);
        QCOMPARE(model.cell(issue, ColSale, 2), QString("300.00"));
        QCOMPARE(model.cell(issue, ColComm, 2), QString("45.00"));
        QCOMPARE(model.cell(issue, ColSale, 1), QString());
        QCOMPARE(model.cell(issue - 1, ColSale, 2), QString());
        QVERIFY(model.ledgerChanged);
        QCOMPARE(asked, 0);

        model.ledgerChanged = false;
        edit.column = ColSale;
        edit.oldText = "300.00";
        edit.newText = "250";
        QCOMPARE(commitCellEdit(model, edit, no), CommitOutcome::Refused);
        QCOMPARE(asked, 1);
        QCOMPARE(model.cell(issue, ColSale, 2), QString("300.00"));
        QVERIFY(!model.ledgerChanged);
        QCOMPARE(commitCellEdit(model, edit, [] { return true; }), CommitOutcome::Stored);
        QCOMPARE(model.cell(issue, ColSale, 2), QString("250.00"));
        QCOMPARE(model.cell(issue, ColComm, 2), QString("37.50"));

        model.ledgerChanged = false;
        edit.oldText = edit.newText = "250.00";
        QCOMPARE(commitCellEdit(model, edit, no), CommitOutcome::Unchanged);
        QVERIFY(!model.ledgerChanged);

        QVERIFY(!removeAdData(model, issue, 2, [](const QString &name) { return name != "Acme"; }));
        QCOMPARE(model.cell(issue, ColSale, 2), QString("250.00"));
        QVERIFY(!model.ledgerChanged);
        model.cell(issue + 1, ColSale, 2) = "9";
        QVERIFY(removeAdData(model, issue, 2, [](const QString &) { return true; }));
        for (int column = ColSalesPerson; column <= kColumnCount; ++column)
            QCOMPARE(model.cell(issue, column, 2), QString());
        QCOMPARE(model.cell(issue + 1, ColSale, 2), QString("9"));
        QVERIFY(model.ledgerChanged);
    }

    void editorKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("viewOnly");
        QTest::addColumn<EditorAction>("action");
        const int shift = Qt::ShiftModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("view only") << int(Qt::Key_Down) << shift << 3 << true << EditorAction::PassOn;
        QTest::newRow("shift down") << int(Qt::Key_Down) << shift << 3 << false << EditorAction::MoveCursor;
        QTest::newRow("shift end, pulldown") << int(Qt::Key_End) << shift << 4 << false << EditorAction::MoveCursor;
        QTest::newRow("down, pulldown") << int(Qt::Key_Down) << 0 << 4 << false << EditorAction::PassOn;
        QTest::newRow("shift C, colour") << int(Qt::Key_C) << shift << 5 << false << EditorAction::TypedCharacter;
        QTest::newRow("shift 5, number") << int(Qt::Key_5) << shift << 3 << false << EditorAction::TypedCharacter;
        QTest::newRow("shift delete") << int(Qt::Key_Delete) << shift << 7 << false << EditorAction::ClearText;
        QTest::newRow("ctrl delete") << int(Qt::Key_Delete) << ctrl << 7 << false << EditorAction::RemoveAdData;
        QTest::newRow("ctrl delete, size") << int(Qt::Key_Delete) << ctrl << 4 << false << EditorAction::RemoveAdData;
        QTest::newRow("ctrl S") << int(Qt::Key_S) << ctrl << 2 << false << EditorAction::SaveLedger;
        QTest::newRow("ctrl shift S") << int(Qt::Key_S) << (ctrl | shift) << 3 << false
                                      << EditorAction::TypedCharacter;
        QTest::newRow("ctrl up, status") << int(Qt::Key_Up) << ctrl << 8 << false << EditorAction::PickupBack;
        QTest::newRow("ctrl down, status") << int(Qt::Key_Down) << ctrl << 8 << false << EditorAction::PickupForward;
        QTest::newRow("ctrl S, status") << int(Qt::Key_S) << ctrl << 8 << false << EditorAction::PickupKeep;
        QTest::newRow("ctrl alone, status") << int(Qt::Key_Control) << ctrl << 8 << false << EditorAction::PickupKeep;
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << shift << 3 << false << EditorAction::PassOn;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << 8 << false << EditorAction::Enter;
        QTest::newRow("esc") << int(Qt::Key_Escape) << 0 << 6 << false << EditorAction::Cancel;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << 10 << false << EditorAction::TypedCharacter;
    }

    void editorKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, column);
        QFETCH(bool, viewOnly);
        QFETCH(EditorAction, action);
        QCOMPARE(editorKeyAction(key, Qt::KeyboardModifiers(modifiers), column,
                                 viewOnly ? EditorMode::ViewOnly : EditorMode::Edit),
                 action);
    }
};

QTEST_GUILESS_MAIN(SaleTest)
#include "tst_sale.moc"
