#pragma once

#include "core/rules/YearToDate.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace qm {

class LedgerModel;

// "Year to date reporting": the year's sales and commissions per month and
// issue, in two views of one table, printable.
class YearToDateWindow : public QDialog
{
    Q_OBJECT

public:
    YearToDateWindow(const LedgerModel &model, QWidget *parent = nullptr);

    void fillSalesView();
    void fillCommissionView();
    void printYearToDate();

    const ReportTable &table() const { return m_table; }
    QTableWidget *reportTable() const { return m_view; }

private:
    void buildControls();
    void viewChosen();
    void showTable();

    const LedgerModel &m_model;
    ReportTable m_table;
    QTableWidget *m_view = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QRadioButton *m_totalSales = nullptr;
    QRadioButton *m_commissions = nullptr;
};

// Opens the report over the main window and waits until it is closed.
void showYearToDate(const LedgerModel &model, QWidget *parent);

} // namespace qm
