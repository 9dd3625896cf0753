#pragma once

#include <QScrollBar>

namespace qm {

// The ledger grid's scroll bar: drawn as any other of the program's, but as
// wide as the grid's layout wants, whatever width the style would give it.
class GridScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    GridScrollBar(int width, QWidget *parent = nullptr);

    QSize sizeHint() const override;

private:
    int m_width;
};

} // namespace qm
