#include "core/RowSnapshot.h"

namespace qm {

bool fitsModel(const RowSnapshot &row, const LedgerModel &model)
{
    return row.issue >= 1 && row.issue <= kIssueCount && row.ad >= 1 && row.ad <= model.cells.adCount();
}

RowSnapshot takeRowSnapshot(const LedgerModel &model, int issue, int ad)
{
    RowSnapshot row;
    row.issue = issue;
    row.ad = ad;
    if (!fitsModel(row, model))
        return {};
    for (int column = ColSalesPerson; column <= kColumnCount; ++column)
        row.cells.at(std::size_t(column - 2)) = model.cell(issue, column, ad);
    return row;
}

} // namespace qm
