#include "core/rules/CellInput.h"

#include "core/LedgerModel.h"

#include <algorithm>

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

bool acceptsCellEdit(int column, const QString &before, const QString &after)
{
    if (after == before)
        return true;
    if (column == ColColor)
        return after.isEmpty() || after == QStringLiteral("c");
    if (!isNumberColumn(column))
        return true;
    // The part put in is what lies between the text both share at the start and at the end.
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (prefix < shorter && before.at(prefix) == after.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    const QString kept = before.left(prefix) + before.right(suffix);
    bool point = kept.contains(u'.');
    for (const QChar c : inserted) {
        if (c == u'.') {
            if (point)
                return false;
            point = true;
        } else if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

QString toggledColour(const QString &text) { return text.isEmpty() ? QStringLiteral("c") : QString(); }

} // namespace qm
