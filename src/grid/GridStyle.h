#pragma once

#include <QProxyStyle>

namespace qm {

// The program's style with two changes for the ledger grid: its sunken frame
// goes round the headings and rows only, with the scroll bar beside it, and
// the scroll bar is as wide as the grid's layout wants.
class GridStyle : public QProxyStyle
{
    Q_OBJECT

public:
    GridStyle(int scrollBarWidth, QObject *parent);

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    int m_scrollBarWidth;
};

} // namespace qm
