#include "core/Clock.h"
#include "core/csv/CsvExport.h"
#include "core/rules/RunSheet.h"
#include "print/QtPrintDevice.h"
#include "reports/ReportPrinting.h"
#include "reports/YearToDateWindow.h"

#include "Golden.h"
#include "RecordingPrinter.h"
#include "ReportFixture.h"
#include "ScriptedMessages.h"

#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;

namespace {

// The recording device's body and heading fonts are 99 pixels high: a line is 148.5.
constexpr double kLineHeight = 1.5 * 99;

QStringList texts(const PrintedPage &page)
{
    QStringList list;
    for (const PrintedLine &line : page.lines)
        list << line.text;
    return list;
}

// A model whose Corvel March issue (printed as the shown issue) has three ads with the given Number texts.
LedgerModel threeAds(const QStringList &numbers)
{
    LedgerModel model = modelWithAds(3);
    for (int ad = 1; ad <= 3; ++ad) {
        model.ads[ad - 1].check(1) = QString(CHECKMARK);
        model.cell(3, ColNumber, ad) = numbers.at(ad - 1);
        model.cell(3, ColStatus, ad) = QStringLiteral("Ok %1").arg(ad);
    }
    return model;
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2025, 4, 7), QTime(9, 30))); }
    void cleanup() { Clock::reset(); }

    void runSheetNumbers_data();
    void runSheetNumbers();
    void runSheetTitle_data();
    void runSheetTitle();
    void runSheetPages_data();
    void runSheetPages();
    void runSheetCancelled();
    void runSheetToPdf();
    void yearToDatePages_data();
    void yearToDatePages();
    void yearToDateColumns_data();
    void yearToDateColumns();
    void windowViews();
    void windowPrintsShownView();
    void windowCloses();
    void decemberCountsForItsPerson_data();
    void decemberCountsForItsPerson();
    void exportBesideTheLayoutsButtons();
};

void TestReports::runSheetNumbers_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("printedAds");
    QTest::newRow("2, 0, empty") << QStringList{"2", "0", ""} << QStringList{"Ad 1"};
    QTest::newRow("1x prints, x1 does not") << QStringList{"x1", "1x", " 3"} << QStringList{"Ad 2", "Ad 3"};
    QTest::newRow("fractions and signs") << QStringList{".5", "-0", "0.0"} << QStringList{"Ad 1"};
}

void TestReports::runSheetNumbers()
{
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, printedAds);
    const LedgerModel model = threeAds(numbers);
    RecordingChooser chooser;
    printRunSheet(model, 1, 3);
    QCOMPARE(chooser.printed.size(), 1);
    const PrintedPage page = chooser.printed.first().pages.first();
    // Title, two headings, then the name and status of each printed ad.
    QCOMPARE(page.lines.size(), 3 + 2 * printedAds.size());
    for (qsizetype i = 0; i < printedAds.size(); ++i) {
        const PrintedLine &name = page.lines.at(3 + 2 * i);
        QCOMPARE(name.text, printedAds.at(i));
        QCOMPARE(name.x, 600);
        QCOMPARE(name.y, qRound(float(i + 4) * float(kLineHeight)));
        QCOMPARE(page.lines.at(4 + 2 * i).x, 1800);
        QCOMPARE(page.lines.at(4 + 2 * i).y, name.y);
    }
    const RunSheet sheet = runSheetFor(model, 1, 3, Clock::today());
    QCOMPARE(sheet.lines.size(), printedAds.size());
}

void TestReports::runSheetTitle_data()
{
    QTest::addColumn<int>("publication");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("title");
    QTest::newRow("Corvel names the month") << 1 << 3 << "        Quillmoor Run Sheet for March Magazine - 2025";
    QTest::newRow("Tarn") << 2 << 3 << "        Quillmoor Run Sheet for Tarn Magazine - 2025";
    QTest::newRow("Wyndle") << 4 << 12 << "        Quillmoor Run Sheet for Wyndle Magazine - 2025";
}

void TestReports::runSheetTitle()
{
    QFETCH(int, publication);
    QFETCH(int, month);
    QFETCH(QString, title);
    LedgerModel model = sampleLedger(2);
    model.ledgerYear = 2019; // the title shows today's year, not the ledger's
    RecordingChooser chooser;
    printRunSheet(model, publication, month);
    QCOMPARE(chooser.printed.size(), 1);
    const PrintedLine first = chooser.printed.first().pages.first().lines.first();
    QCOMPARE(first.text, title);
    QCOMPARE(first.x, 0);
    QCOMPARE(first.y, 0);
    QCOMPARE(first.font, QStringLiteral("Times New Roman 10"));
}

