#include "core/Clock.h"
#include "core/files/CodePage.h"
#include "core/files/LedgerFile.h"
#include "core/files/SafeSave.h"
#include "core/files/SettingsFile.h"
#include "core/LedgerModel.h"
#include "core/Version.h"
#include "core/files/LineFormat.h"
#include "core/year/Startup.h"
#include "core/files/NumberFormat.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace qm;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Two ads, one sales person, some prices and a ledger with cells and advances.
void fillSample(LedgerModel &m)
{
    m.ads = {AdRecord{"Acme, Inc.", {QString(QChar(CHECKMARK)), "", "", ""}},
             AdRecord{QString::fromUtf8("Café ☃"), {"", QString(QChar(CHECKMARK)), "", QString(QChar(CHECKMARK))}}};
    m.salesPeople = {SalesPerson{"Delta", "15"}};
    m.prices.colourPrice(priceEntry(2, 2)) = "150";
    m.prices.bwPrice(priceEntry(2, 2)) = "99.5";
    m.resizeLedger(2);
    m.cell(1, ColSalesPerson, 1) = "Delta";
    m.cell(1, ColNumber, 1) = "2";
    m.cell(13, ColSale, 2) = "300.00";
    m.cell(15, ColStatus, 2) = "P/U Wynd";
    m.cell(7, ColAds, 1) = "old text, kept";
    m.ledgerYear = 2026;
    m.advances[0] = {AdvanceEntry{"03/05/2026, noon", 100.25, 0}, AdvanceEntry{"04/01/2026", 0, .5}};
    m.advances[1] = {AdvanceEntry{"12/31/2026", 1250, 12.5}};
}

QByteArray settingsOf(LedgerModel &m) { return settingsBytes(m); }

FileResult loadLedger(const QByteArray &bytes, LedgerModel &m) { return readLedger(bytes, m); }

FileResult loadSettings(const QByteArray &bytes, LedgerModel &m) { return readSettings(bytes, m); }

QByteArray cellLine(const QStringList &cells)
{
    QByteArray line;
    for (const QString &c : cells)
        line += (line.isEmpty() ? "\"" : ",\"") + c.toLatin1() + "\"";
    return line + "\r\n";
}

QByteArray emptyCellLines(int n)
{
    QByteArray lines;
    for (int i = 0; i < n; ++i)
        lines += cellLine(QStringList(10, QString()));
    return lines;
}

} // namespace

class CoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup()
    {
        Clock::reset();
        setSaveFault(SaveFault());
    }

    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberRoundsAsTheFullConversion();
    void money_data();
    void money();
    void moneyOfWholeCents();
    void fileNumber_data();
    void fileNumber();
    void versionsComparedPartByPart_data();
    void versionsComparedPartByPart();
    void codePageRoundTripsEveryByte();
    void codePageReplacesMissingCharacters();
    void readerFollowsTheLineRules();
    void lineFeedsAloneEndLines();
    void quotedValuesAgreeWithTheLineRules_data();
    void quotedValuesAgreeWithTheLineRules();
    void quotedValuesAgreeAcrossLongFiles();

    void vocabularyAndIndexRules();
    void resizeKeepsCellsAndRemoveAdShifts();
    void equalCellTextsShareOneCopy();
    void cellsReadByTheirFileBytes();
    void clearLedgerKeepsConfiguration();

    void settingsFileExactBytes();
    void settingsWithoutAdsKeepsSalesPeopleAndPrices();
    void settingsCheckmarkAndCodePage();
    void settingsRoundTrip();

    void ledgerFileExactBytes();
    void ledgerRoundTripOfEveryField();
    void cellsOfEveryLengthWrittenAsTexts();
    void olderLedgerWithoutAdvances();
    void ledgerEndingInsideTheCells();
    void ledgerWithMoreLinesThanAds();
    void oneDamagedLineDamagesOnlyItsCells();
    void advancesWithoutAds();
    void hugeCountsDoNotExhaustMemory();
    void hugeAdCountBoundByLines();
    void doubleQuoteNeverBreaksTheFile();


    void fileChoice();
    void archiveCopyFolder();
    void backupNames();
    void helpFileBesideTheProgram();
};

void CoreTest::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("plain") << "12.5" << 12.5;
    QTest::newRow("blanks and line ends") << " \t\r\n 42" << 42.0;
    QTest::newRow("trailing text") << "300.00 dollars" << 300.0;
    QTest::newRow("second point ignored") << "1.2.3" << 1.2;
    QTest::newRow("sign") << "-7" << -7.0;
    QTest::newRow("plus sign") << "+150" << 150.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("exponent") << "1.5e2x" << 150.0;
    QTest::newRow("incomplete exponent") << "3e" << 3.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
}

void CoreTest::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(qm::leadingNumber(text), value);
}

