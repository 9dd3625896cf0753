#pragma once

#include "core/LedgerModel.h"

#include <QString>

#include <array>

namespace qm {

// Columns 2..10 of one ad's row in one issue, as they were at a moment: what
// an edit of the row changed, to be put back by undo or again by redo. Column 1
// is never edited, so it is not kept.
struct RowSnapshot
{
    int issue = 0;
    int ad = 0;
    std::array<QString, kColumnCount - 1> cells; // columns 2..10

    const QString &cell(int column) const { return cells.at(std::size_t(column - 2)); }
    bool operator==(const RowSnapshot &) const = default;
};

// The row of `ad` in `issue` as the model holds it now; an empty snapshot with
// issue and ad 0 when the model has no such row.
RowSnapshot takeRowSnapshot(const LedgerModel &model, int issue, int ad);

// Whether the model has the row the snapshot was taken of.
bool fitsModel(const RowSnapshot &row, const LedgerModel &model);

} // namespace qm
