#include "reports/YearToDateWindow.h"

#include "core/LedgerModel.h"
#include "core/Messages.h"
#include "core/csv/CsvExport.h"
#include "reports/ReportPrinting.h"
#include "ui/ElidingHeader.h"
#include "ui/Fonts.h"
#include "ui/HeadedTableItem.h"
#include "ui/TextFit.h"

#include <QButtonGroup>
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

int salesPeopleOf(const LedgerModel &model)
{
    return int(qMin<qsizetype>(model.salesPeople.size(), kMaxSalesPeople));
}

} // namespace

YearToDateWindow::YearToDateWindow(const LedgerModel &model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_model(model)
{
    setWindowTitle(tr("Year to date reporting"));
    // Modal to the main window only: the help window beside it stays usable.
    setWindowModality(Qt::WindowModal);
    setFont(uiFont(10));
    setFixedSize(630, 470);
    buildControls();
    fillSalesView();
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
    exportButton->setAccessibleDescription(tr("Saves both views of the report as a CSV file"));
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
    auto *group = new QButtonGroup(this);
    group->addButton(m_totalSales);
    group->addButton(m_commissions);
    m_totalSales->setChecked(true);
    fitTexts(this);
    showCutTextsInToolTips(m_view);

    connect(print, &QPushButton::clicked, this, &YearToDateWindow::printYearToDate);
    connect(exportButton, &QPushButton::clicked, this, &YearToDateWindow::exportYearToDate);
    connect(close, &QPushButton::clicked, this, [this] { done(0); });
    connect(m_totalSales, &QRadioButton::clicked, this, &YearToDateWindow::viewChosen);
    connect(m_commissions, &QRadioButton::clicked, this, &YearToDateWindow::viewChosen);
}

void YearToDateWindow::viewChosen()
{
    if (m_totalSales->isChecked())
        fillSalesView();
    else
        fillCommissionView();
}

void YearToDateWindow::fillSalesView()
{
    m_label1->hide();
    m_label2->hide();
    setFixedSize(630, 460);
    m_view->resize(605, 365);
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
    m_view->setColumnHidden(kReportColumns - 1, true);
    qm::fillCommissionView(m_model, m_table);
    showTable();
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
    // The commission view names the sales people over their columns, on paper as on screen.
    const bool commissions = m_view->isColumnHidden(kReportColumns - 1);
    const QStringList names =
        commissions ? QStringList{salesPersonLabel(m_model, 1), salesPersonLabel(m_model, 2)} : QStringList();
    qm::printYearToDate(m_table, salesPeopleOf(m_model), !commissions, names, this);
}

void YearToDateWindow::exportYearToDate()
{
    QFileDialog dialog(this, tr("Export the report"), QString(), tr("CSV files (*.csv)"));
    dialog.setObjectName(QStringLiteral("ExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(tr("Year to date.csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const FileResult saved = saveCsvFile(dialog.selectedFiles().first(), yearToDateCsv(m_model), {});
    if (!saved.ok)
        showMessage(saved.message, tr("Export"), MessageButtons::Ok, MessageIcon::Error);
}

void showYearToDate(const LedgerModel &model, QWidget *parent)
{
    YearToDateWindow window(model, parent);
    window.exec();
}

} // namespace qm
