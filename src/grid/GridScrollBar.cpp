#include "grid/GridScrollBar.h"

namespace qm {

GridScrollBar::GridScrollBar(int width, QWidget *parent) : QScrollBar(Qt::Vertical, parent), m_width(width) {}

QSize GridScrollBar::sizeHint() const { return {m_width, QScrollBar::sizeHint().height()}; }

} // namespace qm
