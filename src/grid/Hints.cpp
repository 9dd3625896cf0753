#include "grid/Hints.h"

#include "core/LedgerModel.h"

namespace qm {

QString hintText(int column, bool viewOnly)
{
    static const QString viewOnlyText =
        QStringLiteral("View only - navigate around without fear of changing any data");
    static const QString editSuffix = QStringLiteral("... [ENTER] or move cell to save, [ESC] to cancel");
    if (viewOnly || column == kNoColumn)
        return viewOnlyText;
    switch (column) {
    case ColSalesPerson:
    case ColSize:
        return QStringLiteral("select from pulldown list, up/down arrow, or mouse wheel") + editSuffix;
    case ColNumber:
        return QStringLiteral("total number of ads sold for this ad") + editSuffix;
    case ColColor:
        return QStringLiteral("[c] or [SPACE] to toggle color on/off") + editSuffix;
    case ColSale:
        return QStringLiteral("computed from previous cell values but can be overridden") + editSuffix;
    case ColPaid:
        return QStringLiteral("sale price actually paid") + editSuffix;
    case ColStatus:
        return QStringLiteral("up/dn or mouse wheel to select status, ctrl+Up/Dn to select pickup") + editSuffix;
    case ColComm:
        return QStringLiteral("commission due computed from previous cell values") + editSuffix;
    case ColCommPaid:
        return QStringLiteral("commission actually paid") + editSuffix;
    default:
        return QString();
    }
}

} // namespace qm
