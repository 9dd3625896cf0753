// A save is all or nothing: whatever the disk does, the file on disk keeps its
// exact old bytes until a new one is complete, nothing is left beside it, and the
// changed flag stays set so the user can try again.

#include "core/Clock.h"
#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"
#include "FailingDevice.h"
#include "core/LedgerModel.h"
#include "core/files/SafeSave.h"
#include "core/year/YearFiles.h"
#include "RandomLedger.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

// Small years of one to four ads, their texts random.
const quint32 kSeeds[] = {11, 2026, 90210};
int adCountFor(quint32 seed) { return 1 + int(seed % 3); }

// The two ways a disk fails: once (a retry then succeeds) or until it is fixed.
const bool kModes[] = {false, true};
const char *modeName(bool persistent) { return persistent ? "fails forever" : "fails once"; }

// One of the two data files, with what saving it means for the model.
struct DataFile
{
    const char *name;
    QByteArray (*bytes)(LedgerModel &);
    FileResult (*save)(const QString &, LedgerModel &);
    bool LedgerModel::*changed;
};

QByteArray settingsOf(LedgerModel &m) { return settingsBytes(m); }
QByteArray ledgerOf(LedgerModel &m) { return ledgerBytes(m); }

const DataFile kFiles[] = {
    {"QuillmoorAds.ini", settingsOf, writeSettingsFile, &LedgerModel::settingsChanged},
    {"QuillmoorAds.qmr", ledgerOf, writeLedgerFile, &LedgerModel::ledgerChanged},
};

} // namespace

class SaveFaultTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup()
    {
        setSaveFault(SaveFault());
        Clock::reset();
    }
    void cleanupTestCase();

    void deviceFailingAfterEveryByte();
    void diskFailingAfterEveryByte();
    void replacementFailing();
    void twoFilesFailingInTheSecondFile();
    void twoFilesFailingInTheFirstFile();
    void twoNewFilesFailingInTheSecondFile();
    void twoFilesWhoseRestoreFails();
    void folderBelowAPlainFile();
    void targetIsAFolder();
    void folderMissing();

private:
    void refusedEverywhere(const QString &folder, const QString &settingsPath, const QString &ledgerPath);

    // Saves that met a failure: on a device, on the disk, on a path nobody can write.
    int m_devicePoints = 0;
    int m_diskPoints = 0;
    int m_pathPoints = 0;
    int m_pairPoints = 0;
};

void SaveFaultTest::cleanupTestCase()
{
    qInfo("failure points tried: %d (%d on a device, %d on the disk, %d on unwritable paths, %d in two-file saves)",
          m_devicePoints + m_diskPoints + m_pathPoints + m_pairPoints, m_devicePoints, m_diskPoints, m_pathPoints,
          m_pairPoints);
}

// Writing to a device that takes k bytes and then fails, for every k.
void SaveFaultTest::deviceFailingAfterEveryByte()
{
    for (const quint32 seed : kSeeds) {
        LedgerModel m;
        RandomLedger(seed).fill(m, adCountFor(seed));
        const QByteArray settings = settingsBytes(m);
        const QByteArray ledger = ledgerBytes(m);
        for (const bool persistent : kModes) {
            for (qint64 k = 0; k <= settings.size(); ++k) {
                FailingDevice device(k, persistent);
                QString error;
                const bool ok = writeAllTo(device, settings, &error);
                QVERIFY2(ok == (k == settings.size()), qPrintable(QString("settings, k=%1, %2").arg(k).arg(modeName(persistent))));
                QVERIFY(ok ? error.isEmpty() : !error.isEmpty());
                if (ok)
                    QCOMPARE(device.written, settings);
                m_devicePoints += !ok;
            }
            for (qint64 k = 0; k <= ledger.size(); ++k) {
                FailingDevice device(k, persistent);
                QString error;
                const bool ok = writeAllTo(device, ledger, &error);
                QVERIFY2(ok == (k == ledger.size()), qPrintable(QString("ledger, k=%1, %2").arg(k).arg(modeName(persistent))));
                QVERIFY(ok ? error.isEmpty() : !error.isEmpty());
                if (ok)
                    QCOMPARE(device.written, ledger);
                m_devicePoints += !ok;
            }
        }
    }
}

