#pragma once

#include <QFont>
#include <QRect>

namespace qm {

// Dialog units of a window laid out for its font: a quarter of the font's
// average character width across, an eighth of its height down, so a layout
// keeps its proportions whatever face and size the platform supplies.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont &font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;
    QSize size(int width, int height) const;

    int baseWidth() const { return m_baseWidth; }
    int baseHeight() const { return m_baseHeight; }

private:
    int m_baseWidth = 0;
    int m_baseHeight = 0;
};

} // namespace qm
