#pragma once

class QWidget;

namespace qm {

struct OwedReport;

// Prints the year-to-date report's "Owed" view through the print dialog: the
// sales not paid in full with their subtotals and total, then what each sales
// person is owed. A report longer than a page goes on on further pages under
// the repeated headings of the part being printed. A text too wide for its
// column is printed smaller, or cut with "…".
void printOwedReport(const OwedReport &report, QWidget *parent = nullptr);

} // namespace qm
