#include "advances/DialogUnits.h"

#include <QFontMetrics>

namespace qm {

namespace {

// Rounds units * base / divisor to the nearest pixel, halves away from zero.
int scaled(int units, int base, int divisor)
{
    const long long product = static_cast<long long>(units) * base;
    return int(product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor));
}

} // namespace

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded to whole pixels.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseWidth = (letters / 26 + 1) / 2;
    m_baseHeight = metrics.height();
}

int DialogUnits::x(int units) const { return scaled(units, m_baseWidth, 4); }

int DialogUnits::y(int units) const { return scaled(units, m_baseHeight, 8); }

QRect DialogUnits::rect(int x, int y, int width, int height) const
{
    return QRect(this->x(x), this->y(y), this->x(width), this->y(height));
}

QSize DialogUnits::size(int width, int height) const { return QSize(x(width), y(height)); }

} // namespace qm