void TestReports::runSheetPages_data()
{
    QTest::addColumn<int>("publication");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("ads");
    QTest::newRow("runsheet_march") << 1 << 3 << 0;
    QTest::newRow("runsheet_january") << 1 << 1 << 0;
    QTest::newRow("runsheet_tarn") << 2 << 1 << 0;
    QTest::newRow("runsheet_empty") << 1 << 2 << 0;
    QTest::newRow("runsheet_two_pages") << 3 << 1 << 50;
}

void TestReports::runSheetPages()
{
    QFETCH(int, publication);
    QFETCH(int, month);
    QFETCH(int, ads);
    LedgerModel model = sampleLedger(2);
    // Many sold ads in Fennet: more than the 41 lines of a page.
    const int first = model.adCount() + 1;
    model.ads.reserve(model.adCount() + ads);
    for (int i = 0; i < ads; ++i) {
        AdRecord ad;
        ad.name = QStringLiteral("Fennet ad %1").arg(i + 1);
        ad.check(3) = QString(CHECKMARK);
        model.ads << ad;
    }
    model.resizeLedger(model.adCount());
    for (int ad = first; ad < first + ads; ++ad) {
        model.cell(14, ColNumber, ad) = QStringLiteral("1");
        model.cell(14, ColStatus, ad) = QStringLiteral("Proof");
    }
    RecordingChooser chooser;
    printRunSheet(model, publication, month);
    QCOMPARE(chooser.printed.size(), 1);
    QM_COMPARE_GOLDEN(QM_GOLDEN_DIR, QTest::currentDataTag(), chooser.printed.first().toText());
    if (ads > 0) {
        const QList<PrintedPage> &pages = chooser.printed.first().pages;
        QCOMPARE(pages.size(), 2);
        QCOMPARE(texts(pages.at(1)).mid(0, 2), QStringList({"Sold Ads", "Status"}));
        QCOMPARE(texts(pages.at(0)).count() + texts(pages.at(1)).count(), 1 + 2 + 2 + 2 * (ads + 1));
        for (const PrintedPage &page : pages) {
            for (const PrintedLine &line : page.lines)
                QVERIFY(line.y + 99 <= 6240);
        }
    }
}

void TestReports::runSheetCancelled()
{
    ScriptedMessages messages;
    RecordingChooser chooser;
    chooser.cancel = true;
    printRunSheet(threeAds({"1", "1", "1"}), 1, 3);
    QCOMPARE(chooser.dialogs, QStringList(QStringLiteral("Quillmoor Run Sheet - March")));
    QVERIFY(chooser.printed.isEmpty());
    QVERIFY(messages.asked.isEmpty());
}

void TestReports::runSheetToPdf()
{
    // The real PDF writer: lines at the same formula, a file on disk, the user told where.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Run sheet.pdf"));
    ScriptedMessages messages;
    RecordingChooser chooser;
    int characterHeight = 0;
    chooser.make = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        auto device = std::make_unique<QtPrintDevice>(std::move(printer));
        FontSpec heading = device->defaultFont();
        heading.bold = true;
        heading.underline = true;
        characterHeight = device->metrics(heading).height;
        return device;
    };
    printRunSheet(threeAds({"2", "0", ""}), 1, 3);
    QCOMPARE(chooser.printed.size(), 1);
    const PrintedPage page = chooser.printed.first().pages.first();
    QCOMPARE(texts(page).mid(1), QStringList({"Sold Ads", "Status", "Ad 1", "Ok 1"}));
    QCOMPARE(page.lines.at(3).y, qRound(4 * 1.5f * float(characterHeight)));
    QCOMPARE(page.lines.at(3).x, 1200);
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5).startsWith("%PDF"));
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY(messages.asked.first().text.endsWith(QDir::toNativeSeparators(file)));
}

void TestReports::yearToDatePages_data() { addYearToDateRows("printed_"); }

