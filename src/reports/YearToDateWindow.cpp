#include "reports/YearToDateWindow.h"

#include "core/LedgerModel.h"
#include "core/Messages.h"
#include "core/csv/CsvExport.h"
#include "core/rules/OwedReport.h"
#include "reports/OwedPrinting.h"
#include "reports/OwedView.h"
#include "reports/YearChartView.h"
#include "reports/ReportPrinting.h"
#include "ui/FileDialogs.h"
#include "ui/ElidingHeader.h"
#include "ui/Fonts.h"
#include "ui/HeadedTableItem.h"
#include "ui/TextFit.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace qm {

namespace {

constexpr int kFirstColumnWidth = 150;
constexpr int kAmountColumnWidth = 90;
// The "Owed" view's eight columns want a wider window than the totals.
constexpr int kOwedWidth = 800;

int salesPeopleOf(const LedgerModel &model)
{
    return int(qMin<qsizetype>(model.salesPeople.size(), kMaxSalesPeople));
}

} // namespace

YearToDateWindow::YearToDateWindow(const LedgerModel &model, QWidget *parent,
                                   const std::optional<LastYearSales> &lastYear)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_model(model), m_lastYear(lastYear)
{
    setWindowTitle(tr("Year to date reporting"));
    // Modal to the main window only: the help window beside it stays usable.
    setWindowModality(Qt::WindowModal);
    setFont(uiFont(10));
    setFixedSize(630, 470);
    buildControls();
    buildLastYear();
    fillSalesView();
}

bool YearToDateWindow::hasLastYear() const
{
    return m_lastYear && m_lastYear->state == LastYearSales::State::Found;
}

// Last year's column right of "Paid Sales", or the line that says why there is none.
void YearToDateWindow::buildLastYear()
{
    if (!m_lastYear)
        return;
    if (!hasLastYear()) {
        m_lastYearNote = new QLabel(QString(m_lastYear->message).replace(u'\n', u' '), this);
        m_lastYearNote->setObjectName(QStringLiteral("LastYearNote"));
        m_lastYearNote->setAccessibleName(m_lastYear->message);
        m_lastYearNote->setGeometry(10, 4, 605, 18);
        fitText(m_lastYearNote);
        return;
    }
    const int column = kReportColumns;
    m_view->setColumnCount(column + 1);
    auto *header = new HeadedTableItem(tr("Last year"));
    header->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    header->setToolTip(tr("Sales of %1, Corvel from January to %2")
                           .arg(m_lastYear->year)
                           .arg(monthTitle(m_lastYear->throughMonth)));
    m_view->setHorizontalHeaderItem(column, header);
    m_view->setColumnWidth(column, kAmountColumnWidth);
    const std::array<QString, kReportRows> cells = lastYearColumn(*m_lastYear);
    for (int row = 0; row < kReportRows; ++row) {
        auto *item = new HeadedTableItem(cells.at(std::size_t(row)));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_view->setItem(row, column, item);
    }
}

