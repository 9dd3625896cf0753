// Start-up and saving with real files: what is on disk after each step, byte
// for byte.

#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/files/SafeSave.h"
#include "core/files/SettingsFile.h"
#include "core/year/YearFiles.h"
#include "YearFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

class YearFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup()
    {
        Clock::reset();
        setSaveFault(SaveFault());
    }

    void addedAdWithAnUnwritableLedgerWritesNeither();
    void gridSaveWritesChangedSettingsToo();
    void settingsWithoutAdsKeepTheirPeoplePricesAndAdvances();
    void olderVersionIsRewrittenAtStartUp();
    void damagedOlderVersionIsNotRewritten();
    void failedUpgradeKeepsTheOlderFile();
    void saveWritesChangedFilesWithBackups();
    void failedSaveMakesNoBackupOfTheStaleFile();
    void failedBackupIsReportedAfterTheFile();
};

// An ad added while the ledger file cannot be written: neither file changes,
// and each error says what its file holds.
void YearFilesTest::addedAdWithAnUnwritableLedgerWritesNeither()
{
    Folder f;
    LedgerModel m = sampleYear(2);
    f.put(f.ini, settingsBytes(m));
    f.put(f.qmr, ledgerBytes(m));
    const QByteArray oldSettings = f.bytes(f.ini);
    const QByteArray oldLedger = f.bytes(f.qmr);
    QVERIFY(loadFiles(m, f.ini, f.qmr).isEmpty());
    addAd(m);
    setSaveFault(SaveFault{.failAfter = 0, .persistent = true, .path = f.qmr});
    const SaveReport r = saveChangedFiles(m, f.ini, f.qmr, Clock::now());
    QCOMPARE(r.errors.size(), 2);
    QVERIFY(r.errors.at(0).contains("ledger file " + QDir::toNativeSeparators(f.qmr) + " could not be written"));
    QVERIFY(r.errors.at(1).contains("settings file " + QDir::toNativeSeparators(f.ini) +
                                    " was not written either and holds what it held before"));
    QCOMPARE(f.bytes(f.ini), oldSettings);
    QCOMPARE(f.bytes(f.qmr), oldLedger);
    QCOMPARE(f.entries(), QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr"}));
    QVERIFY(m.settingsChanged);

    // A restart reads the two files as they were: every cell under its own ad.
    LedgerModel again;
    QVERIFY(loadFiles(again, f.ini, f.qmr).isEmpty());
    QCOMPARE(again.cells, sampleYear(2).cells);
}

// Add an ad, save from the grid, then quit without saving: the files on disk
// still fit together.
void YearFilesTest::gridSaveWritesChangedSettingsToo()
{
    Folder f;
    LedgerModel m = sampleYear(2);
    f.put(f.ini, settingsBytes(m));
    f.put(f.qmr, ledgerBytes(m));
    QVERIFY(loadFiles(m, f.ini, f.qmr).isEmpty());
    addAd(m);
    const SaveReport r = saveFilesNow(m, f.ini, f.qmr, Clock::now());
    QVERIFY(r.ok());
    QCOMPARE(f.bytes(f.ini), settingsBytes(m));
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(m));
    QVERIFY(!m.settingsChanged && !m.ledgerChanged);
    QCOMPARE(f.entries().size(), 2); // no backups from the grid's save
    LedgerModel again;
    QVERIFY(loadFiles(again, f.ini, f.qmr).isEmpty());
    QCOMPARE(again.adCount(), 3);

    // A changed price alone goes with the ledger as well.
    m.prices.bwPrice(2) = "99";
    m.settingsChanged = true;
    QVERIFY(saveFilesNow(m, f.ini, f.qmr, Clock::now()).ok());
    QCOMPARE(f.bytes(f.ini), settingsBytes(m));
}

// A settings file with no ads, but a sales person and prices, and a ledger with
// advances: adding an ad and saving loses none of them.
void YearFilesTest::settingsWithoutAdsKeepTheirPeoplePricesAndAdvances()
{
    Folder f;
    LedgerModel year = sampleYear(0);
    f.put(f.ini, settingsBytes(year));
    f.put(f.qmr, ledgerBytes(year));
    LedgerModel m;
    QVERIFY(loadFiles(m, f.ini, f.qmr).isEmpty());
    QCOMPARE(m.salesChoices(), QStringList({"Delta", "Owner"}));
    QCOMPARE(m.advances, year.advances);
    addAd(m);
    QVERIFY(saveChangedFiles(m, f.ini, f.qmr, Clock::now()).ok());
    addAd(year);
    QCOMPARE(f.bytes(f.ini), settingsBytes(year));
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(year));
    QVERIFY(f.bytes(f.ini).contains("\"Delta\",\"10\"\r\n\"300\",\"\"\r\n"));
    QVERIFY(f.bytes(f.qmr).endsWith("1,0\r\n1,0\r\n\"03/05/2026\",100,0\r\n\"04/05/2026\",0,25.5\r\n"));
}

void YearFilesTest::olderVersionIsRewrittenAtStartUp()
{
    Folder f;
    LedgerModel year = sampleYear(1);
    year.advances = {};
    f.put(f.ini, settingsBytes(year));
    QByteArray older = ledgerBytes(year);
    older.replace("\"1.76\"", "\"1.50\"");
    older.chop(QByteArray("0,0\r\n0,0\r\n").size()); // written before the advances existed
    f.put(f.qmr, older);
    LedgerModel m;
    QVERIFY(loadFiles(m, f.ini, f.qmr).isEmpty());
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(year));

    // A file of 1.60 or later is left as it is.
    QByteArray current = ledgerBytes(year);
    current.replace("\"1.76\"", "\"1.60\"");
    f.put(f.qmr, current);
    LedgerModel again;
    QVERIFY(loadFiles(again, f.ini, f.qmr).isEmpty());
    QCOMPARE(f.bytes(f.qmr), current);
}

