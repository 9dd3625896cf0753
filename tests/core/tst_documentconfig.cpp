// The ledger document's changes of the configuration: what each emits and
// marks changed, that a value as it was changes nothing, and a session of the
// configuration dialog as one change of the configuration.

#include "core/LedgerDocument.h"
#include "YearFolder.h"

#include <QSignalSpy>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

using Change = std::function<void(LedgerDocument &)>;
using Start = std::function<void(LedgerModel &)>;

// Sales people Alpha (without advances) and Delta (with them, in ledger 2).
void alphaAndDelta(LedgerModel &m)
{
    m.salesPeople = {SalesPerson{"Alpha", "5"}, SalesPerson{"Delta", "10"}};
    m.advances[1] = m.advances[0];
    m.advances[0].clear();
}

// Zed ahead of Alpha, each with advances of their own.
void zedAndAlpha(LedgerModel &m) { m.salesPeople = {SalesPerson{"Zed", "5"}, SalesPerson{"Alpha", "7"}}; }

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Start)

class DocumentConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void changesSignalAndMark_data();
    void changesSignalAndMark();
    void aDialogSessionChangesTheConfigurationOnce_data();
    void aDialogSessionChangesTheConfigurationOnce();
};

void DocumentConfigTest::changesSignalAndMark_data()
{
    QTest::addColumn<Start>("start"); // what the ledger of three ads holds besides; null: nothing
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("changed"); // ads and configuration signalled, settings changed
    QTest::addColumn<QList<int>>("advanceSlots");
    QTest::addColumn<bool>("ledger");

    const Start sample;
    QTest::newRow("ad added") << sample << Change([](LedgerDocument &d) { QCOMPARE(d.addAd(), 4); }) << true
                              << QList<int>{} << true;
    QTest::newRow("ad renamed") << sample << Change([](LedgerDocument &d) { QVERIFY(d.renameAd(2, "Bakery")); }) << true
                                << QList<int>{} << false;
    QTest::newRow("ad renamed as it was")
        << sample << Change([](LedgerDocument &d) { QVERIFY(!d.renameAd(2, "Ad 2")); }) << false << QList<int>{}
        << false;
    QTest::newRow("publication checked") << sample << Change([](LedgerDocument &d) {
        QVERIFY(d.setPublicationCheck(1, 2, true));
    }) << true << QList<int>{} << false;
    QTest::newRow("publication unchecked")
        << sample << Change([](LedgerDocument &d) { QVERIFY(d.setPublicationCheck(1, 1, false)); }) << true
        << QList<int>{} << false;
    QTest::newRow("publication check as it was")
        << sample << Change([](LedgerDocument &d) { QVERIFY(!d.setPublicationCheck(1, 1, true)); }) << false
        << QList<int>{} << false;
    QTest::newRow("ad deleted") << sample << Change([](LedgerDocument &d) { QVERIFY(d.deleteAd(2)); }) << true
                                << QList<int>{} << true;
    QTest::newRow("no such ad to delete")
        << sample << Change([](LedgerDocument &d) { QVERIFY(!d.deleteAd(4)); }) << false << QList<int>{} << false;
    QTest::newRow("person added ahead, the advances move along") << sample << Change([](LedgerDocument &d) {
        QCOMPARE(int(d.addSalesPerson("Alpha").result), int(AddSalesResult::Added));
    }) << true << QList<int>{1, 2} << true;
    QTest::newRow("person added after") << sample << Change([](LedgerDocument &d) {
        QCOMPARE(d.addSalesPerson("Zed").position, 2);
    }) << true << QList<int>{} << false;
    QTest::newRow("person listed already") << sample << Change([](LedgerDocument &d) {
        QCOMPARE(int(d.addSalesPerson("delta").result), int(AddSalesResult::Ignored));
    }) << false << QList<int>{} << false;
    QTest::newRow("person removed, the advances move up")
        << Start(alphaAndDelta) << Change([](LedgerDocument &d) { QVERIFY(d.removeSalesPerson(1)); }) << true
        << QList<int>{1, 2} << true;
    QTest::newRow("person with advances kept")
        << sample << Change([](LedgerDocument &d) { QVERIFY(!d.removeSalesPerson(1)); }) << false << QList<int>{}
        << false;
    QTest::newRow("people sorted with their advances")
        << Start(zedAndAlpha) << Change([](LedgerDocument &d) { QVERIFY(d.sortSalesPeople()); }) << true
        << QList<int>{1, 2} << true;
    QTest::newRow("people in order already")
        << sample << Change([](LedgerDocument &d) { QVERIFY(!d.sortSalesPeople()); }) << false << QList<int>{} << false;
    QTest::newRow("percentage") << sample << Change([](LedgerDocument &d) { QVERIFY(d.setSalesPercent(1, "12")); })
                                << true << QList<int>{} << false;
    QTest::newRow("percentage as it was")
        << sample << Change([](LedgerDocument &d) { QVERIFY(!d.setSalesPercent(1, "10")); }) << false << QList<int>{}
        << false;
    QTest::newRow("price") << sample
                           << Change([](LedgerDocument &d) { QVERIFY(d.storePrice(1, PriceKind::Colour, "310")); })
                           << true << QList<int>{} << false;
    QTest::newRow("price as it was") << sample << Change([](LedgerDocument &d) {
        QVERIFY(!d.storePrice(1, PriceKind::Colour, "300"));
    }) << false << QList<int>{} << false;
}

