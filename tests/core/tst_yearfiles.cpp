// Start-up and saving with real files: what is on disk after each step, byte
// for byte, including the copies kept of files that did not read cleanly.

#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/files/SafeSave.h"
#include "core/files/SettingsFile.h"
#include "core/year/YearFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

namespace {

const QString kStamp = QStringLiteral("_030326_1405");

// A folder with the two files of a year.
struct Folder
{
    QTemporaryDir dir;
    QString ini = dir.filePath("QuillmoorAds.ini");
    QString qmr = dir.filePath("QuillmoorAds.qmr");

    QString file(const QString &name) const { return dir.filePath(name); }
    QByteArray bytes(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void put(const QString &path, const QByteArray &data) const
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

// Three ads, a sales person, prices, cells in every issue and both advance ledgers.
LedgerModel sampleYear(int ads = 3)
{
    LedgerModel m;
    for (int i = 1; i <= ads; ++i)
        m.ads << AdRecord{QString("Ad %1").arg(i), {QString(QChar(CHECKMARK)), {}, {}, {}}};
    m.salesPeople = {SalesPerson{"Delta", "10"}};
    m.prices.colourPrice(1) = "300";
    m.resizeLedger(ads);
    for (int issue = 1; issue <= kIssueCount; ++issue)
        for (int ad = 1; ad <= ads; ++ad)
            m.cell(issue, ColNumber, ad) = QString::number(issue * 10 + ad);
    m.ledgerYear = 2026;
    m.advances[0] = {AdvanceEntry{"03/05/2026", 100, 0}};
    m.advances[1] = {AdvanceEntry{"04/05/2026", 0, 25.5}};
    return m;
}

void addAd(LedgerModel &m)
{
    m.ads << AdRecord{"New", {}};
    m.resizeLedger(m.adCount());
    m.settingsChanged = true;
}

} // namespace

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

    void ledgerWithoutSettingsIsKeptBeforeItIsReplaced();
    void damagedLineKeepsTheRestOfTheYear();
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

// Only the ledger file in the folder: it is not read, and the first save that
// replaces it keeps it beside it first.
void YearFilesTest::ledgerWithoutSettingsIsKeptBeforeItIsReplaced()
{
    Folder f;
    LedgerModel year = sampleYear();
    const QByteArray oldLedger = ledgerBytes(year);
    f.put(f.qmr, oldLedger);

    LedgerModel m;
    const QStringList warnings = loadFiles(m, f.ini, f.qmr);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.at(0).contains(QDir::toNativeSeparators(f.qmr)) &&
                 warnings.at(0).contains(QDir::toNativeSeparators(f.ini)) && warnings.at(0).contains("was not found"),
             qPrintable(warnings.at(0)));
    QCOMPARE(m.adCount(), 0);

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
void YearFilesTest::damagedLineKeepsTheRestOfTheYear()
{
    Folder f;
    LedgerModel year = sampleYear();
    f.put(f.ini, settingsBytes(year));
    QList<QByteArray> lines = ledgerBytes(year).split('\n');
    lines[4] = lines[4].left(lines[4].lastIndexOf(',')) + "\r"; // the fifth line lacks its last cell
    const QByteArray damaged = lines.join('\n');
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
