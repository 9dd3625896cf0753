// The year-to-date report's "Owed" view in its window, reached by a click:
// what it shows, its printout (recorded, over pages, and into a PDF file) and
// its export; and last year's column beside this year's sales.

#include "core/Clock.h"
#include "core/csv/CsvExport.h"
#include "core/rules/OwedReport.h"
#include "print/QtPrintDevice.h"
#include "reports/OwedPrinting.h"
#include "reports/YearToDateWindow.h"

#include "FileDialogAnswer.h"
#include "Golden.h"
#include "LedgerPair.h"
#include "OwedLedger.h"
#include "RecordingPrinter.h"
#include "ScriptedMessages.h"

#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

namespace {

QStringList headings(const QTableView *table)
{
    QStringList titles;
    for (int column = 0; column < table->model()->columnCount(); ++column)
        titles << table->model()->headerData(column, Qt::Horizontal).toString();
    return titles;
}

QList<QStringList> rows(const QTableView *table)
{
    QList<QStringList> all;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->model()->columnCount(); ++column)
            cells << table->model()->index(row, column).data().toString();
        all << cells;
    }
    return all;
}

void clickOption(QWidget *window, const char *name)
{
    auto *option = window->findChild<QRadioButton *>(name);
    QVERIFY(option);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    QVERIFY(option->isChecked());
}

void clickButton(QWidget *window, const char *name)
{
    QTest::mouseClick(window->findChild<QPushButton *>(name), Qt::LeftButton);
}

QStringList texts(const PrintedPage &page)
{
    QStringList all;
    for (const PrintedLine &line : page.lines)
        all << line.text;
    return all;
}

} // namespace

class TestOwedView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(10, 0))); }
    void cleanup() { Clock::reset(); }

    void owedViewByClick();
    void printsOwedView();
    void printedOverPages();
    void exportsOwedView();
    void lastYearColumn();
    void noLastYear_data();
    void noLastYear();
};

void TestOwedView::owedViewByClick()
{
    const LedgerModel model = owedLedger();
    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize salesSize = window.size();
    auto *owed = window.findChild<QTableView *>("OwedTable");
    auto *people = window.findChild<QTableView *>("PeopleOwedTable");
    QVERIFY(!owed->isVisible());
    QCOMPARE(window.findChild<QRadioButton *>("OwedOption")->text(), QString("&Owed"));

    clickOption(&window, "OwedOption");
    QVERIFY(owed->isVisible());
    QVERIFY(people->isVisible());
    QVERIFY(!window.reportTable()->isVisible());
    QCOMPARE(headings(owed), owedTitles());
    QCOMPARE(rows(owed), owedLedgerRows());
    QCOMPARE(owed->model()->index(0, 5).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(owed->model()->index(0, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    // Subtotals and the total in bold, the lines not; each cell names its column to a screen reader.
    for (int row = 0; row < owed->model()->rowCount(); ++row) {
        const QModelIndex first = owed->model()->index(row, 0);
        const bool total = first.data().toString() == "Ad total" || first.data().toString() == "Total";
        QCOMPARE(first.data(Qt::FontRole).value<QFont>().bold(), total);
        const QModelIndex owedAmount = owed->model()->index(row, 7);
        QCOMPARE(owedAmount.data(Qt::AccessibleTextRole).toString(), "Owed: " + owedAmount.data().toString());
    }
    QCOMPARE(headings(people), personOwedTitles());
    QCOMPARE(rows(people), owedLedgerPeople());
    // Every control stays inside the window and clear of the others.
    for (QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible())
            continue;
        QVERIFY2(window.rect().contains(control->geometry()), qPrintable(control->objectName()));
        for (QWidget *other : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != control && other->isVisible())
                QVERIFY2(!other->geometry().intersects(control->geometry()), qPrintable(other->objectName()));
        }
    }

    clickOption(&window, "TotalSalesOption");
    QVERIFY(!owed->isVisible());
    QVERIFY(window.reportTable()->isVisible());
    QCOMPARE(window.size(), salesSize);
}

// "&Print" in the "Owed" view prints it: recorded against its golden file, and into a real PDF file.
void TestOwedView::printsOwedView()
{
    const LedgerModel model = owedLedger();
    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickOption(&window, "OwedOption");
    RecordingChooser chooser;
    clickButton(&window, "PrintButton");
    QCOMPARE(chooser.dialogs, QStringList("Quillmoor Ads - Owed"));
    QCOMPARE(chooser.printed.size(), 1);
    QM_COMPARE_GOLDEN(QM_GOLDEN_DIR, QStringLiteral("printed_owed"), chooser.printed.first().toText());

    QTemporaryDir dir;
    const QString file = dir.filePath("Owed.pdf");
    ScriptedMessages messages;
    chooser.make = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        return std::make_unique<QtPrintDevice>(std::move(printer));
    };
    clickButton(&window, "PrintButton");
    QCOMPARE(chooser.printed.size(), 2);
    QCOMPARE(texts(chooser.printed.at(1).pages.first()).mid(1, 8), owedTitles());
    QVERIFY(fileBytes(file).startsWith("%PDF"));
    QVERIFY(window.isVisible());
}

