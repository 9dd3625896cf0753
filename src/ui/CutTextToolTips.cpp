#include "ui/CutTextToolTips.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QStyle>
#include <QTableView>
#include <QToolTip>
#include <QTreeView>

namespace qm {

namespace {

// Shows `text` as the tooltip when it is wider than `room`; false when it fits.
bool showWhenCut(const QString &text, const QFont &font, int room, QHelpEvent *event, QWidget *over,
                 const QRect &box)
{
    if (QFontMetrics(font).horizontalAdvance(text) <= room)
        return false;
    QToolTip::showText(event->globalPos(), text, over, box);
    return true;
}

} // namespace

CutTextToolTips::CutTextToolTips(QAbstractItemView *view) : QObject(view), m_view(view)
{
    setObjectName(QStringLiteral("CutTextToolTips"));
    if (auto *table = qobject_cast<QTableView *>(view)) {
        m_headers[0] = table->horizontalHeader();
        m_headers[1] = table->verticalHeader();
    } else if (auto *tree = qobject_cast<QTreeView *>(view)) {
        m_headers[0] = tree->header();
    }
    view->viewport()->installEventFilter(this);
    for (QHeaderView *header : m_headers) {
        if (header)
            header->viewport()->installEventFilter(this);
    }
}

bool CutTextToolTips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    auto *help = static_cast<QHelpEvent *>(event);
    if (watched == m_view->viewport())
        return showEntryTip(help);
    for (QHeaderView *header : m_headers) {
        if (header && watched == header->viewport())
            return showHeadingTip(header, help);
    }
    return QObject::eventFilter(watched, event);
}

bool CutTextToolTips::showEntryTip(QHelpEvent *event)
{
    const QModelIndex index = m_view->indexAt(event->pos());
    if (!index.isValid() || !index.data(Qt::ToolTipRole).toString().isEmpty())
        return false;
    const QVariant font = index.data(Qt::FontRole);
    const QRect box = m_view->visualRect(index);
    const int margin = m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    return showWhenCut(index.data(Qt::DisplayRole).toString(),
                       font.canConvert<QFont>() ? font.value<QFont>().resolve(m_view->font()) : m_view->font(),
                       box.width() - 2 * margin, event, m_view->viewport(), box);
}

bool CutTextToolTips::showHeadingTip(QHeaderView *header, QHelpEvent *event)
{
    const int section = header->logicalIndexAt(event->pos());
    QAbstractItemModel *model = header->model();
    if (section < 0 || !model)
        return false;
    if (!model->headerData(section, header->orientation(), Qt::ToolTipRole).toString().isEmpty())
        return false;
    const bool across = header->orientation() == Qt::Horizontal;
    const int position = header->sectionViewportPosition(section);
    const int size = header->sectionSize(section);
    const QRect box = across ? QRect(position, 0, size, header->height()) : QRect(0, position, header->width(), size);
    // The heading is drawn between the header's margins.
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return showWhenCut(model->headerData(section, header->orientation(), Qt::DisplayRole).toString(),
                       header->font(), (across ? size : header->width()) - margin, event, header->viewport(), box);
}

} // namespace qm
