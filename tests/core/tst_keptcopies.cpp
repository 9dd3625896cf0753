// The copies the program makes of a year's files, with real files: the copy
// kept of a file that did not read in full before it is first replaced, what
// happens when that copy cannot be made, and who may read the copies.

#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/files/SafeSave.h"
#include "core/files/SettingsFile.h"
#include "core/year/Archive.h"
#include "core/year/YearFiles.h"
#include "YearFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

class KeptCopiesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup()
    {
        Clock::reset();
        setSaveFault(SaveFault());
    }

    void ledgerWithoutSettingsIsKeptBeforeItIsReplaced_data();
    void ledgerWithoutSettingsIsKeptBeforeItIsReplaced();
    void damagedLineKeepsTheRestOfTheYear();
    void damagedFileStaysWhenItsCopyFails_data();
    void damagedFileStaysWhenItsCopyFails();
    void copiesAreAsPrivateAsTheirFiles_data();
    void copiesAreAsPrivateAsTheirFiles();
    void thirdSalesPersonIsNotLostSilently();
};

void KeptCopiesTest::ledgerWithoutSettingsIsKeptBeforeItIsReplaced_data()
{
    QTest::addColumn<bool>("salesPersonFirst");
    QTest::newRow("ad added") << false;
    QTest::newRow("sales person added, then an ad") << true;
}

// Only the ledger file in the folder: it is not read, it stays as it is until
// the ledger changes, and the first save that replaces it keeps it beside it first.
void KeptCopiesTest::ledgerWithoutSettingsIsKeptBeforeItIsReplaced()
{
    QFETCH(bool, salesPersonFirst);
    Folder f;
    LedgerModel year = sampleYear(2);
    year.advances = {AdvanceLedger{AdvanceEntry{"03/05/2026", 500, 0}}, AdvanceLedger{}};
    const QByteArray oldLedger = ledgerBytes(year);
    f.put(f.qmr, oldLedger);

    LedgerModel m;
    const QStringList warnings = loadFiles(m, f.ini, f.qmr);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.at(0).contains(QDir::toNativeSeparators(f.qmr)) &&
                 warnings.at(0).contains(QDir::toNativeSeparators(f.ini)) && warnings.at(0).contains("was not found"),
             qPrintable(warnings.at(0)));
    QCOMPARE(m.adCount(), 0);

    if (salesPersonFirst) {
        // Only the settings changed: the unread ledger file stays byte for byte.
        QVERIFY(m.insertSalesPerson(1, "Delta"));
        QVERIFY(!m.ledgerChanged);
        const SaveReport first = saveChangedFiles(m, f.ini, f.qmr, Clock::now());
        QVERIFY2(first.ok() && first.notices.isEmpty(), qPrintable(first.errors.join('\n')));
        QCOMPARE(f.bytes(f.qmr), oldLedger);
        QCOMPARE(f.bytes(f.ini), settingsBytes(m));
        QCOMPARE(f.entries(), QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr", "QuillmoorAds" + kStamp + ".ini"}));
        QVERIFY(QFile::remove(f.file("QuillmoorAds" + kStamp + ".ini")));
    }
    addAd(m); // configure one ad, close, Yes
    const SaveReport r = saveChangedFiles(m, f.ini, f.qmr, Clock::now());
    QVERIFY2(r.ok(), qPrintable(r.errors.join('\n')));
    const QString kept = f.file("QuillmoorAds_kept" + kStamp + ".qmr");
    QCOMPARE(f.bytes(kept), oldLedger);
    QCOMPARE(r.notices.size(), 1);
    QVERIFY(r.notices.at(0).contains(QDir::toNativeSeparators(kept)));
    // Both files now hold the one ad; their backups are copies of them.
    QCOMPARE(f.bytes(f.ini), settingsBytes(m));
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(m));
    QCOMPARE(f.bytes(f.file("QuillmoorAds" + kStamp + ".qmr")), ledgerBytes(m));
    QCOMPARE(f.entries().size(), 5);
    // A later save keeps no further copy.
    m.ledgerChanged = true;
    QVERIFY(saveChangedFiles(m, f.ini, f.qmr, Clock::now()).notices.isEmpty());
    QCOMPARE(f.entries().size(), 5);
}

