#include "ui/Fonts.h"

namespace qm {

QFont uiFont(int points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(points);
    return font;
}

} // namespace qm
