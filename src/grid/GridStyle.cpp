#include "grid/GridStyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace qm {

GridStyle::GridStyle(QObject *parent) : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(parent);
}

int GridStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returnData) const
{
    if (hint == SH_ScrollView_FrameOnlyAroundContents)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

int GridStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_ScrollView_ScrollBarSpacing:
    case PM_ScrollView_ScrollBarOverlap:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace qm