// Amounts of every length, up to and past the digits a double holds exactly,
// read to the same bit as the full conversion of the number part.
void CoreTest::leadingNumberRoundsAsTheFullConversion()
{
    QRandomGenerator random(20261210);
    for (int n = 0; n < 20000; ++n) {
        QString number = random.bounded(4) == 0 ? QStringLiteral("-") : QString();
        const int whole = random.bounded(12);
        const int decimals = random.bounded(whole == 0 ? 1 : 0, 10);
        for (int d = 0; d < whole; ++d)
            number += QChar(u'0' + random.bounded(10));
        if (decimals > 0 || random.bounded(2) == 0)
            number += u'.';
        for (int d = 0; d < decimals; ++d)
            number += QChar(u'0' + random.bounded(10));
        const double expected = number.toDouble();
        const double read = qm::leadingNumber(number + QStringLiteral(" paid"));
        if (std::memcmp(&read, &expected, sizeof read) != 0 && !(read == 0 && expected == 0))
            QFAIL(qPrintable(QStringLiteral("%1 read as %2, not %3").arg(number).arg(read, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    }
}

void CoreTest::money_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << ".00";
    QTest::newRow("half") << 0.5 << ".50";
    QTest::newRow("12.5") << 12.5 << "12.50";
    QTest::newRow("rounds") << 1234.567 << "1234.57";
    QTest::newRow("half up") << 0.125 << ".13";
    QTest::newRow("decimal half up") << 1.005 << "1.01";
    QTest::newRow("carry") << 9.995 << "10.00";
    QTest::newRow("below a cent") << 0.004 << ".00";
    QTest::newRow("large") << 1234567.891 << "1234567.89";
    QTest::newRow("negative") << -0.5 << "-.50";
    QTest::newRow("45") << 15 * 300.0 / 100 << "45.00";
    QTest::newRow("one cent") << 0.01 << ".01";
    QTest::newRow("negative cents") << -1234.56 << "-1234.56";
    QTest::newRow("negative below a cent") << -0.004 << ".00";
    QTest::newRow("negative zero") << -0.0 << ".00";
    QTest::newRow("whole million") << 1e6 << "1000000.00";
    QTest::newRow("a sum of cents") << 0.1 + 0.2 << ".30";
}

// Whole numbers of cents of every length, below and above the largest amount
// written straight from its cents, as a person writes them.
void CoreTest::moneyOfWholeCents()
{
    QRandomGenerator random(1210);
    for (int n = 0; n < 20000; ++n) {
        const qint64 cents = qint64(random.bounded(1.0) * std::pow(10.0, random.bounded(1, 16)));
        const double value = double(cents) / 100 * (n % 3 == 0 ? -1 : 1);
        QString expected = QString::number(cents / 100) + QStringLiteral(".%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
        if (expected.startsWith(u'0'))
            expected.remove(0, 1);
        if (value < 0)
            expected.prepend(u'-');
        QCOMPARE(formatMoney(value), expected);
    }
}

void CoreTest::money()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatMoney(value), text);
}

void CoreTest::fileNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("half") << 0.5 << ".5";
    QTest::newRow("1250") << 1250.0 << "1250";
    QTest::newRow("12.5") << 12.5 << "12.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("year") << 2026.0 << "2026";
    QTest::newRow("small") << 0.05 << ".05";
    QTest::newRow("15 digits") << 0.1 + 0.2 << ".3";
    QTest::newRow("negative") << -0.25 << "-.25";
    QTest::newRow("big") << 1e20 << "100000000000000000000";
    QTest::newRow("many digits") << 123456.7890123456 << "123456.789012346";
}

void CoreTest::fileNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatFileNumber(value), text);
}

void CoreTest::versionsComparedPartByPart_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("order"); // -1 older, 0 the same, 1 newer
    QTest::newRow("same") << "1.60" << "1.60" << 0;
    QTest::newRow("older") << "1.50" << "1.60" << -1;
    QTest::newRow("current") << "1.76" << "1.60" << 1;
    QTest::newRow("three-digit part") << "1.100" << "1.60" << 1;
    QTest::newRow("two-digit major") << "10.0" << "9.99" << 1;
    QTest::newRow("shorter part is smaller") << "1.6" << "1.60" << -1;
    QTest::newRow("leading zeros") << "01.060" << "1.60" << 0;
    QTest::newRow("missing part is 0") << "1.60.0" << "1.60" << 0;
    QTest::newRow("further part") << "1.60.1" << "1.60" << 1;
    QTest::newRow("no number") << "abc" << "1.60" << -1;
    QTest::newRow("empty") << "" << "1.60" << -1;
    QTest::newRow("both empty") << "" << "" << 0;
    QTest::newRow("letters after the digits") << "1.60b" << "1.60" << 0;
    QTest::newRow("longer than any integer") << "1.123456789012345678901234567890" << "1.60" << 1;
}

// Versions compare as numbers part by part, both ways round; a ledger file is of
// an older format exactly when its version is older than 1.60.
void CoreTest::versionsComparedPartByPart()
{
    QFETCH(QString, version);
    QFETCH(QString, other);
    QFETCH(int, order);
    QCOMPARE(compareVersions(version, other), order);
    QCOMPARE(compareVersions(other, version), -order);
    if (other == QStringLiteral("1.60"))
        QCOMPARE(isOlderLedgerVersion(version), order < 0);
}

void CoreTest::codePageRoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(encodeCodePage(decodeCodePage(all)), all);
    QCOMPARE(decodeCodePage("\x80\xe9"), QString::fromUtf8("€é"));
}

void CoreTest::codePageReplacesMissingCharacters()
{
    QCOMPARE(encodeCodePage(QString::fromUtf8("a✓b☃😀")), QByteArray("a?b??"));
    QCOMPARE(encodeCodePage(QString::fromUtf8("Œuvre – “x”")), QByteArray("\x8cuvre \x96 \x93x\x94"));
}

