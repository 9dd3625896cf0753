#include "core/rules/YearChart.h"

#include "core/files/NumberFormat.h"

#include <algorithm>

namespace qm {

namespace {

double issueSales(const LedgerModel &model, int issue)
{
    double total = 0;
    for (int ad = 1; ad <= model.cells.adCount(); ++ad)
        total += leadingNumber(model.cell(issue, ColSale, ad));
    return total;
}

// Bar 1..12 are Corvel's months, 13..15 the yearly issues: the issue's own number.
int publicationOfIssue(int issue) { return issue <= kMonthCount ? 1 : issue - kMonthCount + 1; }

} // namespace

QList<double> salesPerIssue(const LedgerModel &model)
{
    QList<double> sales;
    for (int issue = 1; issue <= kIssueCount; ++issue)
        sales << issueSales(model, issue);
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
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        data.sales.at(publicationOfIssue(issue) - 1)[issue - 1] = sales.at(issue - 1);
        data.highest = std::max(data.highest, sales.at(issue - 1));
    }
    if (lastYear.size() == kIssueCount) {
        data.lastYear = lastYear;
        data.highest = std::max(data.highest, *std::max_element(lastYear.begin(), lastYear.end()));
    }
    return data;
}

} // namespace qm