// One damaged cell line: the rest of the year and the advances survive a save,
// and the damaged file is kept beside it.
void KeptCopiesTest::damagedLineKeepsTheRestOfTheYear()
{
    Folder f;
    LedgerModel year = sampleYear();
    f.put(f.ini, settingsBytes(year));
    const QByteArray damaged = damagedLedger(year);
    f.put(f.qmr, damaged);

    LedgerModel m;
    const QStringList warnings = loadFiles(m, f.ini, f.qmr);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.at(0).contains("line 5") && !warnings.at(0).contains("short"), qPrintable(warnings.at(0)));
    QCOMPARE(f.bytes(f.qmr), damaged); // reading changes nothing
    QCOMPARE(m.cells, year.cells);     // the lost cell was empty anyway
    QCOMPARE(m.advances, year.advances);

    m.cell(2, ColPaid, 1) = "5.00";
    m.ledgerChanged = true;
    const SaveReport r = saveChangedFiles(m, f.ini, f.qmr, Clock::now());
    QVERIFY(r.ok());
    QCOMPARE(f.bytes(f.file("QuillmoorAds_kept" + kStamp + ".qmr")), damaged);
    year.cell(2, ColPaid, 1) = "5.00";
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(year));
    QCOMPARE(f.bytes(f.ini), settingsBytes(year)); // not changed, not written
}

void KeptCopiesTest::damagedFileStaysWhenItsCopyFails_data()
{
    QTest::addColumn<bool>("ledgerDamaged");
    QTest::addColumn<bool>("addsAnAd");
    QTest::addColumn<bool>("failCommit");
    QTest::newRow("ledger, disk full") << true << false << false;
    QTest::newRow("ledger, replacement fails") << true << false << true;
    QTest::newRow("ledger, ad added") << true << true << false;
    QTest::newRow("settings, disk full") << false << false << false;
    QTest::newRow("settings, replacement fails") << false << true << true;
}

// The copy of a file that did not read in full cannot be kept: that file is not
// replaced, and the user is told why.
void KeptCopiesTest::damagedFileStaysWhenItsCopyFails()
{
    QFETCH(bool, ledgerDamaged);
    QFETCH(bool, addsAnAd);
    QFETCH(bool, failCommit);
    Folder f;
    LedgerModel year = sampleYear();
    QByteArray settings = settingsBytes(year);
    if (!ledgerDamaged)
        settings.replace("\"Ad 2\",", "\"Ad 2,"); // one ad line not as the program writes it
    const QByteArray ledger = ledgerDamaged ? damagedLedger(year) : ledgerBytes(year);
    f.put(f.ini, settings);
    f.put(f.qmr, ledger);
    LedgerModel m;
    QCOMPARE(loadFiles(m, f.ini, f.qmr).size(), 1);
    const QString damaged = ledgerDamaged ? f.qmr : f.ini;
    const QString kept = keptCopyName(damaged, Clock::now());
    if (addsAnAd)
        addAd(m);
    m.cell(2, ColPaid, 1) = "5.00";
    m.prices.bwPrice(3) = "7";
    m.ledgerChanged = m.settingsChanged = true;

    for (const bool exitSave : {true, false}) {
        setSaveFault(
            SaveFault{.failAfter = failCommit ? -1 : 0, .persistent = true, .path = kept, .failCommit = failCommit});
        const SaveReport r = exitSave ? saveChangedFiles(m, f.ini, f.qmr, Clock::now())
                                      : saveFilesNow(m, f.ini, f.qmr, Clock::now());
        QCOMPARE(f.bytes(damaged), ledgerDamaged ? ledger : settings);
        QVERIFY(!r.ok());
        QVERIFY2(r.errors.at(0).contains(QDir::toNativeSeparators(damaged) + " was not replaced") &&
                     r.errors.at(0).contains(QDir::toNativeSeparators(kept)),
                 qPrintable(r.errors.join('\n')));
        QVERIFY(r.notices.isEmpty());
        QVERIFY(!QFileInfo::exists(kept));
        QVERIFY(ledgerDamaged ? m.ledgerChanged : m.settingsChanged);
    }
    // Once the copy can be made, the save goes through.
    setSaveFault(SaveFault());
    QVERIFY(saveChangedFiles(m, f.ini, f.qmr, Clock::now()).ok());
    QCOMPARE(f.bytes(kept), ledgerDamaged ? ledger : settings);
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(m));
}

