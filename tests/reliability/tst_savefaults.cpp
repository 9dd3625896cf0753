// A save is all or nothing: whatever the disk does, the file on disk keeps its
// exact old bytes until a new one is complete, nothing is left beside it, and the
// changed flag stays set so the user can try again.

#include "core/Clock.h"
#include "core/files/DataFiles.h"
#include "FailingDevice.h"
#include "core/LedgerModel.h"
#include "core/files/LineFormat.h"
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
    SaveResult (*save)(const QString &, LedgerModel &);
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
    void folderBelowAPlainFile();
    void targetIsAFolder();
    void folderMissing();

private:
    void refusedEverywhere(const QString &folder, const QString &settingsPath, const QString &ledgerPath);

    // Saves that met a failure: on a device, on the disk, on a path nobody can write.
    int m_devicePoints = 0;
    int m_diskPoints = 0;
    int m_pathPoints = 0;
};

void SaveFaultTest::cleanupTestCase()
{
    qInfo("failure points tried: %d (%d on a device, %d on the disk, %d on unwritable paths)",
          m_devicePoints + m_diskPoints + m_pathPoints, m_devicePoints, m_diskPoints, m_pathPoints);
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
                const bool ok = writeSettings(device, m, &error);
                QVERIFY2(ok == (k == settings.size()), qPrintable(QString("settings, k=%1, %2").arg(k).arg(modeName(persistent))));
                QVERIFY(ok ? error.isEmpty() : !error.isEmpty());
                if (ok)
                    QCOMPARE(device.written, settings);
                m_devicePoints += !ok;
            }
            for (qint64 k = 0; k <= ledger.size(); ++k) {
                FailingDevice device(k, persistent);
                QString error;
                const bool ok = writeLedger(device, m, &error);
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
                    setSaveFault(SaveFault{k, persistent});
                    m.*file.changed = true;
                    const SaveResult r = file.save(path, m);
                    if (k == after.size()) {
                        // The disk takes it all: the save goes through.
                        QVERIFY2(r.ok, qPrintable(where));
                        QVERIFY2(!(m.*file.changed), qPrintable(where));
                        QVERIFY2(fileBytes(path) == after, qPrintable(where));
                    } else {
                        QVERIFY2(!r.ok, qPrintable(where));
                        QVERIFY2(r.error.contains(QDir::toNativeSeparators(path)), qPrintable(where + ": " + r.error));
                        QVERIFY2(m.*file.changed, qPrintable(where));
                        QVERIFY2(fileBytes(path) == before, qPrintable(where));
                        QVERIFY2(folderEntries(dir.path()) == entries, qPrintable(where + ": " + folderEntries(dir.path()).join(' ')));
                        // Once the disk has room again a retry saves; a disk that stays full refuses again.
                        const SaveResult retry = file.save(path, m);
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

// Both files refused, and nothing changed on disk.
void SaveFaultTest::refusedEverywhere(const QString &folder, const QString &settingsPath, const QString &ledgerPath)
{
    const QStringList entries = folderEntries(folder);
    LedgerModel m;
    RandomLedger(7).fill(m, 3);
    m.settingsChanged = true;
    m.ledgerChanged = true;
    const SaveResult s = writeSettingsFile(settingsPath, m);
    const SaveResult l = writeLedgerFile(ledgerPath, m);
    QVERIFY(!s.ok);
    QVERIFY(!l.ok);
    QVERIFY2(s.error.contains("could not be written") && s.error.contains(QDir::toNativeSeparators(settingsPath)),
             qPrintable(s.error));
    QVERIFY2(l.error.contains("could not be written") && l.error.contains(QDir::toNativeSeparators(ledgerPath)),
             qPrintable(l.error));
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
