// The CSV export read back by a CSV parser: the same figures as the model, texts
// with commas, quotes, line breaks and non-ASCII letters intact, and never a data
// file overwritten.

#include "core/LedgerModel.h"
#include "core/files/SafeSave.h"
#include "core/csv/CsvExport.h"
#include "core/files/LineFormat.h"
#include "core/files/NumberFormat.h"
#include "LedgerPair.h"
#include "RandomLedger.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

namespace {

// RFC 4180, read independently of the writer: quoted fields may hold commas,
// doubled quotes and line breaks; records end with CR LF.
QList<QStringList> parseCsv(const QByteArray &bytes, QString *problem)
{
    QList<QStringList> rows;
    if (!bytes.startsWith("\xEF\xBB\xBF")) {
        *problem = "no byte-order mark";
        return rows;
    }
    const QString text = QString::fromUtf8(bytes.mid(3));
    QStringList row;
    QString field;
    bool quoted = false, wasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
            wasQuoted = false;
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            wasQuoted = false;
            ++i;
        } else if (c == u'"' || c == u'\r' || c == u'\n') {
            *problem = QString("stray %1 at %2").arg(c).arg(i);
            return rows;
        } else {
            field += c;
        }
    }
    if (quoted || !row.isEmpty() || !field.isEmpty())
        *problem = "the last record does not end with CR LF";
    return rows;
}

// A text as the export writes it: with an apostrophe in front when a
// spreadsheet would run it as a formula.
QString asText(const QString &text)
{
    return !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()) ? "'" + text : text;
}

double figure(const QString &field)
{
    bool ok = false;
    const double value = field.toDouble(&ok);
    return ok ? value : -1e300;
}

} // namespace

class CsvExportTest : public QObject
{
    Q_OBJECT

private slots:
    void fields_data();
    void fields();
    void numbersAndDates_data();
    void numbersAndDates();
    void randomLedgerReadsBack_data();
    void randomLedgerReadsBack();
    void hardTexts();
    void oneTextInEveryColumn();
    void moneyAsItsAmountText();
    void formulaTextsStayText_data();
    void formulaTextsStayText();
    void advancesWithBalance();
    void refusesDataFiles_data();
    void refusesDataFiles();
    void failedSaveKeepsOldFile();
};

void CsvExportTest::fields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Harbour Books" << "Harbour Books";
    QTest::newRow("comma") << "Tide, Ltd" << "\"Tide, Ltd\"";
    QTest::newRow("quote") << "The \"Gull\"" << "\"The \"\"Gull\"\"\"";
    QTest::newRow("line break") << "two\r\nlines" << "\"two\r\nlines\"";
    QTest::newRow("bare LF") << "two\nlines" << "\"two\nlines\"";
    QTest::newRow("bare CR") << "two\rlines" << "\"two\rlines\"";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Café Brönte") << QString::fromUtf8("Café Brönte");
}

void CsvExportTest::fields()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(csvField(text), field);
}

