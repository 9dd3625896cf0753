#pragma once

#include "core/LedgerCells.h"

#include <vector>

namespace qm {

// The number each ledger cell begins with, as the reports read amounts
// (leadingNumber: empty is 0). A ledger holds few different texts in many
// cells, so each text is read once and its number kept for every cell that
// holds it. Valid while the cells are not changed.
class CellNumbers
{
public:
    explicit CellNumbers(const LedgerCells &cells);

    double at(int issue, int column, int ad) const { return m_numbers[m_cells.textNumber(issue, column, ad)]; }

private:
    const LedgerCells &m_cells;
    std::vector<double> m_numbers; // by text number
};

} // namespace qm
