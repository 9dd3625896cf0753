#pragma once

#include "core/rules/YearToDate.h"
#include "core/year/LastYear.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace qm {

class LedgerModel;
class OwedView;
class YearChartView;

// "Year to date reporting": the year's sales and commissions per month and
// issue, in two views of one table, printable.
class YearToDateWindow : public QDialog
{
    Q_OBJECT

public:
    // With `lastYear` the "Total Sales" view shows last year's sales beside this
    // year's, or says why it cannot.
    YearToDateWindow(const LedgerModel &model, QWidget *parent = nullptr,
                     const std::optional<LastYearSales> &lastYear = std::nullopt);

    void fillSalesView();
    void fillCommissionView();
    // The "Owed" view: sales above their paid amounts, and what the sales people are owed.
    void fillOwedView();
    // The "Chart" view: the year's sales per issue as bars, last year's as a line.
    void fillChartView();
    void printYearToDate();
    // Both views of the totals as one CSV file, named in the platform's file
    // dialog, and the "Owed" view beside it ("_owed" before the extension).
    void exportYearToDate();

    const ReportTable &table() const { return m_table; }
    QTableWidget *reportTable() const { return m_view; }

private:
    void buildControls();
    void viewChosen();
    void showTable();
    void showTotals(bool shown);
    // Shows the totals table, the owed view or the chart, and hides the other two.
    void showOnly(QWidget *view);
    void exportChart();
    void buildLastYear();
    bool hasLastYear() const;

    const LedgerModel &m_model;
    ReportTable m_table;
    QTableWidget *m_view = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QRadioButton *m_totalSales = nullptr;
    QRadioButton *m_commissions = nullptr;
    QRadioButton *m_owed = nullptr;
    OwedView *m_owedView = nullptr;
    QRadioButton *m_chart = nullptr;
    YearChartView *m_chartView = nullptr;
    std::optional<LastYearSales> m_lastYear;
    QLabel *m_lastYearNote = nullptr;
};

// Opens the report over the main window and waits until it is closed.
void showYearToDate(const LedgerModel &model, QWidget *parent,
                    const std::optional<LastYearSales> &lastYear = std::nullopt);

} // namespace qm
