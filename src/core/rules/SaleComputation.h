#pragma once

#include "core/LedgerModel.h"

#include <QString>

#include <array>

namespace qm {

// The texts of one grid row, columns 1..10 (index 0 is column 1).
using RowTexts = std::array<QString, kColumnCount>;

struct SaleInput
{
    RowTexts row;               // after the committed cell was written
    int committedColumn = 0;    // 2..10
    QString oldCellText;        // the committed cell's text before the edit
    bool sizePicked = false;    // a size was chosen in the size pulldown since the last commit
    int publication = 1;        // the shown publication
    QString commissionPercent;  // of the row's sales person; empty: no commission
};

struct SaleResult
{
    RowTexts row;               // the row as it must stand after the commit
    bool computed = false;      // false: the row lacked a number or a size, nothing was touched
    bool askOverride = false;   // a typed sale or commission replaces a different value
};

// Recomputes a row's sale price and commission after one of its cells was
// committed, and tells whether the user must confirm overriding a computed value.
SaleResult computeSale(const SaleInput &input, const PriceTable &prices);

} // namespace qm
