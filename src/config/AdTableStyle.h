#pragma once

#include <QProxyStyle>

namespace qm {

// The look of the ad list: the application's own style, except that the
// list's sunken frame goes round its rows only, and its scroll bar stands
// beside the frame, `scrollBarWidth` pixels wide and flush with it.
class AdTableStyle : public QProxyStyle
{
    Q_OBJECT
public:
    AdTableStyle(int scrollBarWidth, QObject *parent);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

private:
    int m_scrollBarWidth;
};

} // namespace qm
