// Checking a pair of data files without a window: what is reported, when it is
// clean, and that nothing in the folder changes.

#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"
#include "core/year/FileCheck.h"
#include "LedgerPair.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

namespace {

// Every file of the folder with its bytes and time of change.
QStringList folderState(const QString &folder)
{
    QStringList state;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        state << path + " " + QFileInfo(path).lastModified().toString(Qt::ISODateWithMs) + " " +
                     QString::number(qHash(fileBytes(path)));
    }
    state.sort();
    return state;
}

void setBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class FileCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void reports_data();
    void reports();
    void sampleYear();
};

void FileCheckTest::reports_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("clean");
    QTest::addColumn<QStringList>("expected");
    const QStringList sound = {"Year: 2026",
                               "Ads: 3 (Corvel 3, Tarn 1, Fennet 1, Wyndle 1)",
                               "Sales people: 2",
                               "  Alice Moor, commission 10%",
                               "  Bram Tully, commission 12.5%",
                               "  Alice Moor: 2 entries, advanced 200.00, paid 50.50, balance 149.50",
                               "  Bram Tully: 1 entry, advanced 75.25, paid 0.00, balance 75.25"};
    QTest::newRow("clean") << "" << true << (sound + QStringList{"(version 1.76)", "Problems: none"});
    QTest::newRow("older format, not rewritten")
        << "old" << true << QStringList{"(version 1.50)", "older format", "Problems: none"};
    QTest::newRow("mismatched")
        << "mismatch" << false
        << QStringList{"The file is short: it holds 30 lines of ledger cells, but the 3 ads of the settings file need 45", "Problems: 1"};
    QTest::newRow("advances cut off")
        << "cut" << false << QStringList{"Year: 2026", "The ledger file is damaged", "line 51"};
    QTest::newRow("settings cut off") << "settings" << false << QStringList{"QuillmoorAds.ini:"};
    QTest::newRow("renamed sales person")
        << "stranger" << false
        << QStringList{"Corvel February, ad \"Tide & Co, Ltd\": the sales person \"Bram\" is not configured.",
                       "Corvel February, ad \"Café Brönte\": the sales person \"Bram\" is not configured.",
                       "Problems: 2"};
    QTest::newRow("no settings file") << "nosettings" << false
                                      << QStringList{"(not found)", "does not read the ledger file"};
}

void FileCheckTest::reports()
{
    QFETCH(QString, damage);
    QFETCH(bool, clean);
    QFETCH(QStringList, expected);

    QTemporaryDir dir;
    LedgerModel written = filledYear(2026);
    // A name no longer configured, on two lines that follow each other: each is reported.
    if (damage == "stranger") {
        written.cell(2, ColSalesPerson, 2) = "Bram";
        written.cell(2, ColSalesPerson, 3) = "Bram";
    }
    writePair(dir.path(), written);
    const QString settings = dir.filePath("QuillmoorAds.ini"), ledger = dir.filePath("QuillmoorAds.qmr");
    QByteArray ledgerBytes = fileBytes(ledger);
    if (damage == "old")
        setBytes(ledger, ledgerBytes.replace("\"1.76\"", "\"1.50\""));
    if (damage == "mismatch") {
        LedgerModel fewer = filledYear(2026);
        fewer.ads.removeLast();
        fewer.resizeLedger(2);
        QVERIFY(writeLedgerFile(ledger, fewer).ok);
    }
    if (damage == "cut")
        setBytes(ledger, ledgerBytes.left(ledgerBytes.size() - 20));
    if (damage == "settings") {
        const QByteArray bytes = fileBytes(settings);
        setBytes(settings, bytes.left(bytes.indexOf("Alice")));
    }
    if (damage == "nosettings")
        QVERIFY(QFile::remove(settings));

    const QStringList before = folderState(dir.path());
    LedgerModel model;
    const FileReport report = checkFiles(model, settings, ledger);
    const QString text = report.text();
    QCOMPARE(report.clean(), clean);
    for (const QString &part : expected)
        QVERIFY2(text.contains(part), qPrintable(part + "\nnot in\n" + text));
    QCOMPARE(folderState(dir.path()), before);
}

// The sample year in examples/ is clean, holds what it promises, and is exactly
// what the program itself would write.
void FileCheckTest::sampleYear()
{
    const QString settings = QM_EXAMPLES "/QuillmoorAds.ini", ledger = QM_EXAMPLES "/QuillmoorAds.qmr";
    LedgerModel model;
    const FileReport report = checkFiles(model, settings, ledger);
    QVERIFY2(report.clean(), qPrintable(report.text()));
    QCOMPARE(model.adCount(), 12);
    QCOMPARE(model.salesPeople.size(), 2);
    for (int p = 1; p <= kPublicationCount; ++p) {
        for (int size = 1; size <= kSizeCount; ++size)
            QVERIFY(!model.prices.colourPrice(priceEntry(p, size)).isEmpty());
    }
    QVERIFY(!model.advances[0].isEmpty() && !model.advances[1].isEmpty());
    QCOMPARE(settingsBytes(model), fileBytes(settings));
    QCOMPARE(ledgerBytes(model), fileBytes(ledger));
}

QTEST_GUILESS_MAIN(FileCheckTest)
#include "tst_filecheck.moc"