// Saving a real file through a disk that fills after k bytes, for every k up to
// the size of the new file, in both modes.
void SaveFaultTest::diskFailingAfterEveryByte()
{
    for (const quint32 seed : {kSeeds[0], kSeeds[1]}) {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        RandomLedger random(seed);
        LedgerModel m;
        random.fill(m, adCountFor(seed));
        for (const DataFile &file : kFiles)
            QVERIFY(file.save(dir.filePath(file.name), m).ok);
        const QStringList entries = folderEntries(dir.path());
        QCOMPARE(entries.size(), 2);

        // The user changes a little of everything, the ads and their count included.
        random.fill(m, m.adCount() + 1);
        for (const DataFile &file : kFiles) {
            const QString path = dir.filePath(file.name);
            const QByteArray before = fileBytes(path);
            const QByteArray after = file.bytes(m);
            QVERIFY(before != after);
            for (const bool persistent : kModes) {
                for (qint64 k = 0; k <= after.size(); ++k) {
                    const QString where = QString("%1, k=%2 of %3, %4").arg(file.name).arg(k).arg(after.size()).arg(modeName(persistent));
                    setSaveFault(SaveFault{.failAfter = k, .persistent = persistent});
                    m.*file.changed = true;
                    const FileResult r = file.save(path, m);
                    if (k == after.size()) {
                        // The disk takes it all: the save goes through.
                        QVERIFY2(r.ok, qPrintable(where));
                        QVERIFY2(!(m.*file.changed), qPrintable(where));
                        QVERIFY2(fileBytes(path) == after, qPrintable(where));
                    } else {
                        QVERIFY2(!r.ok, qPrintable(where));
                        QVERIFY2(r.message.contains(QDir::toNativeSeparators(path)), qPrintable(where + ": " + r.message));
                        QVERIFY2(m.*file.changed, qPrintable(where));
                        QVERIFY2(fileBytes(path) == before, qPrintable(where));
                        QVERIFY2(folderEntries(dir.path()) == entries, qPrintable(where + ": " + folderEntries(dir.path()).join(' ')));
                        // Once the disk has room again a retry saves; a disk that stays full refuses again.
                        const FileResult retry = file.save(path, m);
                        QVERIFY2(retry.ok == !persistent, qPrintable(where));
                        QVERIFY2(m.*file.changed == persistent, qPrintable(where));
                        QVERIFY2(fileBytes(path) == (persistent ? before : after), qPrintable(where));
                        QVERIFY2(folderEntries(dir.path()) == entries, qPrintable(where));
                        ++m_diskPoints;
                    }
                    setSaveFault(SaveFault());
                    QVERIFY(putFile(path, before));
                }
            }
        }
    }
}

// The last step of a save, putting the new file in place of the old one, fails.
void SaveFaultTest::replacementFailing()
{
    QTemporaryDir dir;
    RandomLedger random(kSeeds[0]);
    LedgerModel m;
    random.fill(m, 2);
    for (const DataFile &file : kFiles)
        QVERIFY(file.save(dir.filePath(file.name), m).ok);
    const QStringList entries = folderEntries(dir.path());
    random.fill(m, 3);
    for (const DataFile &file : kFiles) {
        const QString path = dir.filePath(file.name);
        const QByteArray before = fileBytes(path);
        for (const bool persistent : kModes) {
            setSaveFault(SaveFault{.persistent = persistent, .failCommit = true});
            m.*file.changed = true;
            const FileResult r = file.save(path, m);
            QVERIFY2(!r.ok, file.name);
            QVERIFY2(r.message.contains(QDir::toNativeSeparators(path)), qPrintable(r.message));
            QVERIFY(m.*file.changed);
            QCOMPARE(fileBytes(path), before);
            QCOMPARE(folderEntries(dir.path()), entries);
            ++m_diskPoints;
            setSaveFault(SaveFault());
        }
    }
}

namespace {

// Two files on disk with two ads, and a model to which the user added a third:
// a save must write both files or neither.
struct TwoFiles
{
    QTemporaryDir dir;
    QString settingsPath = dir.filePath("QuillmoorAds.ini");
    QString ledgerPath = dir.filePath("QuillmoorAds.qmr");
    LedgerModel m;
    QByteArray oldSettings, oldLedger, newSettings, newLedger;

    // A small year, so that every byte of both files can be a failure point.
    explicit TwoFiles(quint32 seed)
    {
        m.ads = {AdRecord{QStringLiteral("A"), {QString(QChar(CHECKMARK)), {}, {}, {}}}, AdRecord{QStringLiteral("B"), {}}};
        m.salesPeople = {SalesPerson{QStringLiteral("Delta"), QStringLiteral("10")}};
        m.resizeLedger(2);
        m.cell(1 + int(seed % 12), ColSalesPerson, 1) = QStringLiteral("Delta");
        m.cell(13, ColSale, 2) = QStringLiteral("300.00");
        m.advances[0] = {AdvanceEntry{QStringLiteral("03/05/2026"), 100, 0}};
        putFile(settingsPath, settingsBytes(m));
        putFile(ledgerPath, ledgerBytes(m));
        loadFiles(m, settingsPath, ledgerPath);
        oldSettings = fileBytes(settingsPath);
        oldLedger = fileBytes(ledgerPath);
        m.ads << AdRecord{QStringLiteral("Added"), {}};
        m.resizeLedger(3);
        m.cell(4, ColNumber, 3) = QStringLiteral("2");
        m.settingsChanged = m.ledgerChanged = true;
        newSettings = settingsBytes(m);
        newLedger = ledgerBytes(m);
    }
    bool bothOld() const { return fileBytes(settingsPath) == oldSettings && fileBytes(ledgerPath) == oldLedger; }
    bool bothNew() const { return fileBytes(settingsPath) == newSettings && fileBytes(ledgerPath) == newLedger; }
};

// The ways the disk can refuse one file of a save: full after k bytes, for
// every k, and a replacement that fails.
QList<SaveFault> faultsFor(const QString &path, qint64 size)
{
    QList<SaveFault> faults;
    for (const bool persistent : kModes) {
        for (qint64 k = 0; k < size; ++k)
            faults << SaveFault{.failAfter = k, .persistent = persistent, .path = path};
        faults << SaveFault{.persistent = persistent, .path = path, .failCommit = true};
    }
    return faults;
}

} // namespace

