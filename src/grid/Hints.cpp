#include "grid/Hints.h"

#include "core/LedgerModel.h"

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Hints)
};

} // namespace

QString hintText(int column, bool viewOnly)
{
    if (viewOnly || column == kNoColumn)
        return Text::tr("View only - navigate around without fear of changing any data");
    const QString editSuffix = Text::tr("... [ENTER] or move cell to save, [ESC] to cancel");
    switch (column) {
    case ColSalesPerson:
    case ColSize:
        return Text::tr("select from pulldown list, up/down arrow, or mouse wheel") + editSuffix;
    case ColNumber:
        return Text::tr("total number of ads sold for this ad") + editSuffix;
    case ColColor:
        return Text::tr("[c] or [SPACE] to toggle color on/off") + editSuffix;
    case ColSale:
        return Text::tr("computed from previous cell values but can be overridden") + editSuffix;
    case ColPaid:
        return Text::tr("sale price actually paid") + editSuffix;
    case ColStatus:
        return Text::tr("up/dn or mouse wheel to select status, ctrl+Up/Dn to select pickup") + editSuffix;
    case ColComm:
        return Text::tr("commission due computed from previous cell values") + editSuffix;
    case ColCommPaid:
        return Text::tr("commission actually paid") + editSuffix;
    default:
        return QString();
    }
}

} // namespace qm
