#include "ui/ElidingHeader.h"

#include <QStyleOptionHeader>

namespace qm {

ElidingHeader::ElidingHeader(Qt::Orientation orientation, QWidget *parent) : QHeaderView(orientation, parent) {}

void ElidingHeader::initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    // The heading is drawn between the header's margins.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const int room = (orientation() == Qt::Horizontal ? sectionSize(logicalIndex) : width()) - margin;
    option->text = option->fontMetrics.elidedText(option->text, Qt::ElideRight, qMax(0, room));
}

} // namespace qm