void CoreTest::readerFollowsTheLineRules()
{
    const LineReader in("  \"a, b\",12 \t3,x\"y\r\n\"12\" banner\",\"x\"\r\n\"unterminated\r\n\r\n+150,\r\n \r\n\r\n");
    QCOMPARE(in.lineCount(), 5); // the blank lines at the end are no lines
    Line line = in.line(0);
    QCOMPARE(line.lineNumber, 1);
    QCOMPARE(line.fields.size(), 3);
    QCOMPARE(line.text(0), QString("a, b"));
    QVERIFY(line.fields.at(0).quoted);
    QCOMPARE(line.text(1), QString("12 3")); // the tab is dropped
    QVERIFY(!line.fields.at(1).quoted);
    QCOMPARE(line.text(2), QString("x'y")); // a double quote outside quotes reads as the writer stores it
    QVERIFY(line.wellFormed);
    // Text after a closing quote belongs to no value, and the line is not as written.
    line = in.line(1);
    QCOMPARE(line.fields.size(), 2);
    QCOMPARE(line.text(0), QString("12"));
    QCOMPARE(line.text(1), QString("x"));
    QVERIFY(!line.wellFormed);
    line = in.line(2);
    QCOMPARE(line.text(0), QString("unterminated"));
    QVERIFY(!line.wellFormed);
    QVERIFY(in.line(3).fields.isEmpty());
    line = in.line(4);
    QCOMPARE(line.number(0), 150.0);
    QCOMPARE(line.fields.size(), 2); // a comma before the line end gives an empty value
    QVERIFY(line.isCountLine());
    QCOMPARE(in.line(9).text(0), QString()); // past the end: empty
    QCOMPARE(lineList({6}), QString("line 6"));
    QCOMPARE(lineList({6, 9, 12}), QString("lines 6, 9 and 12"));
    QCOMPARE(lineList({1, 2, 3, 4, 5, 6, 7}), QString("lines 1, 2, 3, 4, 5, 6, ... (7 lines)"));
}

// The ledger's cell lines are read by a quicker route when they are exactly
// quoted values; it must agree with the general rules on every line.
void CoreTest::quotedValuesAgreeWithTheLineRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("plain") << QByteArray("\"a\",\"\",\"c d\"\r\n");
    QTest::newRow("blanks before values") << QByteArray(" \t\"a\",  \"b\",\"c\"\r\n");
    QTest::newRow("blank after a quote") << QByteArray("\"a\" ,\"b\",\"c\"\r\n");
    QTest::newRow("blank at the end") << QByteArray("\"a\",\"b\",\"c\" \r\n");
    QTest::newRow("comma at the end") << QByteArray("\"a\",\"b\",\"c\",\r\n");
    QTest::newRow("too few") << QByteArray("\"a\",\"b\"\r\n");
    QTest::newRow("too many") << QByteArray("\"a\",\"b\",\"c\",\"d\"\r\n");
    QTest::newRow("one unquoted") << QByteArray("\"a\",b,\"c\"\r\n");
    QTest::newRow("unterminated") << QByteArray("\"a\",\"b\",\"c\r\n\"x\"\r\n");
    QTest::newRow("carriage return inside") << QByteArray("\"a\r\",\"b\",\"c\"\n");
    QTest::newRow("long values") << QByteArray("\"Fennet & Sons, Builders\",\"\x80\xff\",\"1234567.50\"\r\n");
    QTest::newRow("last line without end") << QByteArray("\"a\",\"b\",\"c\"");
    QTest::newRow("blank line") << QByteArray("\r\n\"a\",\"b\",\"c\"\r\n");
    QTest::newRow("line feed inside") << QByteArray("\"a\",\"b\n\",\"c\"\r\n");
    QTest::newRow("two carriage returns") << QByteArray("\"a\",\"b\",\"c\"\r\r\n");
    QTest::newRow("carriage returns alone") << QByteArray("\"a\",\"b\",\"c\"\r\"d\",\"e\",\"f\"\r");
    QTest::newRow("carriage return alone inside") << QByteArray("\"a\",\"b\r\",\"c\"\r");
}

void CoreTest::quotedValuesAgreeWithTheLineRules()
{
    QFETCH(QByteArray, file);
    // Both ways: a line read as it is found, and one found before.
    for (const bool foundFirst : {false, true}) {
        const LineReader in(file);
        if (foundFirst)
            in.line(1);
        std::array<QByteArrayView, 3> values;
        for (int index = 0; index < 2; ++index) {
            const bool quick = in.quotedValues(index, 3, values.data());
            const Line line = in.line(index);
            QCOMPARE(quick, line.isQuotedRecord(3));
            for (int k = 0; quick && k < 3; ++k)
                QCOMPARE(decodeCodePage(values[std::size_t(k)]), line.text(k));
        }
        QCOMPARE(in.lineCount(), LineReader(file).lineCount());
    }
}

// The quicker route looks at the bytes in blocks of 64: values of every length,
// starting anywhere in a block, now and then with a stray quote, comma, blank
// or line end in them.
void CoreTest::quotedValuesAgreeAcrossLongFiles()
{
    QRandomGenerator random(20261209);
    for (const QByteArray &lineEnd : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        QByteArray file;
        for (int line = 0; line < 3000; ++line) {
            for (int k = 0; k < 3; ++k) {
                if (k > 0)
                    file += ',';
                QByteArray value(int(random.bounded(90)), 'x');
                for (char &c : value)
                    c = "abc ,.0123456789"[random.bounded(16)];
                if (random.bounded(60) == 0)
                    value.insert(int(random.bounded(int(value.size()) + 1)), "\"\r\n "[random.bounded(4)]);
                file += random.bounded(80) == 0 ? value : '"' + value + '"';
            }
            file += lineEnd;
        }
        const LineReader general(file);
        const LineReader quick(file);
        std::array<QByteArrayView, 3> values;
        for (int index = 0; index < general.lineCount(); ++index) {
            const Line line = general.line(index);
            const bool read = quick.quotedValues(index, 3, values.data());
            QCOMPARE(read, line.isQuotedRecord(3));
            for (int k = 0; read && k < 3; ++k)
                QCOMPARE(decodeCodePage(values[std::size_t(k)]), line.text(k));
        }
        QCOMPARE(quick.lineCount(), general.lineCount());
    }
}

