// A copy of the program killed at any moment while it saves never leaves a
// half-written file: each data file on disk is always exactly the old state or
// exactly the new one.

#include "core/Clock.h"
#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"
#include "core/LedgerModel.h"
#include "RandomLedger.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

constexpr int kKills = 120;
constexpr quint32 kSeed = 1776;

bool isDataFile(const QString &name)
{
    return name == QLatin1String("QuillmoorAds.ini") || name == QLatin1String("QuillmoorAds.qmr");
}

} // namespace

class KillSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving();
};

void KillSaveTest::killedWhileSaving()
{
    Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5)));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    const QString settingsFile = dir.filePath("QuillmoorAds.ini");

    // A year big enough that a save takes a while, in its two known states.
    LedgerModel model;
    RandomLedger(kSeed).fill(model, 40);
    setState(model, false);
    const QByteArray firstSettings = settingsBytes(model);
    const QByteArray firstLedger = ledgerBytes(model);
    setState(model, true);
    const QByteArray secondSettings = settingsBytes(model);
    const QByteArray secondLedger = ledgerBytes(model);
    QVERIFY(firstSettings != secondSettings && firstLedger != secondLedger);
    QVERIFY(putFile(settingsFile, firstSettings));
    QVERIFY(putFile(ledgerFile, firstLedger));

    QRandomGenerator random(kSeed);
    int survived = 0;
    int inTheMiddle = 0; // kills that left a save's unfinished new file behind
    int secondStates = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess helper;
        helper.start(QStringLiteral(QM_RELIABILITY_HELPER), {"save-loop", ledgerFile});
        QVERIFY2(helper.waitForStarted(10000), qPrintable(helper.errorString()));
        QVERIFY2(helper.waitForReadyRead(20000), qPrintable(helper.readAllStandardError()));
        const QByteArray said = helper.readAllStandardOutput();
        QVERIFY2(said.startsWith("ready"), qPrintable(QString("kill %1: helper said %2 %3")
                                                          .arg(kill)
                                                          .arg(QString::fromLatin1(said))
                                                          .arg(QString::fromLocal8Bit(helper.readAllStandardError()))));
        // Anywhere from before the first save to a few dozen saves in.
        QThread::usleep(random.bounded(30000));
        helper.kill();
        QVERIFY(helper.waitForFinished(10000));
        QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

        const QByteArray settings = fileBytes(settingsFile);
        const QByteArray ledger = fileBytes(ledgerFile);
        QVERIFY2(settings == firstSettings || settings == secondSettings,
                 qPrintable(QString("kill %1: the settings file is neither state (%2 bytes)").arg(kill).arg(settings.size())));
        QVERIFY2(ledger == firstLedger || ledger == secondLedger,
                 qPrintable(QString("kill %1: the ledger file is neither state (%2 bytes)").arg(kill).arg(ledger.size())));
        secondStates += ledger == secondLedger;

        // What a kill in the middle of a save leaves is the unfinished new file
        // under a name of its own; the data files themselves are untouched by it.
        for (const QString &name : folderEntries(dir.path())) {
            if (isDataFile(name))
                continue;
            QVERIFY2(name.startsWith("QuillmoorAds.ini.") || name.startsWith("QuillmoorAds.qmr."), qPrintable(name));
            ++inTheMiddle;
            QVERIFY(QFile::remove(dir.filePath(name)));
        }
        ++survived;
    }

    // The files still load as a whole year.
    LedgerModel back;
    const FileResult s = readSettingsFile(settingsFile, back);
    const FileResult l = readLedgerFile(ledgerFile, back);
    QVERIFY(s.ok && !s.damaged && l.ok && !l.damaged);
    QCOMPARE(back.adCount(), 40);
    qInfo("kills survived: %d (%d left the ledger in the second state, %d hit a save in the middle)", survived,
          secondStates, inTheMiddle);
    // Without saves between the kills the test would prove nothing.
    QVERIFY(secondStates > 0);
    Clock::reset();
}

QTEST_GUILESS_MAIN(KillSaveTest)
#include "tst_killsave.moc"
