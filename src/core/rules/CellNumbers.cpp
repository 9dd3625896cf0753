#include "core/rules/CellNumbers.h"

#include "core/files/NumberFormat.h"

namespace qm {

CellNumbers::CellNumbers(const LedgerCells &cells) : m_cells(cells)
{
    const quint32 limit = cells.textNumberLimit();
    m_numbers.reserve(limit);
    for (quint32 number = 0; number < limit; ++number)
        m_numbers.push_back(leadingNumber(cells.textOfNumber(number)));
}

} // namespace qm
