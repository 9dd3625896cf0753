#include "grid/GridHeader.h"

#include <numeric>

namespace qm {

GridHeader::GridHeader(std::vector<int> widths, int height, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_widths(std::move(widths)), m_height(height)
{
    setFixedHeight(height);
    setSectionResizeMode(QHeaderView::Fixed);
    setStretchLastSection(false);
    setHighlightSections(false);
    setSectionsClickable(true);
}

QSize GridHeader::sizeHint() const { return {std::accumulate(m_widths.begin(), m_widths.end(), 0), m_height}; }

QSize GridHeader::sectionSizeFromContents(int logicalIndex) const
{
    const bool known = logicalIndex >= 0 && std::size_t(logicalIndex) < m_widths.size();
    return {known ? m_widths[std::size_t(logicalIndex)] : defaultSectionSize(), m_height};
}

} // namespace qm