void KeptCopiesTest::copiesAreAsPrivateAsTheirFiles_data()
{
    QTest::addColumn<bool>("throughLinks");
    QTest::newRow("files") << false;
    QTest::newRow("files reached through links") << true;
}

// A pair only its owner can read: the backups, the copy kept of a damaged file
// and the archive copies are just as private, whatever the folder's default.
void KeptCopiesTest::copiesAreAsPrivateAsTheirFiles()
{
    QFETCH(bool, throughLinks);
#ifndef Q_OS_UNIX
    QSKIP("Who may read a file is a matter of its owner's, group's and others' bits on Unix only");
#endif
    Folder f;
    const QString real = f.file("elsewhere");
    QVERIFY(QDir().mkpath(real));
    LedgerModel year = sampleYear();
    const QString ini = throughLinks ? QDir(real).filePath("year.ini") : f.ini;
    const QString qmr = throughLinks ? QDir(real).filePath("year.qmr") : f.qmr;
    f.put(ini, settingsBytes(year));
    f.put(qmr, damagedLedger(year));
    if (throughLinks) {
        QVERIFY(QFile::link(ini, f.ini));
        QVERIFY(QFile::link(qmr, f.qmr));
    }
    for (const QString &path : {ini, qmr})
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QFileDevice::Permissions mode = QFile::permissions(qmr); // with the same bits for this user

    LedgerModel m;
    QCOMPARE(loadFiles(m, f.ini, f.qmr).size(), 1);
    const ArchiveResult archived = archiveYear(m, {f.ini, f.qmr, f.file("program")}, 2027, {});
    QCOMPARE(archived.outcome, ArchiveOutcome::Archived);
    addAd(m);
    const SaveReport r = saveChangedFiles(m, f.ini, f.qmr, Clock::now());
    QVERIFY2(r.ok(), qPrintable(r.errors.join('\n')));

    const QStringList copies = {archived.settingsCopy, archived.ledgerCopy,
                                f.file("QuillmoorAds_kept" + kStamp + ".qmr"), f.file("QuillmoorAds" + kStamp + ".ini"),
                                f.file("QuillmoorAds" + kStamp + ".qmr")};
    for (const QString &copy : copies) {
        QVERIFY2(QFileInfo::exists(copy), qPrintable(copy));
        QVERIFY2(QFile::permissions(copy) == mode, qPrintable(copy));
    }
    // The files saved keep their permissions, and links stay links to them.
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(m));
    for (const QString &path : {ini, qmr})
        QCOMPARE(QFile::permissions(path), mode);
    QCOMPARE(QFileInfo(f.ini).isSymLink(), throughLinks);
    QCOMPARE(QFileInfo(f.qmr).isSymLink(), throughLinks);
}

// The program keeps two sales people: a settings file naming three is not read
// in full, which start-up says, and it is kept before it is saved over.
void KeptCopiesTest::thirdSalesPersonIsNotLostSilently()
{
    Folder f;
    LedgerModel year = sampleYear(1);
    year.salesPeople = {SalesPerson{"Alpha", "10"}, SalesPerson{"Beta", "12"}};
    QByteArray settings = settingsBytes(year);
    settings.replace("\r\n1,2\r\n", "\r\n1,3\r\n");
    settings.replace("\"Beta\",\"12\"\r\n", "\"Beta\",\"12\"\r\n\"Gamma\",\"15\"\r\n");
    f.put(f.ini, settings);
    f.put(f.qmr, ledgerBytes(year));

    LedgerModel m;
    const QStringList warnings = loadFiles(m, f.ini, f.qmr);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.at(0).contains("names 3 sales people, but the program keeps at most 2: line 6 was not read"),
             qPrintable(warnings.at(0)));
    QCOMPARE(m.salesChoices(), QStringList({"Alpha", "Beta", "Owner"}));
    QCOMPARE(m.cells, year.cells);

    m.setSalesPercent(2, "12.5");
    const SaveReport r = saveChangedFiles(m, f.ini, f.qmr, Clock::now());
    QVERIFY2(r.ok(), qPrintable(r.errors.join('\n')));
    QCOMPARE(f.bytes(f.file("QuillmoorAds_kept" + kStamp + ".ini")), settings);
    QCOMPARE(f.bytes(f.ini), settingsBytes(m));
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(year));
}

QTEST_GUILESS_MAIN(KeptCopiesTest)
#include "tst_keptcopies.moc"
