#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace qm {

class LedgerModel;
struct ReportTable;

// Prints the run sheet of the issue the main window shows, through the print
// dialog: every ad of the issue with a number of insertions and its status.
// An issue with more ads than fit a page goes on on further pages under the
// repeated headings. A text too wide for its column is printed smaller, or cut
// with "…".
void printRunSheet(const LedgerModel &model, int publication, int month, QWidget *parent = nullptr);

// Prints the year-to-date table as it is shown: 3, 5 or 7 columns for 0, 1 or
// 2 sales people; a column the window hides prints empty. The amounts stand
// right-aligned in their columns under right-aligned headings; a text too wide
// for its column is printed smaller, or cut with "…". `personNames`, given for
// the commission view, go over the columns of sales person 1 and 2.
void printYearToDate(const ReportTable &table, int salesPeople, bool paidSalesShown,
                     const QStringList &personNames = {}, QWidget *parent = nullptr);

} // namespace qm