void TestReports::yearToDatePages()
{
    QFETCH(int, people);
    QFETCH(bool, commissions);
    const ReportTable table = yearToDateTable(people, commissions);
    // The commission view names the sales people over their columns.
    const LedgerModel model = sampleLedger(people);
    const QStringList names =
        commissions ? QStringList{salesPersonLabel(model, 1), salesPersonLabel(model, 2)} : QStringList();
    RecordingChooser chooser;
    printYearToDate(table, people, !commissions, names);
    QCOMPARE(chooser.printed.size(), 1);
    QCOMPARE(chooser.printed.first().pages.size(), 1);
    QM_COMPARE_GOLDEN(QM_GOLDEN_DIR, QTest::currentDataTag(), chooser.printed.first().toText());
}

void TestReports::yearToDateColumns_data()
{
    QTest::addColumn<int>("people");
    QTest::addColumn<int>("columns");
    QTest::newRow("none") << 0 << 3;
    QTest::newRow("one") << 1 << 5;
    QTest::newRow("two") << 2 << 7;
}

void TestReports::yearToDateColumns()
{
    QFETCH(int, people);
    QFETCH(int, columns);
    const ReportTable table = yearToDateTable(people, false);
    RecordingChooser chooser;
    printYearToDate(table, people, true);
    const PrintedPage page = chooser.printed.first().pages.first();
    // The title, a heading per column and a cell per column in each of 19 rows.
    QCOMPARE(page.lines.size(), 1 + columns * 20);
    const int headingY = qRound(2.5f * float(kLineHeight));
    int headings = 0;
    for (const PrintedLine &line : page.lines)
        headings += line.y == headingY ? 1 : 0;
    QCOMPARE(headings, columns);
    QCOMPARE(page.lines.first().text,
             QString(20, u' ') + QStringLiteral("Quillmoor Ads - Reporting for 04-07-2025"));
}

void TestReports::windowViews()
{
    const LedgerModel model = sampleLedger(2);
    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Year to date reporting"));
    QCOMPARE(window.size(), QSize(630, 460));
    QTableWidget *view = window.reportTable();
    QCOMPARE(view->geometry(), QRect(10, 25, 605, 365));
    QCOMPARE(view->rowCount(), 19);
    auto *label1 = window.findChild<QLabel *>(QStringLiteral("SalesPerson1Label"));
    auto *label2 = window.findChild<QLabel *>(QStringLiteral("SalesPerson2Label"));
    QVERIFY(!label1->isVisible());
    QCOMPARE(label1->text(), QStringLiteral("Ann Lee"));
    QCOMPARE(label2->text(), QStringLiteral("Bob"));
    auto *totalSales = window.findChild<QRadioButton *>(QStringLiteral("TotalSalesOption"));
    auto *commissions = window.findChild<QRadioButton *>(QStringLiteral("CommissionsOption"));
    QVERIFY(totalSales->isChecked());
    QCOMPARE(totalSales->text(), QStringLiteral("Total Sales"));

    // What the window shows is the table of the totals.
    const auto shown = [view] {
        QStringList titles;
        for (int c = 0; c < view->columnCount(); ++c)
            titles << view->horizontalHeaderItem(c)->text();
        QString text = titles.join(u'|') + u'\n';
        for (int r = 0; r < view->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < view->columnCount(); ++c)
                cells << view->item(r, c)->text();
            text += cells.join(u'|') + u'\n';
        }
        return text;
    };
    const QString salesView = shown();
    QM_COMPARE_GOLDEN(QM_GOLDEN_DIR, QStringLiteral("table_sales_2"), salesView);
    QCOMPARE(view->item(0, 1)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(view->columnWidth(0), 150);
    QCOMPARE(view->columnWidth(5), 90);

    QTest::mouseClick(commissions, Qt::LeftButton, {}, QPoint(8, commissions->height() / 2));
    QVERIFY(commissions->isChecked());
    QCOMPARE(window.size(), QSize(540, 460));
    QCOMPARE(view->size(), QSize(515, 365));
    QVERIFY(label1->isVisible());
    QVERIFY(label2->isVisible());
    QVERIFY(view->isColumnHidden(5));
    QCOMPARE(view->horizontalHeaderItem(1)->text(), QStringLiteral("Commission1"));
    QCOMPARE(view->item(13, 1)->text(), QStringLiteral("42.05"));

    QTest::mouseClick(totalSales, Qt::LeftButton, {}, QPoint(8, totalSales->height() / 2));
    QCOMPARE(window.size(), QSize(630, 460));
    QVERIFY(!view->isColumnHidden(5));
    QVERIFY(!label1->isVisible());
    QCOMPARE(shown(), salesView);
}

