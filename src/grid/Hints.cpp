#include "grid/Hints.h"

namespace qm {

QString hintText(int column, bool viewOnly)
{
    static const QString viewOnlyText =
        QStringLiteral("View only - navigate around without fear of changing any data");
    static const QString editSuffix = QStringLiteral("... [ENTER] or move cell to save, [ESC] to cancel");
    if (viewOnly || column == 0)
        return viewOnlyText;
    switch (column) {
    case 2:
    case 4:
        return QStringLiteral("select from pulldown list, up/down arrow, or mouse wheel") + editSuffix;
    case 3:
        return QStringLiteral("total number of ads sold for this ad") + editSuffix;
    case 5:
        return QStringLiteral("[c] or [SPACE] to toggle color on/off") + editSuffix;
    case 6:
        return QStringLiteral("computed from previous cell values but can be overridden") + editSuffix;
    case 7:
        return QStringLiteral("sale price actually paid") + editSuffix;
    case 8:
        return QStringLiteral("up/dn or mouse wheel to select status, ctrl+Up/Dn to select pickup") + editSuffix;
    case 9:
        return QStringLiteral("commission due computed from previous cell values") + editSuffix;
    case 10:
        return QStringLiteral("commission actually paid") + editSuffix;
    default:
        return QString();
    }
}

} // namespace qm
