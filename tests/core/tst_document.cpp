// The ledger document: loading a pair of files, the signals of each change,
// the changed flag, and saving, with what is on disk after each, byte for byte.

#include "core/Clock.h"
#include "core/LedgerDocument.h"
#include "core/files/LedgerFile.h"
#include "core/files/SafeSave.h"
#include "core/files/SettingsFile.h"
#include "YearFolder.h"

#include <QSignalSpy>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

// The cell edit of a user typing `text` into a column of an ad in Corvel January.
CellEdit typed(int ad, int column, const QString &text, const LedgerModel &m)
{
    CellEdit edit;
    edit.issue = issueIndex(1, 1);
    edit.ad = ad;
    edit.column = column;
    edit.oldText = m.cell(edit.issue, column, ad);
    edit.newText = text;
    return edit;
}

const OverrideQuestion kAllow = [] { return true; };

} // namespace

class DocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup()
    {
        Clock::reset();
        setSaveFault(SaveFault());
    }

    void loadReadsThePairAndStampsTheYearOnce();
    void changesSignalWhatTheyChanged_data();
    void changesSignalWhatTheyChanged();
    void saveCommitsFirstThenWritesExactBytes_data();
    void saveCommitsFirstThenWritesExactBytes();
    void failedSaveKeepsTheFlagAndTheFiles();
    void editsCanBePutBackAndMadeAgain_data();
    void editsCanBePutBackAndMadeAgain();
    void configurationSignalsOnlyRealChanges();
};

// A ledger file without a year is given this year at load, as changed nothing;
// the files stay as they were.
void DocumentTest::loadReadsThePairAndStampsTheYearOnce()
{
    Folder f;
    LedgerModel year = sampleYear();
    year.ledgerYear = 2025;
    f.put(f.ini, settingsBytes(year));
    QByteArray ledger = ledgerBytes(year);
    f.put(f.qmr, ledger.replace("\"1.76\",2025", "\"1.76\",0"));
    LedgerDocument document;
    QSignalSpy loaded(&document, &LedgerDocument::loaded);
    QVERIFY(document.load(f.ini, f.qmr).isEmpty());
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(document.settingsFile(), f.ini);
    QCOMPARE(document.ledgerFile(), f.qmr);
    QCOMPARE(document.model().ledgerYear, 2026);
    QCOMPARE(document.model().cells, year.cells);
    QCOMPARE(document.model().advances, year.advances);
    QVERIFY(!document.isChanged());
    QCOMPARE(f.bytes(f.qmr), ledger);
    QCOMPARE(f.entries(), QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr"}));

    // No files at all: an empty ledger of this year.
    Folder empty;
    QVERIFY(document.load(empty.ini, empty.qmr).isEmpty());
    QCOMPARE(document.model().adCount(), 0);
    QCOMPARE(document.model().ledgerYear, 2026);
    QVERIFY(empty.entries().isEmpty());
}

using Change = std::function<void(LedgerDocument &)>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(qm::SaveKind)

void DocumentTest::changesSignalWhatTheyChanged_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QList<int>>("cell"); // issue, ad, column of cellChanged; empty: none
    QTest::addColumn<bool>("ads");
    QTest::addColumn<int>("advanceSlot"); // 0: none
    QTest::addColumn<bool>("settings");
    QTest::addColumn<bool>("ledger");

    QTest::newRow("cell typed") << Change([](LedgerDocument &d) {
        d.commitCell(typed(2, ColPaid, "12", d.model()), kAllow);
    }) << QList<int>{1, 2, ColPaid} << false << 0 << false << true;
    QTest::newRow("same text again") << Change([](LedgerDocument &d) {
        d.commitCell(typed(2, ColNumber, "12", d.model()), kAllow);
    }) << QList<int>{} << false << 0 << false << false;
    QTest::newRow("ad data removed") << Change([](LedgerDocument &d) {
        d.removeAdData(1, 3, [](const QString &) { return true; });
    }) << QList<int>{1, 3, 0} << false << 0 << false << true;
    QTest::newRow("removal declined") << Change([](LedgerDocument &d) {
        d.removeAdData(1, 3, [](const QString &) { return false; });
    }) << QList<int>{} << false << 0 << false << false;
    QTest::newRow("price") << Change([](LedgerDocument &d) { d.storePrice(2, PriceKind::BlackWhite, "80"); })
                           << QList<int>{} << true << 0 << true << false;
    QTest::newRow("ad added") << Change([](LedgerDocument &d) { d.addAd(); }) << QList<int>{} << true << 0 << true
                              << true;
    QTest::newRow("advance added") << Change([](LedgerDocument &d) {
        d.addAdvance(2, AdvanceEntry{"05/01/2026", 40, 0});
    }) << QList<int>{} << false << 2 << false << true;
    QTest::newRow("advance replaced") << Change([](LedgerDocument &d) {
        d.replaceAdvance(1, 0, AdvanceEntry{"03/05/2026", 150, 0});
    }) << QList<int>{} << false << 1 << false << true;
    QTest::newRow("advance deleted") << Change([](LedgerDocument &d) { d.deleteAdvance(1, 0); })
                                     << QList<int>{} << false << 1 << false << true;
    QTest::newRow("advances cleared") << Change([](LedgerDocument &d) { d.clearAdvances(2); })
                                      << QList<int>{} << false << 2 << false << true;
    QTest::newRow("advances as they were") << Change([](LedgerDocument &d) {
        d.setAdvanceLedger(1, d.model().advanceLedger(1));
    }) << QList<int>{} << false << 0 << false << false;
}