// Files edited on Linux or macOS end their lines with a line feed alone; old
// Macintosh files with a carriage return alone.
void CoreTest::lineFeedsAloneEndLines()
{
    LedgerModel m;
    fillSample(m);
    const QByteArray crlf = ledgerBytes(m);
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QByteArray cr = crlf;
    cr.replace("\r\n", "\r");
    for (const QByteArray &bytes : {lf, cr}) {
        LedgerModel back;
        back.ads = m.ads;
        const FileResult r = loadLedger(bytes, back);
        QVERIFY2(r.ok && !r.damaged, qPrintable(r.message));
        QCOMPARE(back.cells, m.cells);
        QCOMPARE(back.advances, m.advances);
        QCOMPARE(ledgerBytes(back), crlf); // written back with CR LF
    }
    QByteArray settings = settingsBytes(m);
    settings.replace("\r\n", "\n");
    LedgerModel back;
    QVERIFY(!loadSettings(settings, back).damaged);
    QCOMPARE(settingsBytes(back), settingsBytes(m));
}

void CoreTest::vocabularyAndIndexRules()
{
    QCOMPARE(issueIndex(1, 3), 3);
    QCOMPARE(issueIndex(2, 7), 13);
    QCOMPARE(issueIndex(4, 1), 15);
    QCOMPARE(priceEntry(1, 1), 1);
    QCOMPARE(priceEntry(2, 2), 9);
    QCOMPARE(priceEntry(4, 7), 28);
    QCOMPARE(publicationLabel(3), QString("  Fennet Mag "));
    QCOMPARE(publicationLabel(2).size(), 13);
    QCOMPARE(pickupCodes(), QStringList({"Cor", "Fen", "Wynd", "Tarn"}));
    QCOMPARE(sizeIndex("eigth"), 6);
    QCOMPARE(sizeIndex("Eighth"), 0);
    LedgerModel m;
    QCOMPARE(m.salesChoices(), QStringList({"Owner"}));
    m.salesPeople = {SalesPerson{"Delta", "10"}};
    QCOMPARE(m.salesChoices(), QStringList({"Delta", "Owner"}));
    QCOMPARE(m.commissionPercent("Delta"), QString("10"));
    QCOMPARE(m.commissionPercent("delta"), QString());
    QCOMPARE(m.commissionPercent("Owner"), QString());
    m.setPickupStatus("P/U Fen");
    QCOMPARE(m.statusValues(), QStringList({"TK", "P/U Fen", "Vell", "Proof", "Ok"}));
}

void CoreTest::resizeKeepsCellsAndRemoveAdShifts()
{
    LedgerModel m;
    m.resizeLedger(5);
    for (int ad = 1; ad <= 5; ++ad)
        for (int issue = 1; issue <= kIssueCount; ++issue)
            for (int col = 1; col <= kColumnCount; ++col)
                m.cell(issue, col, ad) = QString("%1/%2/%3").arg(issue).arg(col).arg(ad);
    m.resizeLedger(7);
    QCOMPARE(m.cell(15, 10, 5), QString("15/10/5"));
    QCOMPARE(m.cell(1, 1, 7), QString());
    m.cells.removeAd(3);
    QCOMPARE(m.cells.adCount(), 6);
    QCOMPARE(m.cell(4, 2, 3), QString("4/2/4"));
    QCOMPARE(m.cell(12, 9, 4), QString("12/9/5"));
    QCOMPARE(m.cell(12, 9, 2), QString("12/9/2"));
    m.resizeLedger(2);
    QCOMPARE(m.cell(15, 10, 2), QString("15/10/2"));
}

void CoreTest::equalCellTextsShareOneCopy()
{
    LedgerModel m;
    m.resizeLedger(3);
    for (int issue = 1; issue <= kIssueCount; ++issue)
        for (int ad = 1; ad <= 3; ++ad)
            m.cell(issue, ColSize, ad) = sizeName(1 + ad % 2);
    QCOMPARE(m.cells.distinctTexts(), 2);
    m.cell(2, ColSize, 2) = m.cell(2, ColSize, 2); // its own text
    m.cell(3, ColStatus, 1) = m.cell(3, ColSize, 1);
    QCOMPARE(m.cell(2, ColSize, 2), sizeName(1));
    QCOMPARE(m.cell(3, ColStatus, 1), sizeName(2));
    m.cell(5, ColNumber, 3) = "7";
    QCOMPARE(m.cells.distinctTexts(), 3);
    m.cell(5, ColNumber, 3).clear(); // the last "7" goes, and its copy with it
    QCOMPARE(m.cells.distinctTexts(), 2);
    m.resizeLedger(1); // ad 1 kept "Half" only
    QCOMPARE(m.cell(15, ColSize, 1), sizeName(2));
    QCOMPARE(m.cells.distinctTexts(), 1);
    const LedgerModel copy = m;
    m.cell(1, ColSize, 1) = "Full";
    QCOMPARE(copy.cell(1, ColSize, 1), sizeName(2));
    QVERIFY(copy.cells != m.cells);
}

// Cells read from a file are found by their bytes; a text the code page cannot
// hold ("a" and a checkmark, written "a?") must not be taken for the text "a?".
void CoreTest::cellsReadByTheirFileBytes()
{
    LedgerCells cells;
    cells.resize(2);
    const QString missing = QStringLiteral("a") + QChar(CHECKMARK);
    cells.set(1, ColSalesPerson, 1, missing);
    cells.set(1, ColNumber, 1, "Owner");
    cells.setFromFile(12, "a?");   // issue 1, ad 2, column 3
    cells.setFromFile(13, "Owner"); // issue 1, ad 2, column 4
    QCOMPARE(cells.at(1, ColNumber, 2), QString("a?"));
    QCOMPARE(cells.at(1, ColSize, 2), QString("Owner"));
    QCOMPARE(cells.distinctTexts(), 3);
    QCOMPARE(cells.fileBytes(1), QByteArrayView("a?"));
    QCOMPARE(cells.fileTextBytes(), 2 + 5 + 2 + 5);
    // Texts dropped and numbers reused: the look-up by bytes follows.
    cells.set(1, ColNumber, 2, QString());
    cells.set(1, ColNumber, 1, "Tom \"T\" Reyes");
    cells.setFromFile(12, "Tom 'T' Reyes");
    QCOMPARE(cells.at(1, ColNumber, 2), QString("Tom 'T' Reyes"));
    QCOMPARE(cells.fileBytes(2), QByteArrayView("Tom 'T' Reyes")); // written as the writer stores a quote
    QCOMPARE(cells.distinctTexts(), 4);
    cells.setFromFile(13, "");
    QCOMPARE(cells.at(1, ColSize, 2), QString());
    QCOMPARE(cells.fileTextBytes(), 2 + 13 + 13);
}

