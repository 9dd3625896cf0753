// Last year beside this year: the archived pair found where the year-end
// archive puts it, read as start-up reads, and nothing written; a missing and a
// damaged archive say so.

#include "core/LedgerModel.h"
#include "core/year/Archive.h"
#include "core/year/LastYear.h"
#include "core/year/YearFiles.h"
#include "LedgerPair.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

namespace {

// Last year's pair archived by the year-end archive, and this year's model as
// the archive left it. Last year (filledYear): January 150.00, February 320.00,
// Tarn 140.00, Wyndle 110.00.
struct Years
{
    QTemporaryDir dir;
    LedgerModel thisYear;

    QString data() const { return dir.filePath("data"); }
    QString program() const { return dir.filePath("program"); }
    LastYearPlace place() const
    {
        return {QDir(data()).filePath("QuillmoorAds.ini"), QDir(data()).filePath("QuillmoorAds.qmr"), program()};
    }
    // Archives 2025 into the folder beside `programFolder`.
    void archive(const QString &programFolder)
    {
        writePair(data(), filledYear(2025));
        QVERIFY(QDir().mkpath(program()));
        thisYear = filledYear(2025);
        const ArchiveResult result = archiveYear(
            thisYear, {place().settingsFile, place().ledgerFile, programFolder}, 2026, [](const QString &) { return true; });
        QCOMPARE(result.outcome, ArchiveOutcome::Archived);
        QCOMPARE(thisYear.ledgerYear, 2026);
    }
    // Every file under the folder with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            all.insert(path, fileBytes(path));
        }
        return all;
    }
};

QStringList shownColumn(const LastYearSales &sales)
{
    const auto column = lastYearColumn(sales);
    return {column.at(13), column.at(14), column.at(15), column.at(16), column.at(18)};
}

} // namespace

class TestLastYear : public QObject
{
    Q_OBJECT

private slots:
    void fromTheArchive_data();
    void fromTheArchive();
    void missingArchive();
    void damagedArchive_data();
    void damagedArchive();
    void sampleArchive();
};

void TestLastYear::fromTheArchive_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("besideLedger"); // archived beside the ledger: the program's folder was not used
    QTest::addColumn<int>("ledgerYear");
    QTest::addColumn<QStringList>("column"); // Corvel, Tarn, Fennet, Wyndle, Totals
    QTest::newRow("January: Corvel's January") << QDate(2026, 1, 20) << false << 2026
                                               << QStringList{"150.00", "140.00", ".00", "110.00", "400.00"};
    QTest::newRow("March: January and February") << QDate(2026, 3, 5) << false << 2026
                                                 << QStringList{"470.00", "140.00", ".00", "110.00", "720.00"};
    QTest::newRow("beside the ledger") << QDate(2026, 2, 1) << true << 2026
                                       << QStringList{"470.00", "140.00", ".00", "110.00", "720.00"};
    QTest::newRow("a past year counts whole") << QDate(2027, 1, 2) << false << 2026
                                              << QStringList{"470.00", "140.00", ".00", "110.00", "720.00"};
    QTest::newRow("a year not known: today's") << QDate(2026, 1, 2) << false << 0
                                               << QStringList{"150.00", "140.00", ".00", "110.00", "400.00"};
}

void TestLastYear::fromTheArchive()
{
    QFETCH(QDate, today);
    QFETCH(bool, besideLedger);
    QFETCH(int, ledgerYear);
    QFETCH(QStringList, column);
    Years years;
    years.archive(besideLedger ? years.data() : years.program());
    years.thisYear.ledgerYear = ledgerYear;
    const QMap<QString, QByteArray> before = years.files();
    const LastYearSales sales = readLastYear(years.thisYear, years.place(), today);
    QCOMPARE(sales.state, LastYearSales::State::Found);
    QCOMPARE(sales.year, 2025);
    QCOMPARE(sales.ledgerFile,
             QDir(archiveFolderIn(besideLedger ? years.data() : years.program())).filePath("QuillmoorAds_2025.qmr"));
    QCOMPARE(shownColumn(sales), column);
    QCOMPARE(years.files(), before);
}

void TestLastYear::missingArchive()
{
    Years years;
    years.archive(years.program());
    years.thisYear.ledgerYear = 2027; // last year is 2026: never archived
    const QMap<QString, QByteArray> before = years.files();
    const LastYearSales sales = readLastYear(years.thisYear, years.place(), QDate(2027, 5, 1));
    QCOMPARE(sales.state, LastYearSales::State::Missing);
    QCOMPARE(sales.year, 2026);
    const auto where = [](const QString &folder) {
        return QDir::toNativeSeparators(QDir(archiveFolderIn(folder)).filePath("QuillmoorAds_2026.qmr"));
    };
    QCOMPARE(sales.message, QString("No archive of 2026 to compare with: looked for %1 and %2.")
                                .arg(where(years.program()), where(years.data())));
    QCOMPARE(years.files(), before);
}

void TestLastYear::damagedArchive_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("says");
    QTest::newRow("ledger cut short") << "QuillmoorAds_2025.qmr" << "QuillmoorAds_2025.qmr";
    QTest::newRow("settings missing") << "QuillmoorAds_2025.ini"
                                      << "The archived settings file %1 was not found.";
}

void TestLastYear::damagedArchive()
{
    QFETCH(QString, file);
    QFETCH(QString, says);
    Years years;
    years.archive(years.program());
    const QString path = QDir(archiveFolderIn(years.program())).filePath(file);
    if (file.endsWith(".ini")) {
        QVERIFY(QFile::remove(path));
        says = says.arg(QDir::toNativeSeparators(path));
    } else {
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        QVERIFY(damaged.resize(damaged.size() / 2));
    }
    const QMap<QString, QByteArray> before = years.files();
    const LastYearSales sales = readLastYear(years.thisYear, years.place(), QDate(2026, 3, 1));
    QCOMPARE(sales.state, LastYearSales::State::Damaged);
    QVERIFY2(sales.message.contains(says), qPrintable(sales.message));
    QVERIFY(sales.message.endsWith("The archive of 2025 is left out of the report."));
    QCOMPARE(years.files(), before);
}

// The sample year finds last year's archive beside it in examples/, read cleanly.
void TestLastYear::sampleArchive()
{
    const QString examples = QStringLiteral(QM_EXAMPLES);
    LedgerModel sample;
    QVERIFY(readFiles(sample, examples + "/QuillmoorAds.ini", examples + "/QuillmoorAds.qmr").warnings.isEmpty());
    QTemporaryDir program; // an empty folder: the archive is found beside the ledger
    const LastYearSales sales = readLastYear(
        sample, {examples + "/QuillmoorAds.ini", examples + "/QuillmoorAds.qmr", program.path()}, QDate(2026, 4, 7));
    QVERIFY2(sales.state == LastYearSales::State::Found, qPrintable(sales.message));
    QCOMPARE(sales.ledgerFile, QDir(archiveFolderIn(examples)).filePath("QuillmoorAds_2025.qmr"));
    for (double amount : sales.publications)
        QVERIFY(amount > 0);
    LedgerModel archived;
    QVERIFY(readFiles(archived, QDir(archiveFolderIn(examples)).filePath("QuillmoorAds_2025.ini"), sales.ledgerFile)
                .warnings.isEmpty());
    QCOMPARE(archived.ledgerYear, 2025);
}

QTEST_MAIN(TestLastYear)
#include "tst_lastyear.moc"
