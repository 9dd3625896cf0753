// Whatever the user typed comes back exactly: generated years load and save to
// identical bytes, and a second save is identical again.

#include "core/Clock.h"
#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"
#include "core/LedgerModel.h"
#include "RandomLedger.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qm;
using namespace qm::testing;

namespace {

constexpr int kYears = 300;

QString sameSettings(const LedgerModel &a, const LedgerModel &b)
{
    if (a.adCount() != b.adCount())
        return QString("ad count %1 came back as %2").arg(a.adCount()).arg(b.adCount());
    for (int i = 0; i < a.adCount(); ++i) {
        if (a.ads.at(i).name != b.ads.at(i).name || a.ads.at(i).checks != b.ads.at(i).checks)
            return QString("ad %1 \"%2\" came back as \"%3\"").arg(i + 1).arg(a.ads.at(i).name, b.ads.at(i).name);
    }
    if (a.salesPeople.size() != b.salesPeople.size())
        return QString("%1 sales people came back as %2").arg(a.salesPeople.size()).arg(b.salesPeople.size());
    for (qsizetype i = 0; i < a.salesPeople.size(); ++i) {
        if (a.salesPeople.at(i).name != b.salesPeople.at(i).name ||
            a.salesPeople.at(i).percent != b.salesPeople.at(i).percent)
            return QString("sales person %1 changed").arg(i + 1);
    }
    if (a.prices.colour != b.prices.colour || a.prices.blackWhite != b.prices.blackWhite)
        return QStringLiteral("the price table changed");
    return QString();
}

QString sameLedger(const LedgerModel &a, const LedgerModel &b)
{
    if (a.ledgerYear != b.ledgerYear)
        return QString("year %1 came back as %2").arg(a.ledgerYear).arg(b.ledgerYear);
    if (a.cells != b.cells)
        return QStringLiteral("the ledger cells changed");
    for (int k = 0; k < 2; ++k) {
        if (a.advances[k] != b.advances[k])
            return QString("advance ledger %1 changed").arg(k + 1);
    }
    return QString();
}

} // namespace

class RoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanupTestCase() { Clock::reset(); }
    void generatedYears();
    void awkwardAmounts();
};

void RoundTripTest::generatedYears()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString settingsFile = dir.filePath("QuillmoorAds.ini");
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    const QString againSettings = dir.filePath("again.ini");
    const QString againLedger = dir.filePath("again.qmr");
    int checked = 0;
    for (int year = 0; year < kYears; ++year) {
        const QString where = QString("year %1").arg(year);
        RandomLedger random(quint32(1000 + year));
        LedgerModel original;
        // Mostly a handful of ads, now and then none or many.
        const int ads = random.chance(5) ? 0 : random.chance(10) ? 20 + random.below(40) : 1 + random.below(6);
        // Without ads the sales people, the prices and the advances still come back.
        random.fill(original, ads);
        original.settingsChanged = original.ledgerChanged = true;
        QVERIFY2(writeSettingsFile(settingsFile, original).ok, qPrintable(where));
        QVERIFY2(writeLedgerFile(ledgerFile, original).ok, qPrintable(where));
        QVERIFY(!original.settingsChanged && !original.ledgerChanged);
        const QByteArray settings = fileBytes(settingsFile);
        const QByteArray ledger = fileBytes(ledgerFile);

        LedgerModel loaded;
        const FileResult s = readSettingsFile(settingsFile, loaded);
        QVERIFY2(s.ok && !s.damaged, qPrintable(where + ": " + s.message));
        QString difference = sameSettings(original, loaded);
        QVERIFY2(difference.isEmpty(), qPrintable(where + ": " + difference));
        const FileResult l = readLedgerFile(ledgerFile, loaded);
        QVERIFY2(l.ok && !l.damaged, qPrintable(where + ": " + l.message));
        difference = sameLedger(original, loaded);
        QVERIFY2(difference.isEmpty(), qPrintable(where + ": " + difference));
        // The files were not touched by reading them.
        QVERIFY2(fileBytes(settingsFile) == settings && fileBytes(ledgerFile) == ledger, qPrintable(where));

        // Saved again, byte for byte the same; and once more.
        for (int save = 0; save < 2; ++save) {
            QVERIFY(writeSettingsFile(againSettings, loaded).ok);
            QVERIFY2(fileBytes(againSettings) == settings, qPrintable(where + " settings, save " + QString::number(save + 2)));
            QVERIFY(writeLedgerFile(againLedger, loaded).ok);
            QVERIFY2(fileBytes(againLedger) == ledger, qPrintable(where + " ledger, save " + QString::number(save + 2)));
        }
        checked += 2;
    }
    qInfo("round trips checked: %d files of %d generated years, each saved three times", checked, kYears);
}

// Amounts that no decimal text holds exactly are saved with 15 significant
// digits; from then on they are stable.
void RoundTripTest::awkwardAmounts()
{
    QTemporaryDir dir;
    const QString ledgerFile = dir.filePath("QuillmoorAds.qmr");
    LedgerModel model;
    model.ads = QList<AdRecord>(1);
    model.advances[0] = {AdvanceEntry{"thirds", 1.0 / 3, 2.0 / 3}, AdvanceEntry{"tiny", 1e-7, 5e-15},
                         AdvanceEntry{"big", 123456789.123456789, 1e20}, AdvanceEntry{"sum", 0.1 + 0.2, -0.25}};
    QVERIFY(writeLedgerFile(ledgerFile, model).ok);
    const QByteArray first = fileBytes(ledgerFile);
    QVERIFY2(first.endsWith("\"thirds\",.333333333333333,.666666666666667\r\n\"tiny\",.0000001,.000000000000005\r\n"
                            "\"big\",123456789.123457,100000000000000000000\r\n\"sum\",.3,-.25\r\n"),
             first.right(160).constData());
    LedgerModel loaded;
    loaded.ads = model.ads;
    QVERIFY(readLedgerFile(ledgerFile, loaded).ok);
    QVERIFY(writeLedgerFile(ledgerFile, loaded).ok);
    QCOMPARE(fileBytes(ledgerFile), first);
}

QTEST_GUILESS_MAIN(RoundTripTest)
#include "tst_roundtrip.moc"
