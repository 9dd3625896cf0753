// The chart of the year: which sales go to which bar and publication, last
// year's line, and what the chart widget is given to draw and save.
#include "reports/YearChartView.h"

#include "FileDialogAnswer.h"
#include "RecordingPrinter.h"
#include "SampleModel.h"
#include "core/Clock.h"
#include "print/QtPrintDevice.h"
#include "reports/YearToDateWindow.h"

#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

using namespace qm;

namespace {

// Sales in the first and last month, the first and last yearly issue, a text
// after a number and an empty cell between.
LedgerModel thisYear()
{
    return SampleModel(3)
        .runningIn(1)
        .runningIn(2)
        .runningIn(4)
        .cell(1, ColSale, 1, "150.00")
        .cell(1, ColSale, 3, "50")
        .cell(2, ColSale, 2, "12abc")
        .cell(12, ColSale, 3, "99.50")
        .cell(13, ColSale, 1, "300")
        .cell(15, ColSale, 2, "75.25")
        .year(2026);
}

LedgerModel lastYear()
{
    return SampleModel(2).runningIn(1).runningIn(3).cell(1, ColSale, 1, "80").cell(14, ColSale, 2, "410").year(2025);
}

// Bar (1..15) -> sales, per publication; every other bar holds 0.
using Expected = QList<std::tuple<int, int, double>>;

} // namespace

class TestYearChart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void chartViewByClicks();
    void barsHoldEachIssueOfItsPublication_data()
    {
        QTest::addColumn<bool>("withLastYear");
        QTest::addColumn<Expected>("expected");
        QTest::addColumn<QList<double>>("lastYearLine");
        QTest::addColumn<double>("highest");
        const Expected sales = {{1, 1, 200}, {2, 1, 12}, {12, 1, 99.5}, {13, 2, 300}, {15, 4, 75.25}};
        QList<double> line(kIssueCount, 0);
        line[0] = 80;
        line[13] = 410;
        QTest::newRow("this year only") << false << sales << QList<double>() << 300.0;
        QTest::newRow("with last year") << true << sales << line << 410.0;
    }

    void barsHoldEachIssueOfItsPublication()
    {
        QFETCH(bool, withLastYear);
        QFETCH(Expected, expected);
        QFETCH(QList<double>, lastYearLine);
        QFETCH(double, highest);
        const LedgerModel model = thisYear();
        const LedgerModel last = lastYear();
        const YearChartData data = yearChartData(model, withLastYear ? salesPerIssue(last) : QList<double>());

        QCOMPARE(data.bars.size(), kIssueCount);
        QCOMPARE(data.bars.first(), monthTitle(1));
        QCOMPARE(data.bars.at(11), monthTitle(12));
        QCOMPARE(data.bars.at(12), publicationName(2));
        QCOMPARE(data.bars.last(), publicationName(4));
        for (int publication = 1; publication <= kPublicationCount; ++publication) {
            QList<double> want(kIssueCount, 0);
            for (const auto &[bar, inPublication, value] : expected) {
                if (inPublication == publication)
                    want[bar - 1] = value;
            }
            QCOMPARE(data.sales.at(publication - 1), want);
        }
        QCOMPARE(data.lastYear, lastYearLine);
        QCOMPARE(data.highest, highest);
    }

    void emptyLedgerDrawsFlatBars()
    {
        const YearChartData data = yearChartData(LedgerModel());
        for (const QList<double> &values : data.sales)
            QCOMPARE(values, QList<double>(kIssueCount, 0));
        QCOMPARE(data.highest, 0.0);
        YearChartView view;
        view.setData(data);
        auto *amounts = qobject_cast<QValueAxis *>(view.chart()->axes(Qt::Vertical).value(0));
        QVERIFY(amounts && amounts->max() > 0);
    }

    void chartShowsWhatItIsGiven_data()
    {
        QTest::addColumn<bool>("withLastYear");
        QTest::newRow("this year only") << false;
        QTest::newRow("with last year") << true;
    }

    void chartShowsWhatItIsGiven()
    {
        QFETCH(bool, withLastYear);
        const LedgerModel model = thisYear();
        const LedgerModel last = lastYear();
        const YearChartData data = yearChartData(model, withLastYear ? salesPerIssue(last) : QList<double>());
        YearChartView view;
        view.setData(yearChartData(last, salesPerIssue(model))); // a chart set again keeps nothing of before
        view.setData(data);

        const QList<QAbstractSeries *> series = view.chart()->series();
        QCOMPARE(series.size(), withLastYear ? 2 : 1);
        auto *bars = qobject_cast<QStackedBarSeries *>(series.first());
        QVERIFY(bars);
        QCOMPARE(bars->count(), kPublicationCount);
        for (int publication = 1; publication <= kPublicationCount; ++publication) {
            QBarSet *set = bars->barSets().at(publication - 1);
            QCOMPARE(set->label(), publicationName(publication));
            for (int bar = 0; bar < kIssueCount; ++bar)
                QCOMPARE(set->at(bar), data.sales.at(publication - 1).at(bar));
        }
        if (withLastYear) {
            auto *line = qobject_cast<QLineSeries *>(series.last());
            QVERIFY(line);
            QCOMPARE(line->count(), kIssueCount);
            QCOMPARE(line->at(13), QPointF(13, 410));
        }
        auto *amounts = qobject_cast<QValueAxis *>(view.chart()->axes(Qt::Vertical).value(0));
        QVERIFY(amounts);
        QCOMPARE(amounts->labelFormat(), QStringLiteral("%.2f"));
        QVERIFY(amounts->max() >= data.highest);
        QCOMPARE(view.chart()->axes().size(), 2);
    }

    void savedAsPng()
    {
        QTemporaryDir dir;
        YearChartView view;
        view.setData(yearChartData(thisYear()));
        const QString path = dir.filePath("chart.png");
        QVERIFY(view.savePng(path));
        const QImage saved(path);
        QVERIFY(!saved.isNull());
        QVERIFY(saved.width() >= 1200); // twice the size the report window shows
        // The bars are drawn: Corvel's colour covers part of the picture.
        const QColor corvel = qobject_cast<QStackedBarSeries *>(view.chart()->series().first())->barSets().first()->color();
        int coloured = 0;
        for (int y = 0; y < saved.height(); y += 2) {
            for (int x = 0; x < saved.width(); x += 2)
                coloured += saved.pixelColor(x, y).rgb() == corvel.rgb();
        }
        QVERIFY2(coloured > 100, qPrintable(QString::number(coloured)));
        QVERIFY(!view.savePng(dir.filePath("missing/folder/chart.png")));
    }
};