// Each change tells what it changed, and the changed flag turns once.
void DocumentTest::changesSignalWhatTheyChanged()
{
    QFETCH(Change, change);
    QFETCH(QList<int>, cell);
    QFETCH(bool, ads);
    QFETCH(int, advanceSlot);
    QFETCH(bool, settings);
    QFETCH(bool, ledger);
    Folder f;
    const LedgerModel year = sampleYear();
    f.put(f.ini, settingsBytes(year));
    f.put(f.qmr, ledgerBytes(year));
    LedgerDocument document;
    document.load(f.ini, f.qmr);
    QSignalSpy cells(&document, &LedgerDocument::cellChanged);
    QSignalSpy adList(&document, &LedgerDocument::adsChanged);
    QSignalSpy advances(&document, &LedgerDocument::advancesChanged);
    QSignalSpy changed(&document, &LedgerDocument::changedChanged);
    change(document);
    QCOMPARE(cells.size(), cell.isEmpty() ? 0 : 1);
    if (!cell.isEmpty())
        QCOMPARE(cells.at(0), QVariantList({cell.at(0), cell.at(1), cell.at(2)}));
    QCOMPARE(adList.size(), ads ? 1 : 0);
    QCOMPARE(advances.size(), advanceSlot ? 1 : 0);
    if (advanceSlot)
        QCOMPARE(advances.at(0).at(0).toInt(), advanceSlot);
    QCOMPARE(document.settingsChanged(), settings);
    QCOMPARE(document.ledgerChanged(), ledger);
    QCOMPARE(changed.size(), settings || ledger ? 1 : 0);
    if (settings || ledger) {
        QCOMPARE(changed.at(0).at(0).toBool(), true);
        change(document);
        QCOMPARE(changed.size(), 1); // already changed: it does not turn again
    }
}

void DocumentTest::saveCommitsFirstThenWritesExactBytes_data()
{
    QTest::addColumn<SaveKind>("kind");
    QTest::addColumn<QStringList>("files"); // what the folder holds afterwards
    QTest::newRow("changes") << SaveKind::Changes << QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr"});
    QTest::newRow("ledger") << SaveKind::Ledger << QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr"});
    QTest::newRow("exit") << SaveKind::Exit
                          << QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr", "QuillmoorAds" + kStamp + ".qmr"});
}

// A view commits its pending edit when asked, before anything is written; the
// files then hold exactly the ledger with that edit.
void DocumentTest::saveCommitsFirstThenWritesExactBytes()
{
    QFETCH(SaveKind, kind);
    QFETCH(QStringList, files);
    Folder f;
    LedgerModel expected = sampleYear();
    f.put(f.ini, settingsBytes(expected));
    f.put(f.qmr, ledgerBytes(expected));
    const QByteArray settingsBefore = f.bytes(f.ini);
    const QByteArray ledgerBefore = f.bytes(f.qmr);
    LedgerDocument document;
    document.load(f.ini, f.qmr);
    QByteArray onDiskWhenAsked;
    connect(&document, &LedgerDocument::aboutToSave, &document, [&] {
        onDiskWhenAsked = f.bytes(f.qmr);
        document.commitCell(typed(1, ColPaid, "7", document.model()), kAllow);
    });
    QSignalSpy saved(&document, &LedgerDocument::saved);
    QSignalSpy changed(&document, &LedgerDocument::changedChanged);
    QVERIFY(document.save(kind).ok());
    QCOMPARE(onDiskWhenAsked, ledgerBefore);
    expected.cell(issueIndex(1, 1), ColPaid, 1) = "7";
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(expected));
    QCOMPARE(f.bytes(f.ini), settingsBefore);
    QCOMPARE(f.entries(), files);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(changed.size(), 2); // the edit, then the save
    QCOMPARE(changed.at(1).at(0).toBool(), false);
    QVERIFY(!document.isChanged());
}