// A report longer than a page goes on under the repeated headings of the part being printed.
void TestOwedView::printedOverPages()
{
    LedgerModel model = owedLedger();
    for (int i = 0; i < 45; ++i) {
        model.addAd();
        model.cell(1 + i % 12, ColSale, model.adCount()) = QStringLiteral("10.00");
    }
    RecordingChooser chooser;
    printOwedReport(owedReport(model));
    QCOMPARE(chooser.printed.size(), 1);
    const QList<PrintedPage> &pages = chooser.printed.first().pages;
    QCOMPARE(pages.size(), 3);
    const int bottom = RecordingDevice().page.printable.height();
    int printedRows = 0;
    for (const PrintedPage &page : pages) {
        const QStringList onPage = texts(page);
        const int first = &page == &pages.first() ? 1 : 0; // the title
        QCOMPARE(onPage.mid(first, 8), owedTitles());
        for (const PrintedLine &line : page.lines)
            QVERIFY(line.y + 99 <= bottom);
        printedRows += int(onPage.count("Ad total")) + int(onPage.count("Total"));
    }
    QCOMPARE(printedRows, 2 + 45 + 1);
    // The people's part follows on the last page under its own headings.
    QCOMPARE(texts(pages.last()).mid(texts(pages.last()).size() - 18, 6), personOwedTitles());
}

// "&Export..." writes the totals as before and the "Owed" view beside them;
// the file beside is replaced only when the user says so.
void TestOwedView::exportsOwedView()
{
    QTemporaryDir dir;
    const LedgerModel model = owedLedger();
    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickOption(&window, "OwedOption");
    ScriptedMessages messages;
    QObject context;
    answerFileDialog(&context, dir.filePath("ytd.csv"));
    clickButton(&window, "ExportButton");
    QCOMPARE(fileBytes(dir.filePath("ytd_owed.csv")), owedLedgerCsv());
    QCOMPARE(fileBytes(dir.filePath("ytd.csv")), yearToDateCsv(model));
    QVERIFY(messages.asked.isEmpty());

    const QByteArray kept = "kept\r\n";
    QFile old(dir.filePath("again_owed.csv"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kept) == kept.size());
    old.close();
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        messages.answers << answer;
        answerFileDialog(&context, dir.filePath("again.csv"));
        clickButton(&window, "ExportButton");
        QVERIFY(messages.asked.last().text.contains(QDir::toNativeSeparators(dir.filePath("again_owed.csv"))));
        const bool replaced = answer == MessageAnswer::Yes;
        QCOMPARE(fileBytes(dir.filePath("again_owed.csv")), replaced ? owedLedgerCsv() : kept);
        QCOMPARE(QFileInfo::exists(dir.filePath("again.csv")), replaced);
    }
    QCOMPARE(messages.asked.size(), 2);
}