void CoreTest::clearLedgerKeepsConfiguration()
{
    LedgerModel m;
    fillSample(m);
    const auto advances = m.advances;
    m.clearLedger();
    QCOMPARE(m.cells.adCount(), 2);
    QCOMPARE(m.cell(1, ColNumber, 1), QString());
    QCOMPARE(m.cell(7, ColAds, 1), QString());
    QCOMPARE(m.ads.size(), 2);
    QCOMPARE(m.salesPeople.size(), 1);
    QCOMPARE(m.prices.colourPrice(9), QString("150"));
    QCOMPARE(m.advances, advances);
    QCOMPARE(m.ledgerYear, 2026);
}

void CoreTest::settingsFileExactBytes()
{
    LedgerModel m;
    m.ads = {AdRecord{"One", {QString(QChar(CHECKMARK)), "", "", ""}}, AdRecord{"Two", {"", "", "", ""}}};
    m.salesPeople = {SalesPerson{"Delta", "10"}};
    QByteArray expected = "\"1.76\"\r\n2,1\r\n\"One\",\"?\",\"\",\"\",\"\"\r\n\"Two\",\"\",\"\",\"\",\"\"\r\n"
                          "\"Delta\",\"10\"\r\n";
    for (int i = 0; i < 28; ++i)
        expected += "\"\",\"\"\r\n";
    const QByteArray bytes = settingsOf(m);
    QCOMPARE(bytes, expected);
    QCOMPARE(bytes.count("\r\n"), 33);

    QTemporaryDir dir;
    const QString path = dir.filePath("QuillmoorAds.ini");
    m.settingsChanged = true;
    QVERIFY(writeSettingsFile(path, m).ok);
    QVERIFY(!m.settingsChanged);
    QCOMPARE(fileBytes(path), expected);
}

// A year without ads still has its sales people and its price table.
void CoreTest::settingsWithoutAdsKeepsSalesPeopleAndPrices()
{
    QByteArray file = "\"1.76\"\r\n0,2\r\n\"Delta\",\"10\"\r\n\"Echo\",\"5\"\r\n";
    for (int i = 0; i < 28; ++i)
        file += "\"1\",\"2\"\r\n";
    LedgerModel m;
    const FileResult r = loadSettings(file, m);
    QVERIFY(r.ok && !r.damaged);
    QCOMPARE(m.adCount(), 0);
    QCOMPARE(m.salesChoices(), QStringList({"Delta", "Echo", "Owner"}));
    QCOMPARE(m.prices.colourPrice(28), QString("1"));
    QCOMPARE(m.prices.bwPrice(1), QString("2"));
    QCOMPARE(settingsBytes(m), file);
}

void CoreTest::settingsCheckmarkAndCodePage()
{
    QByteArray file = "\"1.76\"\r\n1,0\r\n\"Caf\xe9 \x80\",\"x\",\"\",\"?\",\" \"\r\n";
    for (int i = 0; i < 28; ++i)
        file += "\"\",\"\"\r\n";
    LedgerModel m;
    const auto r = loadSettings(file, m);
    QVERIFY(r.ok && !r.damaged);
    QCOMPARE(m.ads.at(0).name, QString::fromUtf8("Café €"));
    QCOMPARE(m.ads.at(0).check(1), QString(QChar(CHECKMARK)));
    QCOMPARE(m.ads.at(0).check(2), QString());
    QCOMPARE(m.ads.at(0).check(3), QString(QChar(CHECKMARK)));
    QCOMPARE(m.ads.at(0).check(4), QString(QChar(CHECKMARK)));
    QCOMPARE(m.cells.adCount(), 1);

    LedgerModel snow;
    snow.ads = {AdRecord{QString::fromUtf8("Snow ☃"), {}}};
    LedgerModel back;
    loadSettings(settingsOf(snow), back);
    QCOMPARE(back.ads.at(0).name, QString("Snow ?"));
}

void CoreTest::settingsRoundTrip()
{
    LedgerModel m;
    fillSample(m);
    m.salesPeople << SalesPerson{"Echo", ""};
    for (int e = 1; e <= kPriceEntryCount; ++e) {
        m.prices.colourPrice(e) = QString::number(e * 10);
        m.prices.bwPrice(e) = e % 2 ? QString() : QString("%1.5, net").arg(e);
    }
    const QByteArray bytes = settingsOf(m);
    LedgerModel back;
    QVERIFY(loadSettings(bytes, back).ok);
    QCOMPARE(back.adCount(), 2);
    QCOMPARE(back.ads.at(0).name, QString("Acme, Inc."));
    QCOMPARE(back.ads.at(1).name, QString::fromUtf8("Café ?"));
    QCOMPARE(back.ads.at(1).checks, m.ads.at(1).checks);
    QCOMPARE(back.salesPeople.size(), 2);
    QCOMPARE(back.salesPeople.at(1).name, QString("Echo"));
    QCOMPARE(back.prices.colour, m.prices.colour);
    QCOMPARE(back.prices.blackWhite, m.prices.blackWhite);
    QCOMPARE(settingsOf(back), bytes);
}