void CsvExportTest::numbersAndDates_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    // Amounts as the program writes them, and anything else a file may hold.
    QTest::newRow("amount") << "amount" << "300.00" << "300.00";
    QTest::newRow("amount below one") << "amount" << ".50" << "0.50";
    QTest::newRow("amount with a zero") << "amount" << "0.05" << "0.05";
    QTest::newRow("amount, leading zeros") << "amount" << "0012.30" << "12.30";
    QTest::newRow("amount, one decimal") << "amount" << "12.5" << "12.50";
    QTest::newRow("amount, three decimals") << "amount" << "12.345" << "12.35";
    QTest::newRow("amount, blanks first") << "amount" << "  7" << "7.00";
    QTest::newRow("amount, letters after") << "amount" << "15abc" << "15.00";
    QTest::newRow("amount, exponent") << "amount" << "1e3" << "1000.00";
    QTest::newRow("amount, negative") << "amount" << "-5.00" << "-5.00";
    QTest::newRow("amount, sixteen digits") << "amount" << "1234567890123456.00" << "1234567890123456.00";
    QTest::newRow("amount, letters") << "amount" << "abc" << "0.00";
    QTest::newRow("amount, blanks") << "amount" << "   " << "";
    QTest::newRow("amount, empty") << "amount" << "" << "";
    QTest::newRow("count") << "count" << "3" << "3";
    QTest::newRow("count, zero") << "count" << "0" << "0";
    QTest::newRow("count, leading zero") << "count" << "03" << "3";
    QTest::newRow("count, decimals") << "count" << "2.50" << "2.5";
    QTest::newRow("count, empty") << "count" << "" << "";
    QTest::newRow("date") << "date" << "01/15/2026" << "2026-01-15";
    QTest::newRow("date, December 31") << "date" << "12/31/2026" << "2026-12-31";
    QTest::newRow("date, year 214748") << "date" << "12/31/214748" << "214748-12-31";
    QTest::newRow("date, damaged") << "date" << "13/45/2026" << "13/45/2026";
    QTest::newRow("date, formula") << "date" << "=1+1" << "'=1+1";
    QTest::newRow("date, empty") << "date" << "" << "";
}

// Each field alone in a record: the writer's quick forms and its general
// rules give the same figures.
void CsvExportTest::numbersAndDates()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    CsvWriter csv;
    if (kind == "amount")
        csv.amount(text);
    else if (kind == "count")
        csv.count(text);
    else
        csv.date(text);
    csv.endRecord();
    QString problem;
    const QList<QStringList> rows = parseCsv(csv.bytes(), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(rows.size(), 1);
    QTEST(rows.first().value(0), "field");
}

void CsvExportTest::randomLedgerReadsBack_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {7u, 2026u, 424242u})
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

// Every row holding anything comes back with the model's texts and figures.
void CsvExportTest::randomLedgerReadsBack()
{
    QFETCH(quint32, seed);
    testing::RandomLedger random(seed);
    LedgerModel model;
    random.fillSettings(model, 12);
    random.fillLedger(model);

    QString problem;
    const QList<QStringList> rows = parseCsv(ledgerCsv(model), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(rows.first().size(), 12);
    QCOMPARE(rows.first().at(7), QString("Sale"));
    int next = 1;
    double saleTotal = 0, csvSaleTotal = 0;
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        for (int ad = 1; ad <= model.adCount(); ++ad) {
            bool any = false;
            for (int column = 2; column <= kColumnCount; ++column)
                any = any || !model.cell(issue, column, ad).isEmpty();
            if (!any)
                continue;
            QVERIFY(next < rows.size());
            const QStringList &row = rows.at(next++);
            QCOMPARE(row.size(), 12);
            QCOMPARE(row.at(0), publicationName(issue <= 12 ? 1 : issue - 11));
            QCOMPARE(row.at(1), issue <= 12 ? monthName(issue) : QString());
            QCOMPARE(row.at(2), asText(model.ads.at(ad - 1).name));
            QCOMPARE(row.at(3), asText(model.cell(issue, ColSalesPerson, ad)));
            QCOMPARE(row.at(5), asText(model.cell(issue, ColSize, ad)));
            QCOMPARE(row.at(9), asText(model.cell(issue, ColStatus, ad)));
            QCOMPARE(row.at(6), model.cell(issue, ColColor, ad).isEmpty() ? QString("no") : QString("yes"));
            const QString &number = model.cell(issue, ColNumber, ad);
            if (number.trimmed().isEmpty())
                QCOMPARE(row.at(4), QString());
            else
                QCOMPARE(figure(row.at(4)), leadingNumber(number));
            const int amountColumns[] = {ColSale, ColPaid, ColComm, ColCommPaid};
            const int fields[] = {7, 8, 10, 11};
            for (int k = 0; k < 4; ++k) {
                const QString &cell = model.cell(issue, amountColumns[k], ad);
                if (cell.trimmed().isEmpty())
                    QCOMPARE(row.at(fields[k]), QString());
                else
                    QVERIFY2(qAbs(figure(row.at(fields[k])) - leadingNumber(cell)) <= 0.005 + 1e-9,
                             qPrintable(row.at(fields[k]) + " for " + cell));
            }
            saleTotal += leadingNumber(model.cell(issue, ColSale, ad));
            csvSaleTotal += row.at(7).toDouble();
        }
    }
    QCOMPARE(next, rows.size());
    QVERIFY(qAbs(saleTotal - csvSaleTotal) < 0.01 * rows.size());
}