void TestReports::windowPrintsShownView()
{
    const LedgerModel model = sampleLedger(1);
    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *commissions = window.findChild<QRadioButton *>(QStringLiteral("CommissionsOption"));
    QTest::mouseClick(commissions, Qt::LeftButton, {}, QPoint(8, commissions->height() / 2));
    RecordingChooser chooser;
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("PrintButton")), Qt::LeftButton);
    QCOMPARE(chooser.printed.size(), 1);
    QM_COMPARE_GOLDEN(QM_GOLDEN_DIR, QStringLiteral("printed_commissions_1"), chooser.printed.first().toText());
    QVERIFY(window.isVisible());
}

void TestReports::windowCloses()
{
    const LedgerModel model = sampleLedger(0);
    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("CloseButton")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), 0);
}

void TestReports::decemberCountsForItsPerson_data()
{
    QTest::addColumn<QString>("person");
    QTest::addColumn<int>("column"); // the person's column on screen, on paper and in the file
    QTest::newRow("owner") << "Owner" << 1;
    QTest::newRow("sales person") << "Ann Lee" << 2;
}

// The last month counts in the Corvel and Totals rows of its person's column
// on screen, on paper and in the exported file.
void TestReports::decemberCountsForItsPerson()
{
    QFETCH(QString, person);
    QFETCH(int, column);
    LedgerModel model = modelWithAds(1);
    model.salesPeople << SalesPerson{QStringLiteral("Ann Lee"), QStringLiteral("10")};
    for (const auto &[month, sale] : {std::pair(11, "100"), std::pair(12, "40.50")}) {
        model.cell(month, ColSalesPerson, 1) = person;
        model.cell(month, ColSale, 1) = QString::fromLatin1(sale);
    }
    struct Row
    {
        int row;
        QString label;
        QString amount;
    };
    const Row rows[] = {{12, QStringLiteral("December"), QStringLiteral("40.50")},
                        {kCorvelTotalRow, QStringLiteral("Corvel Magazine"), QStringLiteral("140.50")},
                        {kTotalsRow, QStringLiteral("      Totals"), QStringLiteral("140.50")}};

    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    RecordingChooser chooser;
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("PrintButton")), Qt::LeftButton);
    QCOMPARE(chooser.printed.size(), 1);
    const PrintedPage page = chooser.printed.first().pages.first();
    const QStringList csvLines = QString::fromUtf8(yearToDateCsv(model).mid(3)).split(QStringLiteral("\r\n"));

    for (const Row &r : rows) {
        QCOMPARE(window.reportTable()->item(r.row - 1, 0)->text(), r.label);
        QCOMPARE(window.reportTable()->item(r.row - 1, column)->text(), r.amount);

        QStringList printed; // the texts printed on the row's line
        for (const PrintedLine &label : page.lines) {
            if (label.text != r.label)
                continue;
            for (const PrintedLine &line : page.lines) {
                if (line.y == label.y)
                    printed << line.text;
            }
        }
        QCOMPARE(printed.value(0), r.label);
        QCOMPARE(printed.value(column), r.amount);

        const QStringList fields = csvLines.value(r.row).split(u',');
        QCOMPARE(fields.value(0), r.label.trimmed());
        QCOMPARE(fields.value(column), r.amount);
    }
}

// "&Print" and "&Close" keep the places of the report's layout; "&Export..."
// takes room that no other control uses, in both views.
void TestReports::exportBesideTheLayoutsButtons()
{
    const LedgerModel model = sampleLedger(2);
    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("PrintButton"))->geometry(), QRect(100, 410, 90, 40));
    QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("CloseButton"))->geometry(), QRect(200, 410, 90, 40));
    auto *exportButton = window.findChild<QPushButton *>(QStringLiteral("ExportButton"));
    auto *commissions = window.findChild<QRadioButton *>(QStringLiteral("CommissionsOption"));
    for (int view = 0; view < 2; ++view) {
        if (view == 1)
            QTest::mouseClick(commissions, Qt::LeftButton, {}, QPoint(8, commissions->height() / 2));
        QVERIFY(exportButton->isVisible());
        QVERIFY(window.rect().contains(exportButton->geometry()));
        for (QWidget *other : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != exportButton && other->isVisible())
                QVERIFY2(!other->geometry().intersects(exportButton->geometry()), qPrintable(other->objectName()));
        }
    }
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