void CoreTest::ledgerFileExactBytes()
{
    LedgerModel m;
    m.ads = QList<AdRecord>(3);
    m.resizeLedger(3);
    m.cell(2, ColNumber, 3) = "2";
    m.ledgerYear = 2026;
    const QByteArray bytes = ledgerBytes(m);
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(bytes.count("\r\n"), 1 + 45 + 2);
    QCOMPARE(lines.at(0), QByteArray("\"1.76\",2026\r"));
    QCOMPARE(lines.at(0).size() - 1, 11);
    QCOMPARE(lines.at(1), QByteArray("\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r"));
    QCOMPARE(lines.at(6), QByteArray("\"\",\"\",\"2\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r"));
    QVERIFY(bytes.endsWith("\r\n0,0\r\n0,0\r\n"));

    m.ledgerYear = 0; // an unknown year is written as today's; the model keeps its 0
    m.advances[1] = {AdvanceEntry{"x", .5, 1250}, AdvanceEntry{"y", 12.5, 0}};
    QTemporaryDir dir;
    const QString path = dir.filePath("QuillmoorAds.qmr");
    m.ledgerChanged = true;
    QVERIFY(writeLedgerFile(path, m).ok);
    QVERIFY(!m.ledgerChanged);
    QCOMPARE(m.ledgerYear, 0);
    QVERIFY(fileBytes(path).startsWith("\"1.76\",2026\r\n"));
    QVERIFY(fileBytes(path).endsWith("\r\n0,0\r\n2,0\r\n\"x\",.5,1250\r\n\"y\",12.5,0\r\n"));
}

void CoreTest::ledgerRoundTripOfEveryField()
{
    LedgerModel m;
    fillSample(m);
    const QByteArray bytes = ledgerBytes(m);
    LedgerModel back;
    back.ads = m.ads;
    const auto r = loadLedger(bytes, back);
    QVERIFY(r.ok && !r.damaged);
    QCOMPARE(r.version, QString("1.76"));
    QCOMPARE(back.cells, m.cells);
    QCOMPARE(back.advances, m.advances);
    QCOMPARE(back.ledgerYear, 2026);
    QCOMPARE(ledgerBytes(back), bytes);
}

// The writer copies short texts in blocks of a fixed size and the reader finds
// texts by their first and last eight bytes: texts of every length, the same
// text in many cells, and short texts at the very end of a file must still
// come out as each cell written on its own would.
void CoreTest::cellsOfEveryLengthWrittenAsTexts()
{
    LedgerModel m;
    m.ads = {AdRecord{"a", {}}, AdRecord{"b", {}}, AdRecord{"c", {}}};
    m.resizeLedger(3);
    m.ledgerYear = 2026;
    const QString letters = QString::fromUtf8("abcdefghijklmnopqrstuvwxyz0123456789 ,.é€");
    int n = 0;
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        for (int ad = 1; ad <= 3; ++ad) {
            for (int column = 1; column <= kColumnCount; ++column, ++n) {
                QString text;
                for (int k = 0; k < n % 71; ++k)
                    text += letters.at((n + 7 * k) % letters.size());
                m.cell(issue, column, ad) = text;
            }
        }
    }
    m.cell(15, ColCommPaid, 3) = "c";

    LineWriter expected;
    expected.text(kVersion).number(2026).endLine();
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        for (int ad = 1; ad <= 3; ++ad) {
            for (int column = 1; column <= kColumnCount; ++column)
                expected.text(m.cell(issue, column, ad));
            expected.endLine();
        }
    }
    const QByteArray cellsOnly = expected.bytes(); // an older file: it ends with its cells
    expected.number(0).number(0).endLine().number(0).number(0).endLine();
    const QByteArray bytes = ledgerBytes(m);
    QCOMPARE(bytes, expected.bytes());

    for (const QByteArray &file : {bytes, cellsOnly}) {
        LedgerModel back;
        back.ads = m.ads;
        const FileResult r = loadLedger(file, back);
        QVERIFY2(r.ok && !r.damaged, qPrintable(r.message));
        QCOMPARE(back.cells, m.cells);
        QCOMPARE(ledgerBytes(back), bytes);
    }
}

void CoreTest::olderLedgerWithoutAdvances()
{
    LedgerModel m;
    m.ads = QList<AdRecord>(1);
    const QByteArray file = "\"1.70\",2025\r\n" + emptyCellLines(14) + cellLine({"", "Delta", "1", "", "", "", "", "", "", ""});
    const auto r = loadLedger(file, m);
    QVERIFY(r.ok && !r.damaged);
    QCOMPARE(r.version, QString("1.70"));
    QCOMPARE(m.ledgerYear, 2025);
    QCOMPARE(m.cell(15, ColSalesPerson, 1), QString("Delta"));
    QVERIFY(m.advances[0].isEmpty() && m.advances[1].isEmpty());
}

void CoreTest::ledgerEndingInsideTheCells()
{
    // Written with 2 ads, read with 3: the cell lines run out early.
    QByteArray file = "\"1.76\",2026\r\n";
    for (int i = 0; i < 30; ++i)
        file += cellLine({"", QString::number(i), "", "", "", "", "", "", "", ""});
    file += "1,0\r\n0,0\r\n\"01/02/2026\",50,0\r\n";
    LedgerModel m;
    m.ads = QList<AdRecord>(3);
    const auto r = loadLedger(file, m);
    QVERIFY(r.damaged);
    QVERIFY2(r.message.contains("short: it holds 30 lines of ledger cells, but the 3 ads of the settings file need 45"),
             qPrintable(r.message));
    QCOMPARE(m.cell(10, ColSalesPerson, 3), QString("29"));
    QCOMPARE(m.cell(11, ColSalesPerson, 1), QString()); // missing cells stay empty
    QCOMPARE(m.cell(15, ColSalesPerson, 3), QString());
    QCOMPARE(m.advances[0].size(), 1); // the advances are still found
    QCOMPARE(m.advances[0].at(0).advanced, 50.0);

    LedgerModel cut; // a file that stops in the middle of a line
    cut.ads = QList<AdRecord>(1);
    const auto r2 = loadLedger("\"1.76\",2026\r\n" + emptyCellLines(3) + "\"a\",\"b", cut);
    QVERIFY(r2.damaged);
    QVERIFY2(r2.message.contains("holds 4 lines of ledger cells") && r2.message.contains("line 5"), qPrintable(r2.message));
    QCOMPARE(cut.cell(4, ColSalesPerson, 1), QString("b"));
}