void CsvExportTest::hardTexts()
{
    LedgerModel model = filledYear(2026);
    model.ads[1].name = QString::fromUtf8("Tide \"& Co\", Ltd – Łódź");
    model.cell(2, ColStatus, 2) = "P/U Fen";
    QString problem;
    const QList<QStringList> rows = parseCsv(ledgerCsv(model), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows.at(2), QStringList({"Corvel", "February", QString::fromUtf8("Tide \"& Co\", Ltd – Łódź"),
                                      "Bram Tully", "2", "Full", "no", "320.00", "100.00", "P/U Fen", "40.00", ""}));
    QCOMPARE(rows.at(3).mid(0, 4), QStringList({"Tarn", "", "Harbour Books", "Owner"}));
}

// Cells holding the same text are written by each column's own rule, in every
// line that holds them.
void CsvExportTest::oneTextInEveryColumn()
{
    LedgerModel model = filledYear(2026);
    for (int ad : {1, 2}) {
        for (int issue : {1, kIssueCount}) {
            for (int column = ColSalesPerson; column <= kColumnCount; ++column)
                model.cell(issue, column, ad) = "7";
        }
    }
    QString problem;
    const QList<QStringList> rows = parseCsv(ledgerCsv(model), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const QStringList sevens = {"7", "7", "7", "yes", "7.00", "7.00", "7", "7.00", "7.00"};
    QCOMPARE(rows.at(1), QStringList({"Corvel", "January", model.ads.at(0).name}) + sevens);
    QCOMPARE(rows.at(2), QStringList({"Corvel", "January", model.ads.at(1).name}) + sevens);
    const QList<QStringList> lastIssue = rows.mid(rows.indexOf(QStringList({"Wyndle", "", model.ads.at(0).name}) + sevens));
    QVERIFY(lastIssue.size() >= 2);
    QCOMPARE(lastIssue.at(1), QStringList({"Wyndle", "", model.ads.at(1).name}) + sevens);
}

// What the program works out is written as amount() writes its money text.
void CsvExportTest::moneyAsItsAmountText()
{
    QList<double> values = {0.0, -0.0, 0.004, -0.004, 0.005, 0.5, -0.5, 12.5, -12.5, 1.005, 0.1 + 0.2, 999999999999.99,
                            1e12, -1e12, 1e15, 123456789012345678.0, qInf(), -qInf(), qQNaN()};
    QRandomGenerator random(2026);
    for (int i = 0; i < 20000; ++i) {
        const double cents = std::round(random.bounded(2e9) - 1e9);
        values << cents / 100 << (cents + random.generateDouble()) / 100 << cents * 1e3;
    }
    for (double value : values) {
        CsvWriter money(0, CsvWriter::Start::Bare), amount(0, CsvWriter::Start::Bare);
        money.field(u"x");
        money.money(value);
        amount.field(u"x");
        amount.amount(formatMoney(value));
        QCOMPARE(money.bytes(), amount.bytes());
    }
}

void CsvExportTest::formulaTextsStayText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("title"); // the report's titles are trimmed
    const QString link = "=HYPERLINK(\"http://x.test\",\"open\")";
    QTest::newRow("=") << link << "'" + link << "'" + link;
    QTest::newRow("+") << "+1" << "'+1" << "'+1";
    QTest::newRow("-") << "-1" << "'-1" << "'-1";
    QTest::newRow("@") << "@x" << "'@x" << "'@x";
    QTest::newRow("tab") << "\tx" << "'\tx" << "x";
    QTest::newRow("CR") << "\rx" << "'\rx" << "x";
    QTest::newRow("signs inside") << "a=b-c" << "a=b-c" << "a=b-c";
}