void TestYearChart::chartViewByClicks()
{
    Clock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(10, 0)));
    const LedgerModel model = thisYear();
    LastYearSales last;
    last.state = LastYearSales::State::Found;
    last.year = 2025;
    last.throughMonth = 3;
    last.issues = salesPerIssue(lastYear());
    YearToDateWindow window(model, nullptr, last);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *option = window.findChild<QRadioButton *>("ChartOption");
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    auto *chart = window.findChild<YearChartView *>("YearChart");
    QVERIFY(chart && chart->isVisible());
    QVERIFY(!window.reportTable()->isVisible());
    QVERIFY(window.rect().contains(chart->geometry()));
    QCOMPARE(chart->data().sales, yearChartData(model, last.issues).sales);
    QCOMPARE(chart->data().lastYear, last.issues);

    // Printed: the title and the chart as one picture within the page.
    QTemporaryDir dir;
    RecordingChooser chooser;
    const QString pdf = dir.filePath("chart.pdf");
    chooser.make = [&] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return std::make_unique<QtPrintDevice>(std::move(printer));
    };
    QTest::mouseClick(window.findChild<QPushButton *>("PrintButton"), Qt::LeftButton);
    QCOMPARE(chooser.printed.size(), 1);
    const QList<PrintedPage> &pages = chooser.printed.first().pages;
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().lines.size(), 2);
    QCOMPARE(pages.first().lines.first().text, QString("Quillmoor Ads - Sales of the year, 03-09-2026"));
    const PrintedLine &picture = pages.first().lines.last();
    QCOMPARE(picture.font, QString("picture"));
    QVERIFY(picture.y > pages.first().lines.first().y);
    QVERIFY(picture.width > 0 && picture.height > 0);
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly) && printed.read(4) == "%PDF");

    // Exported: a PNG picture of the chart where the user names it.
    QObject context;
    answerFileDialog(&context, dir.filePath("year.png"));
    QTest::mouseClick(window.findChild<QPushButton *>("ExportButton"), Qt::LeftButton);
    QVERIFY(!QImage(dir.filePath("year.png")).isNull());
    QVERIFY(!QFileInfo::exists(dir.filePath("year_owed.csv")));

    // Back to the totals: the table again, the chart gone.
    option = window.findChild<QRadioButton *>("TotalSalesOption");
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    QVERIFY(window.reportTable()->isVisible());
    QVERIFY(!chart->isVisible());
    Clock::reset();
}

QTEST_MAIN(TestYearChart)
#include "tst_yearchart.moc"