void CoreTest::ledgerWithMoreLinesThanAds()
{
    QByteArray file = "\"1.76\",2026\r\n";
    for (int i = 0; i < 45; ++i)
        file += cellLine({"", QString::number(i), "", "", "", "", "", "", "", ""});
    file += "0,0\r\n1,0\r\n\"d\",1,2\r\n";
    LedgerModel m;
    m.ads = QList<AdRecord>(2);
    const auto r = loadLedger(file, m);
    QVERIFY(r.damaged);
    QVERIFY2(r.message.contains("long: it holds 45 lines of ledger cells, but the 2 ads of the settings file need "
                                "only 30. Lines 32 to 46 were not read"),
             qPrintable(r.message));
    QCOMPARE(m.cell(15, ColSalesPerson, 2), QString("29"));
    QCOMPARE(m.advances[1].size(), 1);
    QCOMPARE(m.advances[1].at(0).paid, 2.0);
}

// A line that lost its last cell damages that line only: every other cell and
// the advances are where they were written.
void CoreTest::oneDamagedLineDamagesOnlyItsCells()
{
    LedgerModel m;
    m.ads = QList<AdRecord>(3);
    m.resizeLedger(3);
    for (int issue = 1; issue <= kIssueCount; ++issue)
        for (int ad = 1; ad <= 3; ++ad)
            for (int column = 1; column <= kColumnCount; ++column)
                m.cell(issue, column, ad) = QString("%1/%2/%3").arg(issue).arg(column).arg(ad);
    m.ledgerYear = 2026;
    m.advances[0] = {AdvanceEntry{"03/05/2026", 100, 0}};
    m.advances[1] = {AdvanceEntry{"04/05/2026", 0, 25}, AdvanceEntry{"05/05/2026", +150, 0}};
    QList<QByteArray> lines = ledgerBytes(m).split('\n');
    lines[4] = lines[4].left(lines[4].lastIndexOf(',')) + "\r"; // file line 5: the last cell is gone
    lines[9] = "\"3/1/3\",\"3/2/3\",\"3/3/3\" junk\r";             // file line 10: three cells and junk
    lines[50] = "\"05/05/2026\",+150,0\r";                          // a leading plus on an amount
    const QByteArray damaged = lines.join('\n');

    LedgerModel back;
    back.ads = m.ads;
    const FileResult r = loadLedger(damaged, back);
    QVERIFY(r.damaged);
    QVERIFY2(r.message.contains("lines 5 and 10"), qPrintable(r.message));
    QVERIFY2(!r.message.contains("short") && !r.message.contains("long"), qPrintable(r.message));
    LedgerModel expected = m;
    expected.cell(2, ColCommPaid, 1) = QString();
    for (int column = 4; column <= kColumnCount; ++column)
        expected.cell(3, column, 3) = QString();
    QCOMPARE(back.cells, expected.cells);
    QCOMPARE(back.advances, expected.advances);
    QCOMPARE(back.ledgerYear, 2026);
}

// A settings file without ads: the ledger holds no cell lines, but its year and advances.
void CoreTest::advancesWithoutAds()
{
    LedgerModel m;
    m.ledgerYear = 2026;
    m.advances[0] = {AdvanceEntry{"03/05/2026", 100.25, 0}};
    m.advances[1] = {AdvanceEntry{"12/31/2026", 1250, 12.5}};
    const QByteArray bytes = ledgerBytes(m);
    QCOMPARE(bytes, QByteArray("\"1.76\",2026\r\n1,0\r\n1,0\r\n\"03/05/2026\",100.25,0\r\n\"12/31/2026\",1250,12.5\r\n"));
    LedgerModel back;
    const FileResult r = loadLedger(bytes, back);
    QVERIFY(r.ok && !r.damaged);
    QCOMPARE(back.advances, m.advances);
    QCOMPARE(back.ledgerYear, 2026);
    // The cells of ads the settings file no longer has are not spread anywhere.
    LedgerModel twoAds;
    fillSample(twoAds);
    LedgerModel none;
    const FileResult r2 = loadLedger(ledgerBytes(twoAds), none);
    QVERIFY(r2.damaged && r2.message.contains("long"));
    QCOMPARE(none.advances, twoAds.advances);
}

void CoreTest::hugeCountsDoNotExhaustMemory()
{
    LedgerModel m;
    const auto s = loadSettings("\"1.76\"\r\n1e15,1e15\r\n\"a\",\"\",\"\",\"\",\"\"\r\n", m);
    QVERIFY(s.damaged);
    QCOMPARE(m.adCount(), 1);
    LedgerModel l;
    l.ads = QList<AdRecord>(1);
    const auto r = loadLedger("\"1.76\",1e300\r\n" + emptyCellLines(15) + "1e12,0\r\n1e12,0\r\n\"d\",1,2\r\n", l);
    QVERIFY(r.damaged);
    QCOMPARE(l.advances[0].size(), 1);
    QVERIFY2(r.message.contains("but the file ends after 1 of them"), qPrintable(r.message));
}