void YearToDateWindow::buildControls()
{
    m_view = new QTableWidget(kReportRows, kReportColumns, this);
    m_view->setObjectName(QStringLiteral("ReportTable"));
    m_view->setAccessibleName(tr("Year to date totals"));
    // A sales person's name too long for its column's heading is cut with "…".
    m_view->setHorizontalHeader(new ElidingHeader(Qt::Horizontal, m_view));
    m_view->setGeometry(10, 25, 605, 370);
    m_view->setShowGrid(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setMinimumSectionSize(1);
    m_view->verticalHeader()->setDefaultSectionSize(18);
    m_view->horizontalHeader()->setFixedHeight(20);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->setColumnWidth(0, kFirstColumnWidth);
    for (int column = 1; column < kReportColumns; ++column)
        m_view->setColumnWidth(column, kAmountColumnWidth);
    for (int column = 0; column < kReportColumns; ++column) {
        const Qt::Alignment alignment =
            (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        auto *header = new HeadedTableItem();
        header->setTextAlignment(alignment);
        m_view->setHorizontalHeaderItem(column, header);
        for (int row = 0; row < kReportRows; ++row) {
            auto *item = new HeadedTableItem();
            item->setTextAlignment(alignment);
            m_view->setItem(row, column, item);
        }
    }

    m_label1 = new QLabel(salesPersonLabel(m_model, 1), this);
    m_label1->setObjectName(QStringLiteral("SalesPerson1Label"));
    m_label1->setGeometry(160, 10, 180, 16);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label2 = new QLabel(salesPersonLabel(m_model, 2), this);
    m_label2->setObjectName(QStringLiteral("SalesPerson2Label"));
    m_label2->setGeometry(340, 10, 180, 16);
    m_label2->setAlignment(Qt::AlignCenter);

    auto *print = new QPushButton(tr("&Print"), this);
    print->setAccessibleDescription(tr("Prints the report"));
    print->setObjectName(QStringLiteral("PrintButton"));
    print->setGeometry(100, 410, 90, 40);
    print->setAutoDefault(false);
    auto *close = new QPushButton(tr("&Close"), this);
    close->setAccessibleDescription(tr("Closes the report"));
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setGeometry(200, 410, 90, 40);
    close->setAutoDefault(false);
    // The export has the free place right of "Close", before the view options.
    auto *exportButton = new QPushButton(tr("&Export..."), this);
    exportButton->setAccessibleName(tr("Export"));
    exportButton->setAccessibleDescription(tr("Saves the views of the report as CSV files"));
    exportButton->setObjectName(QStringLiteral("ExportButton"));
    exportButton->setGeometry(300, 410, 90, 40);
    exportButton->setAutoDefault(false);

    m_totalSales = new QRadioButton(tr("Total Sales"), this);
    m_totalSales->setAccessibleDescription(tr("Shows the sales of the owner and of each sales person"));
    m_totalSales->setObjectName(QStringLiteral("TotalSalesOption"));
    m_totalSales->setGeometry(400, 415, 120, 18);
    m_commissions = new QRadioButton(tr("Commissions"), this);
    m_commissions->setAccessibleDescription(tr("Shows the commission due and paid of each sales person"));
    m_commissions->setObjectName(QStringLiteral("CommissionsOption"));
    m_commissions->setGeometry(400, 435, 120, 18);
    // Above the two views of the totals, in the room between the table and the buttons.
    m_owed = new QRadioButton(tr("&Owed"), this);
    m_owed->setAccessibleName(tr("Owed"));
    m_owed->setAccessibleDescription(
        tr("Shows the sales not paid in full and what each sales person is owed"));
    m_owed->setObjectName(QStringLiteral("OwedOption"));
    m_owed->setGeometry(400, 395, 120, 18);
    auto *group = new QButtonGroup(this);
    group->addButton(m_totalSales);
    group->addButton(m_commissions);
    group->addButton(m_owed);
    m_owedView = new OwedView(this);
    m_owedView->hide();
    // Left of the buttons, in the window's free corner.
    m_chart = new QRadioButton(tr("C&hart"), this);
    m_chart->setAccessibleName(tr("Chart"));
    m_chart->setAccessibleDescription(tr("Shows the sales of each issue as a chart, with last year's"));
    m_chart->setObjectName(QStringLiteral("ChartOption"));
    m_chart->setGeometry(10, 420, 85, 18);
    group->addButton(m_chart);
    m_chartView = new YearChartView(this);
    m_chartView->hide();
    m_totalSales->setChecked(true);
    fitTexts(this);
    showCutTextsInToolTips(m_view);

    connect(print, &QPushButton::clicked, this, &YearToDateWindow::printYearToDate);
    connect(exportButton, &QPushButton::clicked, this, &YearToDateWindow::exportYearToDate);
    connect(close, &QPushButton::clicked, this, [this] { done(0); });
    connect(m_totalSales, &QRadioButton::clicked, this, &YearToDateWindow::viewChosen);
    connect(m_commissions, &QRadioButton::clicked, this, &YearToDateWindow::viewChosen);
    connect(m_owed, &QRadioButton::clicked, this, &YearToDateWindow::viewChosen);
    connect(m_chart, &QRadioButton::clicked, this, &YearToDateWindow::viewChosen);
}

void YearToDateWindow::viewChosen()
{
    if (m_totalSales->isChecked())
        fillSalesView();
    else if (m_commissions->isChecked())
        fillCommissionView();
    else if (m_owed->isChecked())
        fillOwedView();
    else
        fillChartView();
}

void YearToDateWindow::showTotals(bool shown) { showOnly(shown ? static_cast<QWidget *>(m_view) : m_owedView); }

void YearToDateWindow::showOnly(QWidget *view)
{
    for (QWidget *each : {static_cast<QWidget *>(m_view), static_cast<QWidget *>(m_owedView),
                          static_cast<QWidget *>(m_chartView)})
        each->setVisible(each == view);
}

void YearToDateWindow::fillChartView()
{
    m_label1->hide();
    m_label2->hide();
    if (m_lastYearNote)
        m_lastYearNote->show();
    setFixedSize(kOwedWidth, 460);
    m_chartView->setGeometry(10, 25, kOwedWidth - 25, 365);
    showOnly(m_chartView);
    m_chartView->setData(yearChartData(m_model, hasLastYear() ? m_lastYear->issues : QList<double>()));
}

void YearToDateWindow::fillSalesView()
{
    m_label1->hide();
    m_label2->hide();
    showTotals(true);
    const int lastYearWidth = hasLastYear() ? kAmountColumnWidth : 0;
    setFixedSize(630 + lastYearWidth, 460);
    m_view->resize(605 + lastYearWidth, 365);
    if (hasLastYear())
        m_view->setColumnHidden(kReportColumns, false);
    if (m_lastYearNote)
        m_lastYearNote->show();
    m_view->setColumnHidden(kReportColumns - 1, false);
    m_view->setColumnWidth(kReportColumns - 1, kAmountColumnWidth);
    qm::fillSalesView(m_model, m_table);
    showTable();
}

void YearToDateWindow::fillCommissionView()
{
    setFixedSize(540, 460);
    m_view->resize(515, 365);
    m_label1->show();
    m_label2->show();
    showTotals(true);
    if (hasLastYear())
        m_view->setColumnHidden(kReportColumns, true);
    if (m_lastYearNote)
        m_lastYearNote->hide();
    m_view->setColumnHidden(kReportColumns - 1, true);
    qm::fillCommissionView(m_model, m_table);
    showTable();
}

void YearToDateWindow::fillOwedView()
{
    m_label1->hide();
    m_label2->hide();
    if (m_lastYearNote)
        m_lastYearNote->hide();
    showTotals(false);
    setFixedSize(kOwedWidth, 460);
    m_owedView->setGeometry(10, 25, kOwedWidth - 25, 365);
    m_owedView->showReport(owedReport(m_model));
}

void YearToDateWindow::showTable()
{
    for (int column = 1; column <= kReportColumns; ++column) {
        m_view->horizontalHeaderItem(column - 1)->setText(m_table.title(column));
        for (int row = 1; row <= kReportRows; ++row)
            m_view->item(row - 1, column - 1)->setText(m_table.cell(row, column));
    }
}

void YearToDateWindow::printYearToDate()
{
    if (m_chartView->isVisible()) {
        m_chartView->print(this);
        return;
    }
    if (m_owedView->isVisible()) {
        printOwedReport(owedReport(m_model), this);
        return;
    }
    // The commission view names the sales people over their columns, on paper as on screen.
    const bool commissions = m_view->isColumnHidden(kReportColumns - 1);
    const QStringList names =
        commissions ? QStringList{salesPersonLabel(m_model, 1), salesPersonLabel(m_model, 2)} : QStringList();
    qm::printYearToDate(m_table, salesPeopleOf(m_model), !commissions, names, this);
}

void YearToDateWindow::exportChart()
{
    QFileDialog dialog(this, tr("Save the chart"), QString(), tr("PNG pictures (*.png)"));
    dialog.setObjectName(QStringLiteral("ExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(tr("Year to date chart.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().first();
    if (!m_chartView->savePng(chosen))
        showMessage(tr("The chart could not be saved as %1.").arg(QDir::toNativeSeparators(chosen)), tr("Export"),
                    MessageButtons::Ok, MessageIcon::Error);
}

void YearToDateWindow::exportYearToDate()
{
    if (m_chartView->isVisible()) {
        exportChart();
        return;
    }
    QFileDialog dialog(this, tr("Export the report"), QString(), tr("CSV files (*.csv)"));
    dialog.setObjectName(QStringLiteral("ExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(tr("Year to date.csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    // The file dialog asked about the file named; the one beside it is asked about here.
    const QString chosen = dialog.selectedFiles().first();
    const QString owed = owedCsvPath(chosen);
    if (!mayReplace({owed}, tr("Export")))
        return;
    // Last year's column goes with the totals when the window shows it.
    std::optional<std::array<QString, kReportRows>> lastYear;
    if (hasLastYear())
        lastYear = lastYearColumn(*m_lastYear);
    const QByteArray totals = yearToDateCsv(m_model, lastYear ? &*lastYear : nullptr);
    for (const auto &[path, bytes] : {std::pair{chosen, totals}, std::pair{owed, owedCsv(m_model)}}) {
        const FileResult saved = saveCsvFile(path, bytes, {});
        if (!saved.ok) {
            showMessage(saved.message, tr("Export"), MessageButtons::Ok, MessageIcon::Error);
            return;
        }
    }
}

void showYearToDate(const LedgerModel &model, QWidget *parent, const std::optional<LastYearSales> &lastYear)
{
    YearToDateWindow window(model, parent, lastYear);
    window.exec();
}

} // namespace qm
