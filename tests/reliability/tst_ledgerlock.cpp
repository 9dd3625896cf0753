// A second copy of the program on the same ledger is noticed at start-up.

#include "core/year/LedgerLock.h"
#include "core/Messages.h"
#include "RandomLedger.h"
#include "ScriptedMessages.h"

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
    void otherCopyAsksAndQuits();
    void otherCopyAsksAndOpensAnyway();
    void lockIsFreeAgainWhenTheOtherCopyQuits();
    void staleLockOfACrashedCopyIsTakenOver();
    void lockWithoutOwnerIsTakenOver();
    void secondLockInTheSameProcessAsks();
    void unwritableFolderNeverBlocks();
};

void LedgerLockTest::freeLedgerIsTakenSilently()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    ScriptedMessages messages;
    {
        LedgerLock lock(ledgerFile);
        QVERIFY(lock.acquireOrAsk());
        QVERIFY(lock.isLocked());
        QVERIFY(lock.acquireOrAsk()); // asking again changes nothing
        QCOMPARE(QFileInfo(LedgerLock::lockFilePath(ledgerFile)).dir(), QFileInfo(ledgerFile).dir());
        QVERIFY(QFileInfo::exists(LedgerLock::lockFilePath(ledgerFile)));
    }
    QVERIFY(messages.asked.isEmpty());
    QVERIFY(!QFileInfo::exists(LedgerLock::lockFilePath(ledgerFile)));
    QCOMPARE(folderEntries(dir.path()), QStringList());
}

void LedgerLockTest::otherCopyAsksAndQuits()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    OtherCopy other(ledgerFile);
    QVERIFY(other.waitUntilLocked());

    ScriptedMessages messages;
    messages.answers << MessageAnswer::No;
    LedgerLock lock(ledgerFile);
    QVERIFY(!lock.acquireOrAsk());
    QVERIFY(!lock.isLocked());
    QCOMPARE(messages.asked.size(), 1);
    const MessageRequest &asked = messages.asked.first();
    QVERIFY2(asked.text.contains(QDir::toNativeSeparators(ledgerFile)), qPrintable(asked.text));
    QVERIFY2(asked.text.contains("already open in another copy of Quillmoor Ad Sales"), qPrintable(asked.text));
    QVERIFY2(asked.text.contains("open it anyway?"), qPrintable(asked.text));
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QCOMPARE(asked.icon, MessageIcon::Warning);
    QVERIFY(other.quit());
}

void LedgerLockTest::otherCopyAsksAndOpensAnyway()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    OtherCopy other(ledgerFile);
    QVERIFY(other.waitUntilLocked());

    ScriptedMessages messages;
    messages.answers << MessageAnswer::Yes;
    LedgerLock lock(ledgerFile);
    QVERIFY(lock.acquireOrAsk());
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY(!lock.isLocked()); // the other copy keeps its lock
    QVERIFY(other.quit());
}

void LedgerLockTest::lockIsFreeAgainWhenTheOtherCopyQuits()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    OtherCopy other(ledgerFile);
    QVERIFY(other.waitUntilLocked());
    QVERIFY(other.quit());
    QVERIFY(!QFileInfo::exists(LedgerLock::lockFilePath(ledgerFile)));

    ScriptedMessages messages;
    LedgerLock lock(ledgerFile);
    QVERIFY(lock.acquireOrAsk());
    QVERIFY(lock.isLocked());
    QVERIFY(messages.asked.isEmpty());
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

    ScriptedMessages messages;
    {
        LedgerLock lock(ledgerFile);
        QVERIFY(lock.acquireOrAsk());
        QVERIFY(lock.isLocked());
        QVERIFY(messages.asked.isEmpty());
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
    ScriptedMessages messages;
    for (const QByteArray &left : {QByteArray(), QByteArray("\n\n"), QByteArray("garbage")}) {
        QVERIFY(putFile(lockFile, left));
        LedgerLock lock(ledgerFile);
        QVERIFY(lock.acquireOrAsk());
        QVERIFY(lock.isLocked());
        QVERIFY(fileBytes(lockFile).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    }
    QVERIFY(messages.asked.isEmpty());
}

void LedgerLockTest::secondLockInTheSameProcessAsks()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    ScriptedMessages messages;
    messages.answers << MessageAnswer::No << MessageAnswer::Yes;
    LedgerLock first(ledgerFile);
    QVERIFY(first.acquireOrAsk());
    LedgerLock second(ledgerFile);
    QVERIFY(!second.acquireOrAsk());
    QVERIFY(second.acquireOrAsk());
    QVERIFY(!second.isLocked());
    QCOMPARE(messages.asked.size(), 2);
    QVERIFY(first.isLocked());
}

// Root may write anywhere, but nobody can create a lock file below a plain file:
// the ledger then opens without a lock and without a question.
void LedgerLockTest::unwritableFolderNeverBlocks()
{
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath("not-a-folder"), "x"));
    const QString ledgerFile = dir.filePath("not-a-folder/QuillmoorAds.qmr");
    ScriptedMessages messages;
    LedgerLock lock(ledgerFile);
    QVERIFY(lock.acquireOrAsk());
    QVERIFY(!lock.isLocked());
    QVERIFY(messages.asked.isEmpty());
    QCOMPARE(folderEntries(dir.path()), QStringList{"not-a-folder"});
}

QTEST_GUILESS_MAIN(LedgerLockTest)
#include "tst_ledgerlock.moc"
