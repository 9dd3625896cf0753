#include "core/rules/YearChart.h"

#include "core/rules/TextRules.h"

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

YearChartData yearChartData(const LedgerModel &model, const LedgerModel *lastYear)
{
    YearChartData data;
    for (int month = 1; month <= kMonthCount; ++month)
        data.bars << monthTitle(month);
    for (int publication = 2; publication <= kPublicationCount; ++publication)
        data.bars << publicationName(publication);
    for (QList<double> &values : data.sales)
        values.fill(0, kIssueCount);
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        const double sales = issueSales(model, issue);
        data.sales.at(publicationOfIssue(issue) - 1)[issue - 1] = sales;
        data.highest = std::max(data.highest, sales);
        if (lastYear) {
            data.lastYear << issueSales(*lastYear, issue);
            data.highest = std::max(data.highest, data.lastYear.constLast());
        }
    }
    return data;
}

} // namespace qm
