#pragma once

#include <QString>

class QWidget;

namespace qm {

class LedgerModel;
struct ReportTable;

// Prints the run sheet of the issue the main window shows, through the print
// dialog: every ad of the issue with a number of insertions and its status.
// An issue with more ads than fit a page goes on on further pages under the
// repeated headings.
void printRunSheet(const LedgerModel &model, int publication, int month, QWidget *parent = nullptr);

// Prints the year-to-date table as it is shown: 3, 5 or 7 columns for 0, 1 or
// 2 sales people; a column the window hides prints empty.
void printYearToDate(const ReportTable &table, int salesPeople, bool paidSalesShown, QWidget *parent = nullptr);

} // namespace qm