// Names and texts that a spreadsheet would run come out as text in every
// export; negative amounts stay numbers.
void CsvExportTest::formulaTextsStayText()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    LedgerModel model = filledYear(2026);
    model.ads[0].name = text;
    model.salesPeople[0].name = text;
    model.cell(1, ColSalesPerson, 1) = text;
    model.cell(1, ColSize, 1) = text;
    model.cell(1, ColStatus, 1) = text;
    model.cell(1, ColPaid, 1) = "-12";
    model.advances[0][0].advanced = -200;

    QString problem;
    const QList<QStringList> ledger = parseCsv(ledgerCsv(model), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(ledger.at(1), QStringList({"Corvel", "January", field, field, "1", field, "yes", "150.00", "-12.00", field,
                                        "15.00", "15.00"}));
    const QList<QStringList> advances = parseCsv(advancesCsv(model), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(advances.at(1), QStringList({field, "2026-01-15", "-200.00", "0.00", "-200.00"}));
    const QList<QStringList> report = parseCsv(yearToDateCsv(model), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QTEST(report.first().at(2), "title");
    QCOMPARE(report.at(1).at(2), QString("150.00"));
}

void CsvExportTest::advancesWithBalance()
{
    const LedgerModel model = filledYear(2026);
    QString problem;
    const QList<QStringList> rows = parseCsv(advancesCsv(model), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows.at(0), QStringList({"Person", "Date", "Advanced", "Paid", "Balance"}));
    QCOMPARE(rows.at(1), QStringList({"Alice Moor", "2026-01-15", "200.00", "0.00", "200.00"}));
    QCOMPARE(rows.at(2), QStringList({"Alice Moor", "2026-02-15", "0.00", "50.50", "149.50"}));
    QCOMPARE(rows.at(3), QStringList({"Bram Tully", "2026-03-01", "75.25", "0.00", "75.25"}));
    QCOMPARE(advancesCsvPath("/tmp/x.csv"), QString("/tmp/x_advances.csv"));
}

void CsvExportTest::refusesDataFiles_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("the ledger") << "QuillmoorAds.qmr";
    QTest::newRow("the settings") << "QuillmoorAds.ini";
    QTest::newRow("the ledger by another path") << "sub/../QuillmoorAds.qmr";
    QTest::newRow("another ledger") << "Other.QMR";
}

void CsvExportTest::refusesDataFiles()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("sub"));
    writePair(dir.path(), filledYear(2026));
    const QStringList data = {dir.filePath("QuillmoorAds.ini"), dir.filePath("QuillmoorAds.qmr")};
    const QByteArray settings = fileBytes(data.at(0)), ledger = fileBytes(data.at(1));
    const FileResult saved = saveCsvFile(dir.filePath(target), "a,b\r\n", data);
    QVERIFY(!saved.ok);
    QVERIFY(saved.message.contains("never writes over it"));
    QCOMPARE(fileBytes(data.at(0)), settings);
    QCOMPARE(fileBytes(data.at(1)), ledger);
    QVERIFY(!QFileInfo::exists(dir.filePath("Other.QMR")));
}

void CsvExportTest::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("year.csv");
    QVERIFY(saveCsvFile(path, "old\r\n", {}).ok);
    setSaveFault(SaveFault{.failAfter = 2, .persistent = false});
    const FileResult saved = saveCsvFile(path, ledgerCsv(filledYear(2026)), {});
    setSaveFault(SaveFault());
    QVERIFY(!saved.ok);
    QVERIFY(saved.message.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
}

QTEST_GUILESS_MAIN(CsvExportTest)
#include "tst_csvexport.moc"
