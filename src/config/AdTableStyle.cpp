#include "config/AdTableStyle.h"

#include <QApplication>

namespace qm {

AdTableStyle::AdTableStyle(int scrollBarWidth, QObject *parent)
    : QProxyStyle(QApplication::style()->name()), m_scrollBarWidth(scrollBarWidth)
{
    setParent(parent);
}

int AdTableStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
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
QSize AdTableStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                     const QWidget *widget) const
{
    QSize hint = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_ScrollBar)
        hint.setWidth(m_scrollBarWidth);
    return hint;
}

int AdTableStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    if (hint == SH_ScrollView_FrameOnlyAroundContents)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace qm
