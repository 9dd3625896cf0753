#include "advances/TabStopDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

namespace qm {

namespace {

constexpr int kTextMargin = 2;

} // namespace

TabStopDelegate::TabStopDelegate(const QList<int> &stops, QObject *parent) : QStyledItemDelegate(parent)
{
    for (int stop : stops)
        m_tabs << QTextOption::Tab(stop, QTextOption::LeftTab);
}

void TabStopDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget *widget = item.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabs(m_tabs);
    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = (item.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRectF(item.rect.adjusted(kTextMargin, 0, -kTextMargin, 0)), text, layout);
    painter->restore();
}

} // namespace qm
