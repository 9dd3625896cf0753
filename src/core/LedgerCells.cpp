#include "core/LedgerCells.h"

#include "core/LargePages.h"

#include "core/LedgerModel.h"

#include <QDebug>

#include <algorithm>

namespace qm {

QDebug operator<<(QDebug debug, const CellRef &cell) { return debug << cell.text(); }

void LedgerCells::setAt(qsizetype index, const QString &text)
{
    quint32 &id = m_cells[std::size_t(index)];
    // Taken first, so that assigning a cell its own text never drops it.
    const quint32 newId = m_pool.acquire(text);
    m_pool.release(id);
    id = newId;
}

void LedgerCells::resize(int adCount)
{
    adCount = std::max(0, adCount);
    if (adCount == m_adCount)
        return;
    const std::size_t oldLine = std::size_t(m_adCount) * kColumnCount;
    const std::size_t newLine = std::size_t(adCount) * kColumnCount;
    const std::size_t kept = std::min(oldLine, newLine);
    std::vector<quint32> cells;
    cells.reserve(newLine * kIssueCount);
    preferLargePages(cells.data(), qsizetype(cells.capacity() * sizeof(quint32)));
    cells.resize(newLine * kIssueCount, 0);
    for (std::size_t issue = 0; issue < std::size_t(kIssueCount); ++issue) {
        const auto from = m_cells.begin() + std::ptrdiff_t(issue * oldLine);
        std::copy(from, from + std::ptrdiff_t(kept), cells.begin() + std::ptrdiff_t(issue * newLine));
        std::for_each(from + std::ptrdiff_t(kept), from + std::ptrdiff_t(oldLine),
                      [this](quint32 id) { m_pool.release(id); });
    }
    m_cells = std::move(cells);
    m_adCount = adCount;
}

void LedgerCells::removeAd(int ad)
{
    if (ad < 1 || ad > m_adCount)
        return;
    std::vector<quint32> cells;
    cells.reserve(std::size_t(m_adCount - 1) * kColumnCount * kIssueCount);
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        if (int(i / kColumnCount % std::size_t(m_adCount)) == ad - 1)
            m_pool.release(m_cells[i]);
        else
            cells.push_back(m_cells[i]);
    }
    m_cells = std::move(cells);
    --m_adCount;
}

void LedgerCells::clear()
{
    if (m_pool.size() == 0)
        return; // every cell is already empty
    std::fill(m_cells.begin(), m_cells.end(), 0);
    m_pool.clear();
}

bool LedgerCells::operator==(const LedgerCells &other) const
{
    if (m_adCount != other.m_adCount)
        return false;
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        if (m_pool.text(m_cells[i]) != other.m_pool.text(other.m_cells[i]))
            return false;
    }
    return true;
}

} // namespace qm
