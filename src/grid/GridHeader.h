#pragma once

#include <QHeaderView>

#include <vector>

namespace qm {

// The grid's column headings: each column as wide as given and the row of
// headings of one fixed height, so that no heading is measured to size it.
class GridHeader : public QHeaderView
{
    Q_OBJECT

public:
    GridHeader(std::vector<int> widths, int height, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    std::vector<int> m_widths;
    int m_height;
};

} // namespace qm
