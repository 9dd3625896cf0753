#include "core/rules/CellInput.h"

#include "core/LedgerModel.h"

namespace qm {

namespace {
bool isNumberColumn(int column)
{
    return column == ColNumber || column == ColSale || column == ColPaid || column == ColComm ||
           column == ColCommPaid;
}
} // namespace

TypedVerdict judgeTypedCharacter(int column, const QString &currentText, QChar c)
{
    if (column == ColColor)
        return c == u' ' || c == u'c' || c == u'C' ? TypedVerdict::ToggleColour : TypedVerdict::Refuse;
    if (!isNumberColumn(column))
        return TypedVerdict::Accept;
    if (c == u'\b' || (c >= u'0' && c <= u'9'))
        return TypedVerdict::Accept;
    if (c == u'.' && !currentText.contains(u'.'))
        return TypedVerdict::Accept;
    return TypedVerdict::Refuse;
}

QString toggledColour(const QString &text) { return text.isEmpty() ? QStringLiteral("c") : QString(); }

} // namespace qm
