// A second copy of the program on the same ledger is noticed at start-up; the
// lock says what it found and never asks the user itself.

#include "core/year/LedgerLock.h"
#include "RandomLedger.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace qm;
using namespace qm::testing;

namespace {

// Another copy of the program holding the ledger's lock, in a process of its own.
class OtherCopy
{
public:
    explicit OtherCopy(const QString &ledgerFile)
    {
        m_process.start(QStringLiteral(QM_RELIABILITY_HELPER), {"hold-lock", ledgerFile});
    }
    ~OtherCopy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    bool waitUntilLocked()
    {
        if (!m_process.waitForStarted(10000))
            return false;
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(20000))
                return false;
        }
        return m_process.readLine() == "locked\n";
    }
    // Quits the way the program does: the lock goes with it.
    bool quit()
    {
        m_process.closeWriteChannel();
        return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::NormalExit &&
               m_process.exitCode() == 0;
    }
    // Dies without a chance to clean up.
    bool crash()
    {
        m_process.kill();
        return m_process.waitForFinished(10000) && m_process.exitStatus() == QProcess::CrashExit;
    }

private:
    QProcess m_process;
};

} // namespace

class LedgerLockTest : public QObject
{
    Q_OBJECT

private slots:
    void freeLedgerIsTakenSilently();
    void otherCopyHoldsTheLock();
    void lockIsFreeAgainWhenTheOtherCopyQuits();
    void staleLockOfACrashedCopyIsTakenOver();
    void lockWithoutOwnerIsTakenOver();
    void secondLockInTheSameProcessIsRefused();
    void unwritableFolderNeverBlocks();
};

void LedgerLockTest::freeLedgerIsTakenSilently()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    {
        LedgerLock lock(ledgerFile);
        QCOMPARE(lock.acquire(), LockOutcome::Acquired);
        QVERIFY(lock.isLocked());
        QCOMPARE(lock.acquire(), LockOutcome::Acquired); // taking it again changes nothing
        QCOMPARE(QFileInfo(LedgerLock::lockFilePath(ledgerFile)).dir(), QFileInfo(ledgerFile).dir());
        QVERIFY(QFileInfo::exists(LedgerLock::lockFilePath(ledgerFile)));
    }
        QVERIFY(!QFileInfo::exists(LedgerLock::lockFilePath(ledgerFile)));
    QCOMPARE(folderEntries(dir.path()), QStringList());
}

void LedgerLockTest::otherCopyHoldsTheLock()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    OtherCopy other(ledgerFile);
    QVERIFY(other.waitUntilLocked());

    LedgerLock lock(ledgerFile);
    QCOMPARE(lock.acquire(), LockOutcome::HeldByAnotherCopy);
    QVERIFY(!lock.isLocked()); // the other copy keeps its lock
    QCOMPARE(lock.acquire(), LockOutcome::HeldByAnotherCopy);
    QVERIFY(other.quit());
    // Once it has quit, the ledger is free.
    QCOMPARE(lock.acquire(), LockOutcome::Acquired);
    QVERIFY(lock.isLocked());
}

void LedgerLockTest::lockIsFreeAgainWhenTheOtherCopyQuits()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    OtherCopy other(ledgerFile);
    QVERIFY(other.waitUntilLocked());
    QVERIFY(other.quit());
    QVERIFY(!QFileInfo::exists(LedgerLock::lockFilePath(ledgerFile)));

    LedgerLock lock(ledgerFile);
    QCOMPARE(lock.acquire(), LockOutcome::Acquired);
    QVERIFY(lock.isLocked());
    }

void LedgerLockTest::staleLockOfACrashedCopyIsTakenOver()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    OtherCopy other(ledgerFile);
    QVERIFY(other.waitUntilLocked());
    QVERIFY(other.crash());
    const QString lockFile = LedgerLock::lockFilePath(ledgerFile);
    QVERIFY(QFileInfo::exists(lockFile)); // left behind

    {
        LedgerLock lock(ledgerFile);
        QCOMPARE(lock.acquire(), LockOutcome::Acquired);
        QVERIFY(lock.isLocked());
                QVERIFY(fileBytes(lockFile).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    }
    QVERIFY(!QFileInfo::exists(lockFile));
}

// A crash between creating the lock file and writing its owner into it leaves
// a lock that names nobody.
void LedgerLockTest::lockWithoutOwnerIsTakenOver()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    const QString lockFile = LedgerLock::lockFilePath(ledgerFile);
    for (const QByteArray &left : {QByteArray(), QByteArray("\n\n"), QByteArray("garbage")}) {
        QVERIFY(putFile(lockFile, left));
        LedgerLock lock(ledgerFile);
        QCOMPARE(lock.acquire(), LockOutcome::Acquired);
        QVERIFY(lock.isLocked());
        QVERIFY(fileBytes(lockFile).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    }
    }

void LedgerLockTest::secondLockInTheSameProcessIsRefused()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    LedgerLock first(ledgerFile);
    QCOMPARE(first.acquire(), LockOutcome::Acquired);
    LedgerLock second(ledgerFile);
    QCOMPARE(second.acquire(), LockOutcome::HeldByAnotherCopy);
    QVERIFY(!second.isLocked());
    QVERIFY(first.isLocked());
}

// Root may write anywhere, but nobody can create a lock file below a plain file:
// the ledger then opens without a lock.
void LedgerLockTest::unwritableFolderNeverBlocks()
{
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("not-a-folder"), "x"));
    const QString ledgerFile = dir.filePath("not-a-folder/QuillmoorAds.qmr");
    LedgerLock lock(ledgerFile);
    QCOMPARE(lock.acquire(), LockOutcome::NoLockPossible);
    QVERIFY(!lock.isLocked());
        QCOMPARE(folderEntries(dir.path()), QStringList{"not-a-folder"});
}

QTEST_GUILESS_MAIN(LedgerLockTest)
#include "tst_ledgerlock.moc"