// A disk that fails: the files and the flag stay as they were, and nothing says saved.
void DocumentTest::failedSaveKeepsTheFlagAndTheFiles()
{
    Folder f;
    const LedgerModel year = sampleYear();
    f.put(f.ini, settingsBytes(year));
    f.put(f.qmr, ledgerBytes(year));
    const QByteArray settingsBefore = f.bytes(f.ini);
    const QByteArray ledgerBefore = f.bytes(f.qmr);
    LedgerDocument document;
    document.load(f.ini, f.qmr);
    document.commitCell(typed(1, ColPaid, "7", document.model()), kAllow);
    document.storePrice(1, PriceKind::Colour, "310");
    QSignalSpy saved(&document, &LedgerDocument::saved);
    QSignalSpy changed(&document, &LedgerDocument::changedChanged);
    setSaveFault(SaveFault{.failAfter = 10, .persistent = true});
    const SaveReport report = document.save(SaveKind::Exit);
    QCOMPARE(report.errors.size(), 2);
    QVERIFY(report.errors.at(0).contains(QDir::toNativeSeparators(f.ini)));
    QVERIFY(report.errors.at(1).contains(QDir::toNativeSeparators(f.qmr)));
    QVERIFY(document.settingsChanged() && document.ledgerChanged());
    QCOMPARE(saved.size(), 0);
    QCOMPARE(changed.size(), 0);
    QCOMPARE(f.bytes(f.ini), settingsBefore);
    QCOMPARE(f.bytes(f.qmr), ledgerBefore);
    QCOMPARE(f.entries(), QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr"}));
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "tst_document.moc"

void DocumentTest::editsCanBePutBackAndMadeAgain_data()
{
    QTest::addColumn<Change>("change");
    QTest::newRow("cell typed, sale recomputed") << Change([](LedgerDocument &d) {
        d.commitCell(typed(2, ColNumber, "7", d.model()), kAllow);
    });
    QTest::newRow("ad data removed") << Change([](LedgerDocument &d) {
        d.removeAdData(1, 3, [](const QString &) { return true; });
    });
    QTest::newRow("advance added") << Change([](LedgerDocument &d) {
        d.addAdvance(2, AdvanceEntry{"05/01/2026", 40, 0});
    });
    QTest::newRow("advances cleared") << Change([](LedgerDocument &d) { d.clearAdvances(1); });
}

// What an edit reports is enough to put the ledger back as it was and to make
// the edit again, to the byte; an edit that changes nothing reports nothing,
// and what fits no row or ledger of the document is ignored.
void DocumentTest::editsCanBePutBackAndMadeAgain()
{
    QFETCH(Change, change);
    LedgerDocument document;
    document.open(sampleYear(), QString(), QString());
    QList<std::function<void(bool)>> restore; // false: as before, true: as after
    connect(&document, &LedgerDocument::rowEdited, this,
            [&](const RowSnapshot &before, const RowSnapshot &after, int) {
                restore << [&document, before, after](bool again) { document.restoreRow(again ? after : before); };
            });
    connect(&document, &LedgerDocument::advancesEdited, this,
            [&](int slot, const AdvanceLedger &before, const AdvanceLedger &after) {
                restore << [&document, slot, before, after](bool again) {
                    document.restoreAdvanceLedger(slot, again ? after : before);
                };
            });
    const QByteArray bytesBefore = ledgerBytes(document.model());
    change(document);
    QCOMPARE(restore.size(), 1);
    const QByteArray bytesAfter = ledgerBytes(document.model());
    QVERIFY(bytesAfter != bytesBefore);
    restore.at(0)(false);
    QCOMPARE(ledgerBytes(document.model()), bytesBefore);
    QVERIFY(document.ledgerChanged()); // only the history knows whether that is the saved state
    restore.at(0)(true);
    QCOMPARE(ledgerBytes(document.model()), bytesAfter);
    QCOMPARE(restore.size(), 1); // putting back is no edit of its own

    RowSnapshot stranger = takeRowSnapshot(document.model(), 1, 1);
    stranger.cells.fill("9");
    for (const auto &[issue, ad] : {std::pair(0, 1), std::pair(16, 1), std::pair(1, 0), std::pair(1, 99)}) {
        stranger.issue = issue;
        stranger.ad = ad;
        document.restoreRow(stranger);
    }
    document.restoreAdvanceLedger(0, {});
    document.restoreAdvanceLedger(3, {});
    QCOMPARE(ledgerBytes(document.model()), bytesAfter);
    document.markLedgerUnchanged();
    QVERIFY(!document.isChanged());
}

// The configuration dialog's session changes the configuration only when
// something differs from before it.
void DocumentTest::configurationSignalsOnlyRealChanges()
{
    LedgerDocument document;
    document.open(sampleYear(), QString(), QString());
    QSignalSpy configuration(&document, &LedgerDocument::configurationChanged);
    const QString price = document.model().prices.bwPrice(2);
    document.storePrice(2, PriceKind::BlackWhite, price);
    document.renameAd(1, document.model().ads.at(0).name);
    QCOMPARE(configuration.size(), 0);
    document.storePrice(2, PriceKind::BlackWhite, price + "1");
    document.renameAd(1, "Other");
    document.setSalesPercent(1, "33");
    QCOMPARE(configuration.size(), 3);
}
