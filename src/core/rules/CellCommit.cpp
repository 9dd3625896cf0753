#include "core/rules/CellCommit.h"

namespace qm {

RowTexts ledgerRow(const LedgerModel &model, int issue, int ad)
{
    RowTexts row;
    row[0] = model.ads.at(ad - 1).name;
    for (int column = ColSalesPerson; column <= kColumnCount; ++column)
        row[std::size_t(column - 1)] = model.cell(issue, column, ad);
    return row;
}

CommitOutcome commitCellEdit(LedgerModel &model, const CellEdit &edit, const OverrideQuestion &allowOverride)
{
    if (edit.newText == edit.oldText)
        return CommitOutcome::Unchanged;
    const bool wasChanged = model.ledgerChanged;
    model.setCell(edit.issue, edit.column, edit.ad, edit.newText);

    SaleInput input;
    input.row = ledgerRow(model, edit.issue, edit.ad);
    input.committedColumn = edit.column;
    input.oldCellText = edit.oldText;
    input.sizePicked = edit.sizePicked;
    input.publication = edit.publication;
    input.commissionPercent = model.commissionPercent(input.row[ColSalesPerson - 1]);
    const SaleResult result = computeSale(input, model.prices);

    if (result.askOverride && !(allowOverride && allowOverride())) {
        model.restoreCell(edit.issue, edit.column, edit.ad, edit.oldText, wasChanged);
        return CommitOutcome::Refused;
    }
    for (int column = ColSalesPerson; column <= kColumnCount; ++column) {
        const std::size_t i = std::size_t(column - 1);
        if (result.row[i] != input.row[i])
            model.setCell(edit.issue, column, edit.ad, result.row[i]);
    }
    return CommitOutcome::Stored;
}

bool removeAdData(LedgerModel &model, int issue, int ad, const RemoveQuestion &confirm)
{
    if (!confirm || !confirm(model.ads.at(ad - 1).name))
        return false;
    model.clearAdCells(issue, ad);
    return true;
}

int pickupIndexOf(const QString &statusText) { return int(pickupCodes().indexOf(statusText.mid(4))) + 1; }

} // namespace qm
