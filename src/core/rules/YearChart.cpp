#include "core/rules/YearChart.h"

#include "core/rules/CellNumbers.h"

#include <algorithm>

namespace qm {

QList<double> salesPerIssue(const LedgerModel &model)
{
    const CellNumbers numbers(model.cells);
    QList<double> sales;
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        double total = 0;
        for (int ad = 1; ad <= model.cells.adCount(); ++ad)
            total += numbers.at(issue, ColSale, ad);
        sales << total;
    }
    return sales;
}

YearChartData yearChartData(const LedgerModel &model, const QList<double> &lastYear)
{
    YearChartData data;
    for (int month = 1; month <= kMonthCount; ++month)
        data.bars << monthTitle(month);
    for (int publication = 2; publication <= kPublicationCount; ++publication)
        data.bars << publicationName(publication);
    for (QList<double> &values : data.sales)
        values.fill(0, kIssueCount);
    const QList<double> sales = salesPerIssue(model);
    // Bars 1..12 are Corvel's months, 13..15 the yearly issues: the issue's own number.
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        data.sales.at(issuePublication(issue) - 1)[issue - 1] = sales.at(issue - 1);
        data.highest = std::max(data.highest, sales.at(issue - 1));
    }
    if (lastYear.size() == kIssueCount) {
        data.lastYear = lastYear;
        data.highest = std::max(data.highest, *std::max_element(lastYear.begin(), lastYear.end()));
    }
    return data;
}

} // namespace qm
