#pragma once

#include <QProxyStyle>

namespace qm {

// The program's style with one change for the ledger grid: its sunken frame
// goes round the headings and rows only, with the scroll bar beside it.
class GridStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit GridStyle(QObject *parent);

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

} // namespace qm
