#pragma once

#include <QProxyStyle>

namespace qm {

// The look of a paged table (the ledger grid, the ad list): the application's
// own style, except that the table's sunken frame goes round its headings and
// rows only, and its scroll bar stands beside the frame, flush with it; with a
// `scrollBarWidth`, the bar is that many pixels wide, its arrows as the style has them.
class FrameAroundRowsStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit FrameAroundRowsStyle(QObject *parent, int scrollBarWidth = 0);

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
