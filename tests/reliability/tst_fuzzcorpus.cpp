// Replays every input kept in fuzz/corpus, the seed files and every input that
// ever broke a reader, through the checks the fuzz targets make.

#include "core/Clock.h"
#include "ReaderChecks.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace qm;

namespace {

QStringList corpusFiles(const QString &reader)
{
    QStringList paths;
    const QDir dir(QStringLiteral(QM_FUZZ_CORPUS) + '/' + reader);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class FuzzCorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanupTestCase() { Clock::reset(); }
    void settingsCorpus();
    void ledgerCorpus();
    void helpCorpus();
};

void FuzzCorpusTest::settingsCorpus()
{
    const QStringList files = corpusFiles("settings");
    QVERIFY(files.size() >= 5);
    for (const QString &path : files) {
        const QString failure = fuzz::checkSettings(contents(path));
        QVERIFY2(failure.isEmpty(), qPrintable(QDir::toNativeSeparators(path) + ": " + failure));
    }
    qInfo("settings inputs replayed: %d", int(files.size()));
}

void FuzzCorpusTest::ledgerCorpus()
{
    const QStringList files = corpusFiles("ledger");
    QVERIFY(files.size() >= 5);
    for (const QString &path : files) {
        const QByteArray bytes = contents(path);
        // The fuzzer's ad counts and a few more.
        for (const int adCount : {1, 2, 3, 4, 7, 40}) {
            const QString failure = fuzz::checkLedger(bytes, adCount);
            QVERIFY2(failure.isEmpty(),
                     qPrintable(QString("%1 with %2 ads: %3").arg(QDir::toNativeSeparators(path)).arg(adCount).arg(failure)));
        }
    }
    qInfo("ledger inputs replayed: %d", int(files.size()));
}

void FuzzCorpusTest::helpCorpus()
{
    const QStringList files = corpusFiles("help");
    QVERIFY(files.size() >= 5);
    for (const QString &path : files) {
        const QByteArray bytes = contents(path);
        QVERIFY(!bytes.isEmpty());
        // The whole input, and every beginning of it: a file cut anywhere.
        for (qsizetype cut = bytes.size(); cut >= 0; --cut) {
            const QString failure = fuzz::checkHelp(bytes.left(cut));
            QVERIFY2(failure.isEmpty(),
                     qPrintable(QString("%1 cut at %2: %3").arg(QDir::toNativeSeparators(path)).arg(cut).arg(failure)));
        }
    }
    qInfo("help inputs replayed: %d", int(files.size()));
}

QTEST_GUILESS_MAIN(FuzzCorpusTest)
#include "tst_fuzzcorpus.moc"
