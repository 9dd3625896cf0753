#include "ui/FrameAroundRowsStyle.h"

#include <QApplication>

namespace qm {

FrameAroundRowsStyle::FrameAroundRowsStyle(QObject *parent, int scrollBarWidth)
    : QProxyStyle(QApplication::style()->name()), m_scrollBarWidth(scrollBarWidth)
{
    setParent(parent);
}

int FrameAroundRowsStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_ScrollView_ScrollBarSpacing:
    case PM_ScrollView_ScrollBarOverlap:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

// Only the bar is wider; its arrows keep the size the style gives them.
QSize FrameAroundRowsStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                             const QWidget *widget) const
{
    QSize hint = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_ScrollBar && m_scrollBarWidth > 0)
        hint.setWidth(m_scrollBarWidth);
    return hint;
}

int FrameAroundRowsStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    if (hint == SH_ScrollView_FrameOnlyAroundContents)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace qm
