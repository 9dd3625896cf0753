#pragma once

#include "core/LedgerModel.h"

#include <QList>
#include <QStringList>

#include <array>
#include <optional>

namespace qm {

// The year as a chart shows it: a bar per Corvel month and one for each
// yearly issue (which belongs to no month), each bar the sales of the issue
// stacked by publication, and last year's sales of the same bars as a line.
struct YearChartData
{
    QStringList bars;                                          // month titles, then the yearly issues
    std::array<QList<double>, kPublicationCount> sales;        // per publication, one value per bar
    QList<double> lastYear;                                    // one value per bar; empty without last year
    double highest = 0;                                        // the tallest bar or point
};

// The sales of each issue 1..15, read as the year-to-date report reads them
// (the leading number of each Sale cell).
QList<double> salesPerIssue(const LedgerModel &model);
// `lastYear`: last year's sales per issue when the archive has them, else empty.
YearChartData yearChartData(const LedgerModel &model, const QList<double> &lastYear = {});

} // namespace qm