void SaveFaultTest::twoFilesFailingInTheSecondFile()
{
    for (const bool exitSave : {true, false}) {
        TwoFiles f(kSeeds[1]);
        const QStringList entries = folderEntries(f.dir.path());
        for (const SaveFault &fault : faultsFor(f.ledgerPath, f.newLedger.size())) {
            const QString where = QString("%1, ledger k=%2, commit %3, %4")
                                      .arg(exitSave ? "exit save" : "grid save")
                                      .arg(fault.failAfter)
                                      .arg(fault.failCommit)
                                      .arg(modeName(fault.persistent));
            setSaveFault(fault);
            const SaveReport r = exitSave ? saveChangedFiles(f.m, f.settingsPath, f.ledgerPath, Clock::now())
                                          : saveFilesNow(f.m, f.settingsPath, f.ledgerPath, Clock::now());
            setSaveFault(SaveFault());
            QVERIFY2(f.bothOld(), qPrintable(where));
            // One error per file, saying what each holds; no backup of a file not written.
            QCOMPARE(r.errors.size(), 2);
            QVERIFY2(r.errors.at(0).contains(QDir::toNativeSeparators(f.ledgerPath)) &&
                         r.errors.at(0).contains("could not be written"),
                     qPrintable(r.errors.at(0)));
            QVERIFY2(r.errors.at(1).contains(QDir::toNativeSeparators(f.settingsPath)) &&
                         r.errors.at(1).contains("holds what it held before"),
                     qPrintable(r.errors.at(1)));
            QVERIFY(f.m.settingsChanged && f.m.ledgerChanged);
            QVERIFY2(folderEntries(f.dir.path()) == entries, qPrintable(where + ": " + folderEntries(f.dir.path()).join(' ')));
            ++m_pairPoints;
        }
        // With the disk mended, both are written.
        const SaveReport r = exitSave ? saveChangedFiles(f.m, f.settingsPath, f.ledgerPath, Clock::now())
                                      : saveFilesNow(f.m, f.settingsPath, f.ledgerPath, Clock::now());
        QVERIFY2(r.ok(), qPrintable(r.errors.join('\n')));
        QVERIFY(f.bothNew());
        QVERIFY(!f.m.settingsChanged && !f.m.ledgerChanged);
        QCOMPARE(folderEntries(f.dir.path()).size(), exitSave ? 4 : 2);
    }
}

void SaveFaultTest::twoFilesFailingInTheFirstFile()
{
    TwoFiles f(kSeeds[2]);
    const QStringList entries = folderEntries(f.dir.path());
    for (const SaveFault &fault : faultsFor(f.settingsPath, f.newSettings.size())) {
        setSaveFault(fault);
        const SaveReport r = saveChangedFiles(f.m, f.settingsPath, f.ledgerPath, Clock::now());
        setSaveFault(SaveFault());
        QVERIFY(f.bothOld());
        QCOMPARE(r.errors.size(), 2);
        QVERIFY(r.errors.at(0).contains(QDir::toNativeSeparators(f.settingsPath)));
        QVERIFY(r.errors.at(1).contains(QDir::toNativeSeparators(f.ledgerPath)));
        QCOMPARE(folderEntries(f.dir.path()), entries);
        ++m_pairPoints;
    }
}

