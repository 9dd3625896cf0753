// The configuration rules that need no window: ad list paging, deleting ads,
// sales people, prices and the texts the dialog shows.
#include "config/AdListState.h"
#include "core/rules/AdRules.h"
#include "core/rules/ConfigHints.h"
#include "core/LedgerModel.h"
#include "core/rules/PriceRules.h"
#include "ui/QuoteFreeValidator.h"
#include "core/rules/SalesPeopleRules.h"
#include "SampleModel.h"

#include <QTest>

using namespace qm;

namespace {

const QString kCheck = QString(QChar(CHECKMARK));

// An advance ledger told apart by its one entry's date; none for an empty mark.
AdvanceLedger ledgerMarked(const QString &mark)
{
    return mark.isEmpty() ? AdvanceLedger() : AdvanceLedger{AdvanceEntry{mark, 1, 0}};
}

QString markOf(const AdvanceLedger &ledger) { return ledger.isEmpty() ? QString() : ledger.first().date; }
} // namespace

class ConfigRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void wholeRows()
    {
        QCOMPARE(wholeRowsThatFit(206, 17), 12);
        QCOMPARE(wholeRowsThatFit(204, 17), 12);
        QCOMPARE(wholeRowsThatFit(203, 17), 11);
        QCOMPARE(wholeRowsThatFit(5, 17), 1);
        QCOMPARE(wholeRowsThatFit(100, 0), 1);
    }

    void openingState()
    {
        AdListState list;
        list.open(5, 12);
        QCOMPARE(list.shownAds, 5);
        QCOMPARE(list.topAd, 1);
        QCOMPARE(list.curAd, 1);
        QCOMPARE(list.curField, 1);
        QCOMPARE(list.adsAtOpen, 5);
        QVERIFY(list.holdsCursorCell()); // the first cell counts as entered

        AdListState empty;
        empty.open(0, 12);
        QCOMPARE(empty.shownAds, 0);
        QCOMPARE(empty.editAd, 0);
    }

    void scrollRangeOfThirtyAdsInTwelveRows()
    {
        AdListState list;
        list.open(30, 12);
        const AdScrollRange range = list.scrollRange(30);
        QCOMPARE(range.minimum, 1);
        QCOMPARE(range.maximum, 19);
        QCOMPARE(range.page, 3);
        QVERIFY(range.scrolls());
    }

    void scrollRangeWhenEverythingFits()
    {
        AdListState list;
        list.open(7, 12);
        const AdScrollRange range = list.scrollRange(7);
        QCOMPARE(range.minimum, 1);
        QCOMPARE(range.maximum, 1);
        QCOMPARE(range.page, 1);
        QVERIFY(!range.scrolls());
        QCOMPARE(list.scrollTarget(AdScroll::LineDown, 7, 1), 0);
        QCOMPARE(list.scrollTarget(AdScroll::Thumb, 7, 1, 5), 0);
    }

    void scrollTargetsStayInRange()
    {
        AdListState list;
        list.open(30, 12);
        list.topAd = 18;
        QCOMPARE(list.scrollTarget(AdScroll::PageDown, 30, 3), 19);
        QCOMPARE(list.scrollTarget(AdScroll::LineDown, 30, 3), 19);
        QCOMPARE(list.scrollTarget(AdScroll::PageUp, 30, 3), 15);
        QCOMPARE(list.scrollTarget(AdScroll::Thumb, 30, 3, 40), 19);
        list.topAd = 2;
        QCOMPARE(list.scrollTarget(AdScroll::PageUp, 30, 3), 1);
        QCOMPARE(list.scrollTarget(AdScroll::LineUp, 30, 3), 1);
        list.topAd = 1;
        QCOMPARE(list.scrollTarget(AdScroll::LineUp, 30, 3), 1);
    }

    void scrollingKeepsTheCursorsRow()
    {
        AdListState list;
        list.open(30, 12);
        list.curAd = 5;
        list.scrollTo(4);
        QCOMPARE(list.topAd, 4);
        QCOMPARE(list.curAd, 8);
        list.scrollTo(1);
        QCOMPARE(list.curAd, 5);
    }

    void cursorIsKeptShown()
    {
        AdListState list;
        list.open(30, 12);
        list.curAd = 13;
        QVERIFY(list.keepCursorShown(30));
        QCOMPARE(list.topAd, 2);
        list.curAd = 30;
        QVERIFY(list.keepCursorShown(30));
        QCOMPARE(list.topAd, 19);
        list.curAd = 25;
        QVERIFY(!list.keepCursorShown(30));
        list.curAd = 3;
        QVERIFY(list.keepCursorShown(30));
        QCOMPARE(list.topAd, 3);
        QCOMPARE(list.rowOf(3), 1);
        QCOMPARE(list.rowOf(14), 12);
        QCOMPARE(list.rowOf(15), 0);
        QCOMPARE(list.rowOf(2), 0);
    }

    void pagingKeys()
    {
        AdListState list;
        list.open(30, 12);
        list.pageDown(30);
        QCOMPARE(list.curAd, 13);
        list.pageDown(30);
        list.pageDown(30);
        QCOMPARE(list.curAd, 30);
        list.pageUp();
        QCOMPARE(list.curAd, 18);
        list.curAd = 4;
        list.pageUp();
        QCOMPARE(list.curAd, 1);
    }

    void lineStepsScrollAtTheEdges()
    {
        AdListState list;
        list.open(30, 12);
        QVERIFY(list.lineUp()); // top row: the list is to scroll
        QCOMPARE(list.curAd, 1);
        QVERIFY(!list.lineDown(30));
        QCOMPARE(list.curAd, 2);
        QVERIFY(!list.lineUp());
        QCOMPARE(list.curAd, 1);
        list.curAd = 12;
        QVERIFY(list.lineDown(30)); // bottom row
        QCOMPARE(list.curAd, 12);

        AdListState few;
        few.open(3, 12);
        few.curAd = 3;
        QVERIFY(few.lineDown(3)); // the last ad sits on the last shown row
        few.curAd = 2;
        QVERIFY(!few.lineDown(3));
        QCOMPARE(few.curAd, 3);
    }

    void fieldSteps()
    {
        AdListState list;
        list.open(2, 12);
        list.fieldLeft();
        QCOMPARE(list.curField, 1);
        for (int i = 0; i < 6; ++i)
            list.fieldRight();
        QCOMPARE(list.curField, kAdFieldCount);
        list.end(2);
        QCOMPARE(list.curAd, 2);
        list.home();
        QCOMPARE(list.curAd, 1);
    }

    void enterSteps()
    {
        AdListState list;
        list.open(3, 12);
        list.afterNameEntered(3);
        QCOMPARE(list.curAd, 2);
        QCOMPARE(list.curField, 1);
        list.curAd = 3;
        list.afterNameEntered(3);
        QCOMPARE(list.curAd, 3);
        QCOMPARE(list.curField, 2); // the last ad's name leads to its "Corvel" checkmark

        QVERIFY(!list.enterStep(3)); // on the last ad Enter goes up
        QCOMPARE(list.curAd, 2);
        QVERIFY(!list.enterStep(3));
        QCOMPARE(list.curAd, 3);

        AdListState single;
        single.open(1, 12);
        QVERIFY(!single.enterStep(1));
        QCOMPARE(single.curAd, 1);

        AdListState paged;
        paged.open(30, 12);
        paged.curAd = 12;
        QVERIFY(paged.enterStep(30)); // bottom row: scroll, as Down does
    }

    void keysInTheEditor_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<int>("adAfter");
        QTest::addColumn<int>("fieldAfter");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<bool>("toggle");
        // The cursor stands on ad 5 of 30, in twelve rows from ad 1.
        QTest::newRow("Left moves the caret") << 1 << int(Qt::Key_Left) << false << false << 5 << 1 << false << false;
        QTest::newRow("Shift+Right leaves the name") << 1 << int(Qt::Key_Right) << true << true << 5 << 2 << true << false;
        QTest::newRow("Left on a checkmark") << 3 << int(Qt::Key_Left) << false << true << 5 << 2 << true << false;
        QTest::newRow("Home in a name, caret too") << 1 << int(Qt::Key_Home) << false << false << 1 << 1 << true << false;
        QTest::newRow("Home on a checkmark") << 2 << int(Qt::Key_Home) << false << true << 1 << 2 << true << false;
        QTest::newRow("End") << 1 << int(Qt::Key_End) << false << true << 30 << 1 << true << false;
        QTest::newRow("Space in a name") << 1 << int(Qt::Key_Space) << false << false << 5 << 1 << false << false;
        QTest::newRow("Space on a checkmark") << 4 << int(Qt::Key_Space) << false << true << 5 << 4 << false << true;
        QTest::newRow("a letter in a name") << 1 << int(Qt::Key_A) << false << false << 5 << 1 << false << false;
        QTest::newRow("a letter on a checkmark") << 5 << int(Qt::Key_A) << false << true << 5 << 5 << false << false;
        QTest::newRow("Page Down") << 1 << int(Qt::Key_PageDown) << false << true << 17 << 1 << true << false;
    }

    void keysInTheEditor()
    {
        QFETCH(int, field);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(bool, handled);
        QFETCH(int, adAfter);
        QFETCH(int, fieldAfter);
        QFETCH(bool, moved);
        QFETCH(bool, toggle);
        AdListState list;
        list.open(30, 12);
        list.curAd = 5;
        list.curField = field;
        const AdKeyEffect effect = list.keyPressed(key, shift, 30);
        QCOMPARE(effect.handled, handled);
        QCOMPARE(list.curAd, adAfter);
        QCOMPARE(list.curField, fieldAfter);
        QCOMPARE(effect.moved, moved);
        QCOMPARE(effect.toggle, toggle);
        QCOMPARE(effect.scroll, 0);
    }

    void upAndDownAtTheEdgesScroll()
    {
        AdListState list;
        list.open(30, 12);
        QCOMPARE(list.keyPressed(Qt::Key_Up, false, 30).scroll, -1);
        list.curAd = 12;
        const AdKeyEffect down = list.keyPressed(Qt::Key_Down, false, 30);
        QCOMPARE(down.scroll, 1);
        QVERIFY(down.handled && down.moved);
        QCOMPARE(list.curAd, 12); // the scroll moves it
    }

    void addingPutsTheCursorOnTheNewName()
    {
        AdListState list;
        list.open(0, 12);
        list.afterAdd(1);
        QCOMPARE(list.curAd, 1);
        QCOMPARE(list.shownAds, 1);
        QCOMPARE(list.topAd, 1);

        list.open(12, 12);
        list.curField = 3;
        list.afterAdd(13);
        QCOMPARE(list.curAd, 13);
        QCOMPARE(list.curField, 1);
        QCOMPARE(list.shownAds, 12);
        QCOMPARE(list.topAd, 2);
    }

    void deletingKeepsTheRowsFilled()
    {
        AdListState list;
        list.open(30, 12);
        list.topAd = 19;
        list.curAd = 30;
        list.afterDelete(29);
        QCOMPARE(list.topAd, 18);
        QCOMPARE(list.curAd, 29);
        QCOMPARE(list.shownAds, 12);
        QCOMPARE(list.adsAtOpen, 29);

        list.open(5, 12);
        list.curAd = 5;
        list.afterDelete(4);
        QCOMPARE(list.curAd, 4);
        QCOMPARE(list.shownAds, 4);
        QCOMPARE(list.topAd, 1);

        list.open(1, 12);
        list.afterDelete(0);
        QCOMPARE(list.shownAds, 0);
        QCOMPARE(list.editAd, 0);
    }

    void deletingAnAddedAdLeavesTheOldCount()
    {
        AdListState list;
        list.open(3, 12);
        list.afterAdd(4);
        list.afterDelete(3);
        QCOMPARE(list.adsAtOpen, 3);
    }

    void adFields()
    {
        LedgerModel model = modelWithAds(2);
        setAdField(model, 2, 1, QStringLiteral("Bakery"));
        setAdField(model, 2, 3, kCheck);
        const AdRecord &ad = model.ads.at(1);
        QCOMPARE(ad.name, QStringLiteral("Bakery"));
        QCOMPARE(ad.check(2), kCheck);
        QCOMPARE(adFieldText(ad, 1), QStringLiteral("Bakery"));
        QCOMPARE(adFieldText(ad, 3), kCheck);
        QCOMPARE(adFieldText(ad, 2), QString());
        QCOMPARE(model.ads.at(0).name, QStringLiteral("Ad 1"));
        QVERIFY(model.settingsChanged);
        QVERIFY(!model.ledgerChanged);
        setAdField(model, 2, 3, QString());
        QCOMPARE(ad.check(2), QString());
        QCOMPARE(toggledCheckmark(QString()), kCheck);
        QCOMPARE(toggledCheckmark(kCheck), QString());
        QCOMPARE(toggledCheckmark(QStringLiteral("?")), kCheck);
    }

    void deleteGuardLooksAtSalesPersonThroughStatus()
    {
        for (int column = 1; column <= kColumnCount; ++column) {
            LedgerModel model = modelWithAds(3);
            model.cell(7, column, 2) = QStringLiteral("x");
            const bool guarded = column >= ColSalesPerson && column <= ColStatus;
            QCOMPARE(adHasLedgerData(model, 2), guarded);
            QCOMPARE(adMayBeDeleted(model, 2, 3), !guarded);
            // Ads added since the dialog opened are never refused.
            QVERIFY(adMayBeDeleted(model, 2, 1));
            QVERIFY(!adHasLedgerData(model, 1));
        }
    }

    void appendingAnAdKeepsTheLedgerSized()
    {
        LedgerModel model = modelWithAds(2);
        QCOMPARE(model.addAd(), 3);
        QCOMPARE(model.adCount(), 3);
        QCOMPARE(model.cells.adCount(), 3);
        QVERIFY(model.ads.last().name.isEmpty());
        QVERIFY(model.settingsChanged);
        QVERIFY(model.ledgerChanged);
    }

    void deletingAnAdRenumbersTheLedger()
    {
        LedgerModel model = modelWithAds(5);
        for (int issue = 1; issue <= kIssueCount; ++issue)
            for (int column = 1; column <= kColumnCount; ++column)
                for (int ad = 1; ad <= 5; ++ad)
                    model.cell(issue, column, ad) = cellMark(issue, column, ad);
        model.deleteAd(3);
        QCOMPARE(model.adCount(), 4);
        QCOMPARE(model.ads.at(2).name, QStringLiteral("Ad 4"));
        QCOMPARE(model.cells.adCount(), 4);
        for (int issue = 1; issue <= kIssueCount; ++issue) {
            for (int column = 1; column <= kColumnCount; ++column) {
                QCOMPARE(model.cell(issue, column, 2), cellMark(issue, column, 2));
                QCOMPARE(model.cell(issue, column, 3), cellMark(issue, column, 4));
                QCOMPARE(model.cell(issue, column, 4), cellMark(issue, column, 5));
            }
        }
        QVERIFY(model.settingsChanged);
        QVERIFY(model.ledgerChanged);
    }

    void deleteMessages()
    {
        QCOMPARE(adInUseMessage(),
                 QStringLiteral("Cannot delete\r\n\r\nThis ad contains data already input by the user\r\n\r\n"
                                "... either remove that data first or wait untill next year\r\n"
                                "(best to wait because archiving the file clears all data)"));
        QCOMPARE(deleteAdQuestion(), QStringLiteral("Delete this Ad now?"));
        QCOMPARE(salesPersonInUseMessage(),
                 QStringLiteral("Cannot delete\r\n\r\nAd data has already been assigned to this person\r\n\r\n"
                                "... either remove that data first or wait untill next year\r\n"
                                "(best to wait because archiving the file clears all data)"));
        QCOMPARE(deleteSalesPersonQuestion(), QStringLiteral("Delete this sales person?"));
        QCOMPARE(salesLimitMessage(), QStringLiteral("Number of sales people is limited to 2"));
        QCOMPARE(salesLimitCaption(), QStringLiteral("QuillmoorAds - ver 1.76"));
    }

    void salesLookupIgnoresCase()
    {
        const QStringList entries = {QStringLiteral("alpha"), QStringLiteral("Delta")};
        QCOMPARE(findSalesPerson(entries, QStringLiteral("ALPHA")), 1);
        QCOMPARE(findSalesPerson(entries, QStringLiteral("delta")), 2);
        QCOMPARE(findSalesPerson(entries, QStringLiteral("Del")), 0);
        QCOMPARE(sortedSalesPosition(entries, QStringLiteral("Beta")), 2);
        QCOMPARE(sortedSalesPosition(entries, QStringLiteral("zed")), 3);
        QCOMPARE(sortedSalesPosition(entries, QStringLiteral("Aaron")), 1);
        QCOMPARE(sortedSalesPosition({}, QStringLiteral("Aaron")), 1);
    }

    void addingSalesPeopleKeepsThemSorted()
    {
        LedgerModel model = modelWithAds(1);
        AddSalesOutcome outcome = addSalesPerson(model, QStringLiteral("Delta"));
        QCOMPARE(outcome.result, AddSalesResult::Added);
        QCOMPARE(outcome.position, 1);
        model.salesPeople[0].percent = QStringLiteral("10");
        model.settingsChanged = false;
        outcome = addSalesPerson(model, QStringLiteral("Alpha"));
        QCOMPARE(outcome.result, AddSalesResult::Added);
        QCOMPARE(outcome.position, 1);
        QVERIFY(model.settingsChanged);
        QCOMPARE(model.salesChoices(), QStringList({"Alpha", "Delta", "Owner"}));
        QCOMPARE(model.salesPeople.at(0).percent, QString());
        QCOMPARE(model.salesPeople.at(1).percent, QStringLiteral("10"));
    }

    void salesPeopleLimitAndDuplicates()
    {
        LedgerModel model;
        QCOMPARE(addSalesPerson(model, QString()).result, AddSalesResult::Ignored);
        addSalesPerson(model, QStringLiteral("Alpha"));
        QCOMPARE(addSalesPerson(model, QStringLiteral("ALPHA")).result, AddSalesResult::Ignored);
        addSalesPerson(model, QStringLiteral("Delta"));
        QCOMPARE(addSalesPerson(model, QStringLiteral("Zed")).result, AddSalesResult::LimitReached);
        QCOMPARE(addSalesPerson(model, QStringLiteral("delta")).result, AddSalesResult::Ignored);
        QCOMPARE(model.salesPeople.size(), 2);
        LedgerModel none;
        QCOMPARE(addSalesPerson(none, QStringLiteral("oWnEr")).result, AddSalesResult::ReservedName);
        QVERIFY(none.salesPeople.isEmpty());
    }

    void removingASalesPerson()
    {
        LedgerModel model;
        model.salesPeople = {{QStringLiteral("Alpha"), QStringLiteral("5")}, {QStringLiteral("Delta"), QStringLiteral("10")}};
        QVERIFY(!removeSalesPerson(model, 3));
        QVERIFY(removeSalesPerson(model, 1));
        QCOMPARE(model.salesPeople.size(), 1);
        QCOMPARE(model.salesPeople.at(0).name, QStringLiteral("Delta"));
        QCOMPARE(model.salesPeople.at(0).percent, QStringLiteral("10"));
        QVERIFY(model.settingsChanged);
    }

    void advancesMoveWithTheirPerson_data()
    {
        QTest::addColumn<QStringList>("people");
        QTest::addColumn<QStringList>("ledgers");  // marks of advance ledgers 1 and 2
        QTest::addColumn<QString>("added");      // a name to add, or empty
        QTest::addColumn<int>("deleted");        // a person to delete, or 0
        QTest::addColumn<bool>("done");
        QTest::addColumn<QStringList>("peopleAfter");
        QTest::addColumn<QStringList>("slotsAfter");
        QTest::addColumn<bool>("ledgerChanged");

        const QStringList none = {QString(), QString()};
        QTest::newRow("added ahead") << QStringList{"Delta"} << QStringList{"D", ""} << "Alpha" << 0 << true
                                     << QStringList{"Alpha", "Delta"} << QStringList{"", "D"} << true;
        QTest::newRow("added behind") << QStringList{"Alpha"} << QStringList{"A", ""} << "Delta" << 0 << true
                                      << QStringList{"Alpha", "Delta"} << QStringList{"A", ""} << false;
        QTest::newRow("added to none") << QStringList{} << none << "Alpha" << 0 << true
                                       << QStringList{"Alpha"} << none << false;
        // A ledger nobody owns goes to the person who takes the free place, as
        // when a person is added behind; nothing is lost.
        QTest::newRow("added ahead, free ledger kept") << QStringList{"Delta"} << QStringList{"D", "X"} << "Alpha" << 0
                                                       << true << QStringList{"Alpha", "Delta"} << QStringList{"X", "D"}
                                                       << true;
        QTest::newRow("first deleted") << QStringList{"Alpha", "Delta"} << QStringList{"", "D"} << "" << 1 << true
                                       << QStringList{"Delta"} << QStringList{"D", ""} << true;
        QTest::newRow("second deleted") << QStringList{"Alpha", "Delta"} << QStringList{"A", ""} << "" << 2 << true
                                        << QStringList{"Alpha"} << QStringList{"A", ""} << false;
        QTest::newRow("only one deleted, free ledger kept") << QStringList{"Alpha"} << QStringList{"", "X"} << "" << 1
                                                            << true << QStringList{} << QStringList{"", "X"} << false;
        QTest::newRow("person with advances kept") << QStringList{"Alpha", "Delta"} << QStringList{"A", "D"} << "" << 1
                                                   << false << QStringList{"Alpha", "Delta"} << QStringList{"A", "D"}
                                                   << false;
    }

    void advancesMoveWithTheirPerson()
    {
        QFETCH(QStringList, people);
        QFETCH(QStringList, ledgers);
        QFETCH(QString, added);
        QFETCH(int, deleted);
        QFETCH(bool, done);
        QFETCH(QStringList, peopleAfter);
        QFETCH(QStringList, slotsAfter);
        QFETCH(bool, ledgerChanged);

        LedgerModel model = modelWithAds(1);
        for (const QString &name : people)
            model.salesPeople << SalesPerson{name, name.left(1)};
        for (int k = 0; k < 2; ++k)
            model.advances[std::size_t(k)] = ledgerMarked(ledgers.at(k));

        if (!added.isEmpty())
            QCOMPARE(addSalesPerson(model, added).result == AddSalesResult::Added, done);
        else
            QCOMPARE(removeSalesPerson(model, deleted), done);

        QStringList namesAfter;
        for (const SalesPerson &person : model.salesPeople) {
            namesAfter << person.name;
            QCOMPARE(person.percent, person.name == added ? QString() : person.name.left(1));
        }
        QCOMPARE(namesAfter, peopleAfter);
        QCOMPARE(QStringList({markOf(model.advances[0]), markOf(model.advances[1])}), slotsAfter);
        QCOMPARE(model.settingsChanged, done);
        QCOMPARE(model.ledgerChanged, ledgerChanged);
        QCOMPARE(salesPersonHasAdvances(model, 1), !slotsAfter.at(0).isEmpty());
    }

    void salesPersonNamedInAnyIssue()
    {
        LedgerModel model = modelWithAds(3);
        QVERIFY(!salesPersonInLedger(model, QStringLiteral("Delta")));
        model.cell(15, ColSalesPerson, 3) = QStringLiteral("Delta");
        QVERIFY(salesPersonInLedger(model, QStringLiteral("Delta")));
        QVERIFY(!salesPersonInLedger(model, QStringLiteral("delta")));
        model.cell(15, ColSalesPerson, 3).clear();
        model.cell(15, ColNumber, 3) = QStringLiteral("Delta");
        QVERIFY(!salesPersonInLedger(model, QStringLiteral("Delta")));
    }

    void unsortedSalesPeopleAreBroughtIntoOrder()
    {
        LedgerModel model = modelWithAds(2);
        model.salesPeople = {{QStringLiteral("zed"), QStringLiteral("5")}, {QStringLiteral("Alpha"), QStringLiteral("7")}};
        model.cell(1, ColSalesPerson, 1) = QStringLiteral("zed");
        model.cell(2, ColSalesPerson, 2) = QStringLiteral("Alpha");
        model.advances[0] = {{QStringLiteral("01/05/2026"), 100, 0}};
        const double percentOfZed = model.commissionPercent(QStringLiteral("zed")).toDouble();

        QVERIFY(bringSalesPeopleIntoOrder(model));
        QCOMPARE(model.salesChoices(), QStringList({"Alpha", "zed", "Owner"}));
        QCOMPARE(model.salesPeople.at(0).percent, QStringLiteral("7"));
        QCOMPARE(model.salesPeople.at(1).percent, QStringLiteral("5"));
        // Every "Sales person" cell still reaches its own person and percentage.
        QCOMPARE(model.commissionPercent(model.cell(1, ColSalesPerson, 1)).toDouble(), percentOfZed);
        QCOMPARE(model.commissionPercent(model.cell(2, ColSalesPerson, 2)), QStringLiteral("7"));
        // An advance ledger belongs to the person in its slot.
        QVERIFY(model.advances[0].isEmpty());
        QCOMPARE(model.advances[1].size(), 1);
        QVERIFY(model.settingsChanged);
        QVERIFY(model.ledgerChanged);
    }

    void sortedSalesPeopleStayUntouched()
    {
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QStringLiteral("alpha"), QStringLiteral("5")}, {QStringLiteral("Beta"), QStringLiteral("7")}};
        model.advances[0] = {{QStringLiteral("01/05/2026"), 100, 0}};
        QVERIFY(!bringSalesPeopleIntoOrder(model));
        QCOMPARE(model.salesChoices(), QStringList({"alpha", "Beta", "Owner"}));
        QCOMPARE(model.advances[0].size(), 1);
        QVERIFY(!model.settingsChanged);
        QVERIFY(!model.ledgerChanged);
    }

    void swappedPeopleWithoutAdvancesLeaveTheLedgerAlone()
    {
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QStringLiteral("Zed"), QString()}, {QStringLiteral("Alpha"), QString()}};
        QVERIFY(bringSalesPeopleIntoOrder(model));
        QVERIFY(model.settingsChanged);
        QVERIFY(!model.ledgerChanged);
    }

    void salesPeopleEndAtTheFirstEmptyName()
    {
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QString(), QStringLiteral("5")}, {QStringLiteral("Alpha"), QStringLiteral("7")}};
        QVERIFY(listedSalesPeople(model).isEmpty());
        QVERIFY(bringSalesPeopleIntoOrder(model));
        QVERIFY(model.salesPeople.isEmpty());
        QVERIFY(model.settingsChanged);
    }

    void priceEntries()
    {
        QCOMPARE(chosenPriceEntry(2, 2), 9); // Tarn, Half
        QCOMPARE(chosenPriceEntry(1, 1), 1);
        QCOMPARE(chosenPriceEntry(4, 7), 28);
        QCOMPARE(chosenPriceEntry(0, 2), 0);
        QCOMPARE(chosenPriceEntry(2, 0), 0);
    }

    void storingPrices()
    {
        LedgerModel model;
        QVERIFY(!storePrice(model, 0, 2, PriceKind::Colour, QStringLiteral("99")));
        QVERIFY(!model.settingsChanged);
        for (int entry = 1; entry <= kPriceEntryCount; ++entry)
            QVERIFY(model.prices.colourPrice(entry).isEmpty());

        QVERIFY(storePrice(model, 2, 2, PriceKind::Colour, QStringLiteral("250")));
        QVERIFY(storePrice(model, 2, 2, PriceKind::BlackWhite, QStringLiteral("abc")));
        QCOMPARE(model.prices.colourPrice(9), QStringLiteral("250"));
        QCOMPARE(model.prices.bwPrice(9), QStringLiteral("abc"));
        QCOMPARE(priceText(model, 9, PriceKind::Colour), QStringLiteral("250"));
        QCOMPARE(priceText(model, 9, PriceKind::BlackWhite), QStringLiteral("abc"));
        QVERIFY(model.settingsChanged);
    }

    void hints_data()
    {
        QTest::addColumn<ConfigHint>("hint");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << ConfigHint::None << QString();
        QTest::newRow("ad name") << ConfigHint::AdName
                                 << "name or description of ad, [ENTER] to save, [ESC] to restore";
        QTest::newRow("checkmark") << ConfigHint::Checkmark << "[SPACE] to toggle checkmark on/off";
        QTest::newRow("sales people") << ConfigHint::SalesPeople
                                      << "up/down keys or click pulldown list to select, [ENTER] to save";
        QTest::newRow("percent") << ConfigHint::Percent
                                 << "percent of sales for sales person, [ENTER] or move to save";
        QTest::newRow("price") << ConfigHint::Price
                               << "price for Ad size/Publication combination, [ENTER] or move to save";
    }

    void hints()
    {
        QFETCH(ConfigHint, hint);
        QFETCH(QString, text);
        QCOMPARE(configHint(hint), text);
    }

    void doubleQuotesAreTakenOut()
    {
        QuoteFreeValidator validator;
        QString text = QStringLiteral("ab\"c");
        int pos = 3;
        QCOMPARE(validator.validate(text, pos), QValidator::Acceptable);
        QCOMPARE(text, QStringLiteral("abc"));
        QCOMPARE(pos, 2);
        text = QStringLiteral("\"x\"y\"");
        pos = 5;
        validator.validate(text, pos);
        QCOMPARE(text, QStringLiteral("xy"));
        QCOMPARE(pos, 2);
        text = QStringLiteral("plain");
        pos = 5;
        QCOMPARE(validator.validate(text, pos), QValidator::Acceptable);
        QCOMPARE(text, QStringLiteral("plain"));
        QCOMPARE(pos, 5);
    }
};

QTEST_GUILESS_MAIN(ConfigRulesTest)
#include "tst_configrules.moc"