// Each change of the configuration signals the ads, the advance ledgers that
// moved and the configuration, marks the settings (and the ledger where cells
// or advances moved) and keeps a cell row for every ad; a value as it was
// signals and marks nothing.
void DocumentConfigTest::changesSignalAndMark()
{
    QFETCH(Start, start);
    QFETCH(Change, change);
    QFETCH(bool, changed);
    QFETCH(QList<int>, advanceSlots);
    QFETCH(bool, ledger);
    LedgerModel year = sampleYear();
    if (start)
        start(year);
    LedgerDocument document;
    document.open(year, QString(), QString());
    QSignalSpy ads(&document, &LedgerDocument::adsChanged);
    QSignalSpy advances(&document, &LedgerDocument::advancesChanged);
    QSignalSpy configuration(&document, &LedgerDocument::configurationChanged);
    QSignalSpy flag(&document, &LedgerDocument::changedChanged);
    change(document);
    QCOMPARE(ads.size(), changed ? 1 : 0);
    QCOMPARE(configuration.size(), changed ? 1 : 0);
    QList<int> movedSlots;
    for (const QList<QVariant> &arguments : advances)
        movedSlots << arguments.at(0).toInt();
    QCOMPARE(movedSlots, advanceSlots);
    QCOMPARE(document.settingsChanged(), changed);
    QCOMPARE(document.ledgerChanged(), ledger);
    QCOMPARE(flag.size(), changed ? 1 : 0);
    QCOMPARE(document.model().cells.adCount(), document.model().adCount());
}

void DocumentConfigTest::aDialogSessionChangesTheConfigurationOnce_data()
{
    QTest::addColumn<Change>("session");
    QTest::addColumn<bool>("changed"); // the configuration differs at the end
    QTest::addColumn<bool>("settings");

    QTest::newRow("nothing") << Change([](LedgerDocument &) {}) << false << false;
    QTest::newRow("a name stored as it was") << Change([](LedgerDocument &d) {
        d.renameAd(1, "Ad 1");
        d.markSettingsChanged();
    }) << false << true;
    QTest::newRow("renamed and back") << Change([](LedgerDocument &d) {
        d.renameAd(1, "Other");
        d.renameAd(1, "Ad 1");
    }) << false << true;
    QTest::newRow("ad added and deleted") << Change([](LedgerDocument &d) { d.deleteAd(d.addAd()); }) << false << true;
    QTest::newRow("renamed, price and percentage") << Change([](LedgerDocument &d) {
        d.renameAd(1, "Other");
        d.storePrice(2, PriceKind::BlackWhite, "80");
        d.setSalesPercent(1, "33");
    }) << true << true;
}

// Within a session of the configuration dialog the changes emit their signals
// but the configuration counts as changed once, at its end, and only when it
// differs from what the session found.
void DocumentConfigTest::aDialogSessionChangesTheConfigurationOnce()
{
    QFETCH(Change, session);
    QFETCH(bool, changed);
    QFETCH(bool, settings);
    LedgerDocument document;
    document.open(sampleYear(), QString(), QString());
    QSignalSpy configuration(&document, &LedgerDocument::configurationChanged);
    QSignalSpy flag(&document, &LedgerDocument::changedChanged);
    document.beginConfiguration();
    session(document);
    QCOMPARE(configuration.size(), 0);
    QCOMPARE(flag.size(), settings ? 1 : 0);
    QCOMPARE(document.settingsChanged(), settings);
    document.endConfiguration();
    QCOMPARE(configuration.size(), changed ? 1 : 0);
    document.endConfiguration(); // no session open: nothing more
    document.setSalesPercent(1, "44");
    QCOMPARE(configuration.size(), changed ? 2 : 1); // outside a session each change counts
}

QTEST_GUILESS_MAIN(DocumentConfigTest)
#include "tst_documentconfig.moc"