// Neither file exists yet: when the second cannot be written, the first is
// removed again, and the folder is as empty as it was.
void SaveFaultTest::twoNewFilesFailingInTheSecondFile()
{
    QTemporaryDir dir;
    const QString first = dir.filePath("QuillmoorAds.ini");
    const QString second = dir.filePath("QuillmoorAds.qmr");
    const QByteArray bytes = "\"1.76\",2026\r\n0,0\r\n0,0\r\n";
    for (const SaveFault &fault : faultsFor(second, bytes.size())) {
        const QString where =
            QString("k=%1, commit %2, %3").arg(fault.failAfter).arg(fault.failCommit).arg(modeName(fault.persistent));
        setSaveFault(fault);
        const TogetherResult r = saveTogether({{first, "\"1.76\"\r\n"}, {second, bytes}});
        setSaveFault(SaveFault());
        QVERIFY2(!r.ok && r.failed == 1, qPrintable(where));
        QVERIFY2(r.holdsNew == QList<bool>({false, false}) && r.restoreError.isEmpty(), qPrintable(where));
        QVERIFY2(folderEntries(dir.path()).isEmpty(), qPrintable(where + ": " + folderEntries(dir.path()).join(' ')));
        ++m_pairPoints;
    }
}

// The second file cannot replace its old one, and the first cannot get its
// old bytes back either: the message says which file holds what.
void SaveFaultTest::twoFilesWhoseRestoreFails()
{
    TwoFiles f(kSeeds[0]);
    setSaveFault(SaveFault{.persistent = true, .failCommit = true, .passCommits = 1});
    const SaveReport r = saveChangedFiles(f.m, f.settingsPath, f.ledgerPath, Clock::now());
    setSaveFault(SaveFault());
    QCOMPARE(fileBytes(f.settingsPath), f.newSettings);
    QCOMPARE(fileBytes(f.ledgerPath), f.oldLedger);
    QCOMPARE(r.errors.size(), 2);
    QVERIFY(r.errors.at(0).contains(QDir::toNativeSeparators(f.ledgerPath)));
    QVERIFY2(r.errors.at(1).contains("settings file " + QDir::toNativeSeparators(f.settingsPath) +
                                     " already holds the new 3 ads, but the ledger file still holds the old ledger"),
             qPrintable(r.errors.at(1)));
    QVERIFY(f.m.settingsChanged && f.m.ledgerChanged);
    // The next save writes both again.
    QVERIFY(saveChangedFiles(f.m, f.settingsPath, f.ledgerPath, Clock::now()).ok());
    QVERIFY(f.bothNew());
    ++m_pairPoints;
}

// Both files refused, and nothing changed on disk.
void SaveFaultTest::refusedEverywhere(const QString &folder, const QString &settingsPath, const QString &ledgerPath)
{
    const QStringList entries = folderEntries(folder);
    LedgerModel m;
    RandomLedger(7).fill(m, 3);
    m.settingsChanged = true;
    m.ledgerChanged = true;
    const FileResult s = writeSettingsFile(settingsPath, m);
    const FileResult l = writeLedgerFile(ledgerPath, m);
    QVERIFY(!s.ok);
    QVERIFY(!l.ok);
    QVERIFY2(s.message.contains("could not be written") && s.message.contains(QDir::toNativeSeparators(settingsPath)),
             qPrintable(s.message));
    QVERIFY2(l.message.contains("could not be written") && l.message.contains(QDir::toNativeSeparators(ledgerPath)),
             qPrintable(l.message));
    QVERIFY(m.settingsChanged);
    QVERIFY(m.ledgerChanged);
    QCOMPARE(folderEntries(folder), entries);
    m_pathPoints += 2;
}

// Root may write into any folder, but nobody can create a file below a plain file.
void SaveFaultTest::folderBelowAPlainFile()
{
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("not-a-folder"), "x"));
    refusedEverywhere(dir.path(), dir.filePath("not-a-folder/QuillmoorAds.ini"),
                      dir.filePath("not-a-folder/QuillmoorAds.qmr"));
    QCOMPARE(fileBytes(dir.filePath("not-a-folder")), QByteArray("x"));
}

// Nobody can replace a folder by a file, root included.
void SaveFaultTest::targetIsAFolder()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("QuillmoorAds.ini"));
    QVERIFY(QDir(dir.path()).mkdir("QuillmoorAds.qmr"));
    QVERIFY(putFile(dir.filePath("QuillmoorAds.qmr/inside"), "kept"));
    refusedEverywhere(dir.path(), dir.filePath("QuillmoorAds.ini"), dir.filePath("QuillmoorAds.qmr"));
    QVERIFY(QFileInfo(dir.filePath("QuillmoorAds.ini")).isDir());
    QCOMPARE(folderEntries(dir.filePath("QuillmoorAds.qmr")), QStringList{"inside"});
    QCOMPARE(fileBytes(dir.filePath("QuillmoorAds.qmr/inside")), QByteArray("kept"));
}

void SaveFaultTest::folderMissing()
{
    QTemporaryDir dir;
    refusedEverywhere(dir.path(), dir.filePath("gone/QuillmoorAds.ini"), dir.filePath("gone/QuillmoorAds.qmr"));
}

QTEST_GUILESS_MAIN(SaveFaultTest)
#include "tst_savefaults.moc"