// A rewrite would make the damage of an older file permanent.
void YearFilesTest::damagedOlderVersionIsNotRewritten()
{
    Folder f;
    LedgerModel year = sampleYear(1);
    f.put(f.ini, settingsBytes(year));
    QByteArray older = ledgerBytes(year);
    older.replace("\"1.76\"", "\"1.50\"");
    older.replace("\"\",\"\",\"11\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"", "\"\",\"\",\"11\""); // a line cut short
    f.put(f.qmr, older);
    LedgerModel m;
    const QStringList warnings = loadFiles(m, f.ini, f.qmr);
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.at(0).contains("line 2"));
    QCOMPARE(f.bytes(f.qmr), older);
    QCOMPARE(f.entries().size(), 2);
}

void YearFilesTest::failedUpgradeKeepsTheOlderFile()
{
    Folder f;
    LedgerModel year = sampleYear(1);
    f.put(f.ini, settingsBytes(year));
    QByteArray older = ledgerBytes(year);
    older.replace("\"1.76\"", "\"1.50\"");
    f.put(f.qmr, older);
    setSaveFault(SaveFault{.persistent = true, .failCommit = true});
    LedgerModel m;
    const QStringList warnings = loadFiles(m, f.ini, f.qmr);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.at(0).contains("older version (1.50)") && warnings.at(0).contains("kept as it was") &&
                 warnings.at(0).contains("could not replace the old one"),
             qPrintable(warnings.at(0)));
    QCOMPARE(f.bytes(f.qmr), older);
    QCOMPARE(m.cells, year.cells);
}

void YearFilesTest::saveWritesChangedFilesWithBackups()
{
    Folder f;
    LedgerModel m = sampleYear(2);
    m.ledgerChanged = true;
    m.onDisk.adCount = 2; // as if both files were already there
    QVERIFY(saveChangedFiles(m, f.ini, f.qmr, Clock::now()).ok());
    QCOMPARE(f.entries(), QStringList({"QuillmoorAds.qmr", "QuillmoorAds_030326_1405.qmr"}));
    QCOMPARE(f.bytes(f.file("QuillmoorAds_030326_1405.qmr")), f.bytes(f.qmr));
    // A second save in the same minute replaces the backup.
    m.cell(1, ColPaid, 1) = "1.00";
    m.ledgerChanged = m.settingsChanged = true;
    QVERIFY(saveChangedFiles(m, f.ini, f.qmr, Clock::now()).ok());
    QCOMPARE(f.entries().size(), 4);
    QCOMPARE(f.bytes(f.file("QuillmoorAds_030326_1405.qmr")), ledgerBytes(m));
    QCOMPARE(f.bytes(f.file("QuillmoorAds_030326_1405.ini")), settingsBytes(m));
    QVERIFY(!m.ledgerChanged && !m.settingsChanged);
}

// A save that fails makes no time-stamped copy of the file it did not write,
// and says so once for each file.
void YearFilesTest::failedSaveMakesNoBackupOfTheStaleFile()
{
    Folder f;
    LedgerModel m = sampleYear(2);
    f.put(f.ini, settingsBytes(m));
    f.put(f.qmr, ledgerBytes(m));
    QVERIFY(loadFiles(m, f.ini, f.qmr).isEmpty());
    m.prices.colourPrice(3) = "1";
    m.cell(1, ColPaid, 1) = "1.00";
    m.settingsChanged = m.ledgerChanged = true;
    setSaveFault(SaveFault{.failAfter = 3, .persistent = true});
    const SaveReport r = saveChangedFiles(m, f.ini, f.qmr, Clock::now());
    QCOMPARE(r.errors.size(), 2);
    QVERIFY(r.errors.at(0).contains(QDir::toNativeSeparators(f.ini)));
    QVERIFY(r.errors.at(1).contains(QDir::toNativeSeparators(f.qmr)));
    QCOMPARE(f.entries(), QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr"}));
    // Only the ledger fails: the settings file and its backup are written, the ledger's is not.
    setSaveFault(SaveFault{.failAfter = 3, .persistent = true, .path = f.qmr});
    const SaveReport second = saveChangedFiles(m, f.ini, f.qmr, Clock::now());
    QCOMPARE(second.errors.size(), 1);
    QCOMPARE(f.entries(), QStringList({"QuillmoorAds.ini", "QuillmoorAds.qmr", "QuillmoorAds_030326_1405.ini"}));
    QVERIFY(!m.settingsChanged && m.ledgerChanged);
}

void YearFilesTest::failedBackupIsReportedAfterTheFile()
{
    Folder f;
    QDir(f.dir.path()).mkdir("QuillmoorAds_030326_1405.qmr"); // a folder where the backup should go
    LedgerModel m = sampleYear(2);
    m.onDisk.adCount = 2;
    m.ledgerChanged = true;
    const SaveReport r = saveChangedFiles(m, f.ini, f.qmr, Clock::now());
    QCOMPARE(r.errors.size(), 1);
    QVERIFY(r.errors.at(0).contains("backup"));
    QVERIFY(r.errors.at(0).contains(QDir::toNativeSeparators(f.file("QuillmoorAds_030326_1405.qmr"))));
    QCOMPARE(f.bytes(f.qmr), ledgerBytes(m)); // the file itself was written
    QVERIFY(!m.ledgerChanged);
}

QTEST_GUILESS_MAIN(YearFilesTest)
#include "tst_yearfiles.moc"
