#pragma once

#include <QHeaderView>

namespace qm {

// A header whose headings are cut with "…" where their section is too narrow
// for them, as an item view does with its entries (the platform's header
// leaves a right-aligned heading cut at its left edge). The whole heading is
// its tooltip (showCutTextsInToolTips, TextFit.h).
class ElidingHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit ElidingHeader(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const override;
};

} // namespace qm