// A settings file of little more than commas that announces a huge ad count:
// each ad is a line of its own, so only the lines there are can be ads.
void CoreTest::hugeAdCountBoundByLines()
{
    const QByteArray file = "\"1.76\"\r\n1000000000,0\r\n" + QByteArray(2 * 1024 * 1024, ',') + "\r\n\"b\"\r\n";
    LedgerModel m;
    const FileResult r = loadSettings(file, m);
    QVERIFY(r.damaged);
    QVERIFY2(r.message.contains("ends early: it announces 1000000000 ads"), qPrintable(r.message));
    QCOMPARE(m.adCount(), 2);
    QCOMPARE(m.cells.adCount(), 2);
    QCOMPARE(m.ads.at(1).name, QString("b"));
}

void CoreTest::doubleQuoteNeverBreaksTheFile()
{
    LedgerModel m;
    m.ads = {AdRecord{"12\" banner", {QString(QChar(CHECKMARK)), "", "", ""}}};
    m.salesPeople = {SalesPerson{"Al \"Ace\"", "1\"0"}};
    m.resizeLedger(1);
    m.cell(1, ColStatus, 1) = "\"";
    m.advances[0] = {AdvanceEntry{"1\"2", 3, 4}};
    LedgerModel back;
    QVERIFY(loadSettings(settingsOf(m), back).ok);
    QCOMPARE(back.ads.at(0).name, QString("12' banner"));
    QCOMPARE(back.salesPeople.at(0).name, QString("Al 'Ace'"));
    QCOMPARE(back.salesPeople.at(0).percent, QString("1'0"));
    QCOMPARE(back.prices.colourPrice(28), QString());
    const auto r = loadLedger(ledgerBytes(m), back);
    QVERIFY(!r.damaged);
    QCOMPARE(back.cell(1, ColStatus, 1), QString("'"));
    QCOMPARE(back.advances[0].at(0), (AdvanceEntry{"1'2", 3, 4}));
}

void CoreTest::fileChoice()
{
    const QString program = "/opt/quillmoor/QuillmoorAds";
    FileChoice c = chooseFiles({program}, program);
    QCOMPARE(c.ledgerFile, QString("QuillmoorAds.qmr"));
    QCOMPARE(c.settingsFile, QString("QuillmoorAds.ini"));
    QVERIFY(c.error.isEmpty());
    // The platform hands the argument over without its quotes; the blanks stay.
    c = chooseFiles({program, "C:/Ad Sales/year 2026.qmr"}, program);
    QCOMPARE(c.ledgerFile, QString("C:/Ad Sales/year 2026.qmr"));
    QCOMPARE(c.settingsFile, QString("C:/Ad Sales/year 2026.ini"));
    QVERIFY(c.error.isEmpty());
    c = chooseFiles({program, "ledger.QMR"}, program);
    QVERIFY(c.error.contains("\"ledger.QMR\""));
    c = chooseFiles({program, "notes.txt"}, program);
    QVERIFY(c.error.contains("notes.txt"));
    QVERIFY(c.error.contains("must contain \".qmr\""));
    // The check and the message agree: ".qmr" anywhere in the name will do.
    c = chooseFiles({program, "/ads/year.qmr.old"}, program);
    QVERIFY(c.error.isEmpty());
    QCOMPARE(c.settingsFile, QString("/ads/year.ini.old"));
    // A folder for the default pair; a ledger named stays where it is.
    c = chooseFiles({program}, program, "/home/ann/Documents/Quillmoor Ads/");
    QCOMPARE(c.ledgerFile, QString("/home/ann/Documents/Quillmoor Ads/QuillmoorAds.qmr"));
    QCOMPARE(c.settingsFile, QString("/home/ann/Documents/Quillmoor Ads/QuillmoorAds.ini"));
    c = chooseFiles({program, "year.qmr"}, program, "/home/ann/Documents/Quillmoor Ads");
    QCOMPARE(c.ledgerFile, QString("year.qmr"));
}

void CoreTest::archiveCopyFolder()
{
    QVERIFY(isArchiveCopy("C:\\Ads\\QuillmoorAds_Archive\\QuillmoorAds_2025.ini"));
    QVERIFY(isArchiveCopy("/home/ads/quillmoorads_archive/x.ini"));
    QVERIFY(!isArchiveCopy("/home/ads/QuillmoorAds_Archive/old/x.ini"));
    QVERIFY(!isArchiveCopy("QuillmoorAds.ini"));
}

void CoreTest::backupNames()
{
    const QDateTime moment(QDate(2026, 3, 3), QTime(14, 5));
    QCOMPARE(backupName("/data/X.ini", moment), QString("/data/X_030326_1405.ini"));
    QCOMPARE(backupName("C:\\my.files\\Ads.qmr", moment), QString("C:\\my.files\\Ads_030326_1405.qmr"));
    QCOMPARE(backupName("/my.files/noext", moment), QString("/my.files/noext_030326_1405"));
    QCOMPARE(backupName("a.qmr", QDateTime(QDate(2027, 12, 31), QTime(9, 7))), QString("a_123127_0907.qmr"));
}

void CoreTest::helpFileBesideTheProgram()
{
    QTemporaryDir work;
    QTemporaryDir install;
    const QString program = install.filePath("QuillmoorAds");
    const QString oldDir = QDir::currentPath();
    QDir::setCurrent(work.path());
    QCOMPARE(findHelpFile(program), QString("quillmoorAds.ahp"));
    putFile(install.filePath("quillmoorAds.ahp"), "help");
    QCOMPARE(findHelpFile(program), install.filePath("quillmoorAds.ahp"));
    putFile(work.filePath("quillmoorAds.ahp"), "help");
    QCOMPARE(findHelpFile(program), QString("quillmoorAds.ahp"));
    QDir::setCurrent(oldDir);
}

QTEST_GUILESS_MAIN(CoreTest)
#include "tst_core.moc"