// Found: a "Last year" column right of "Paid Sales" in the sales view only,
// filled in the publication rows and the totals.
void TestOwedView::lastYearColumn()
{
    const LedgerModel model = owedLedger();
    YearToDateWindow plain(model);
    LastYearSales sales;
    sales.state = LastYearSales::State::Found;
    sales.year = 2025;
    sales.throughMonth = 3;
    sales.publications = {470.004, 140, 0, 110.5};
    YearToDateWindow window(model, nullptr, sales);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTableWidget *view = window.reportTable();
    QCOMPARE(view->columnCount(), plain.reportTable()->columnCount() + 1);
    const int last = view->columnCount() - 1;
    QCOMPARE(view->horizontalHeaderItem(last)->text(), QString("Last year"));
    QStringList column;
    for (int row = 0; row < view->rowCount(); ++row)
        column << view->item(row, last)->text();
    QStringList expected(19);
    expected[13] = "470.00";
    expected[14] = "140.00";
    expected[15] = ".00";
    expected[16] = "110.50";
    expected[18] = "720.50";
    QCOMPARE(column, expected);
    QVERIFY(!view->isColumnHidden(last));
    QVERIFY(view->columnViewportPosition(last) + view->columnWidth(last) <= view->viewport()->width());
    QVERIFY(window.rect().contains(view->geometry()));
    QVERIFY(!window.findChild<QLabel *>("LastYearNote"));

    clickOption(&window, "CommissionsOption");
    QVERIFY(view->isColumnHidden(last));
    clickOption(&window, "TotalSalesOption");
    QVERIFY(!view->isColumnHidden(last));

    // Exported, the column follows the report's others, titled, amounts as plain numbers.
    QTemporaryDir dir;
    ScriptedMessages messages;
    QObject context;
    answerFileDialog(&context, dir.filePath("ytd.csv"));
    clickButton(&window, "ExportButton");
    const QList<QByteArray> withLastYear = fileBytes(dir.filePath("ytd.csv")).split('\n');
    const QList<QByteArray> without = yearToDateCsv(model).split('\n');
    QCOMPARE(withLastYear.size(), without.size());
    const QByteArray lastYearCells[] = {"Last year", "", "", "", "", "", "", "", "", "", "", "",
                                        "", "", "470.00", "140.00", "0.00", "110.50", "", "720.50"};
    for (qsizetype line = 0; line < without.size() - 1; ++line)
        QCOMPARE(withLastYear.at(line), without.at(line).chopped(1) + ',' + lastYearCells[line] + '\r');
}

void TestOwedView::noLastYear_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("missing") << int(LastYearSales::State::Missing)
                             << "No archive of 2025 to compare with: looked for /a/x.qmr and /b/x.qmr."
                             << "No archive of 2025 to compare with: looked for /a/x.qmr and /b/x.qmr.";
    QTest::newRow("damaged") << int(LastYearSales::State::Damaged)
                             << "The file x.qmr is damaged.\nThe archive of 2025 is left out of the report."
                             << "The file x.qmr is damaged. The archive of 2025 is left out of the report.";
}

// Not found or not read: no column, and a line in the sales view that says why.
void TestOwedView::noLastYear()
{
    QFETCH(int, state);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    const LedgerModel model = owedLedger();
    YearToDateWindow plain(model);
    LastYearSales sales;
    sales.state = LastYearSales::State(state);
    sales.message = message;
    YearToDateWindow window(model, nullptr, sales);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.reportTable()->columnCount(), plain.reportTable()->columnCount());
    QCOMPARE(window.size(), plain.size());
    auto *note = window.findChild<QLabel *>("LastYearNote");
    QVERIFY(note && note->isVisible());
    QCOMPARE(note->text().isEmpty() ? note->toolTip() : note->text(), shown);
    QVERIFY(!note->geometry().intersects(window.reportTable()->geometry()));
    clickOption(&window, "CommissionsOption");
    QVERIFY(!note->isVisible());
}

QTEST_MAIN(TestOwedView)
#include "tst_owedview.moc"
