#include "core/rules/ConfigHints.h"

namespace qm {

QString configHint(ConfigHint hint)
{
    switch (hint) {
    case ConfigHint::AdName:
        return QStringLiteral("name or description of ad, [ENTER] to save, [ESC] to restore");
    case ConfigHint::Checkmark:
        return QStringLiteral("[SPACE] to toggle checkmark on/off");
    case ConfigHint::SalesPeople:
        return QStringLiteral("up/down keys or click pulldown list to select, [ENTER] to save");
    case ConfigHint::Percent:
        return QStringLiteral("percent of sales for sales person, [ENTER] or move to save");
    case ConfigHint::Price:
        return QStringLiteral("price for Ad size/Publication combination, [ENTER] or move to save");
    case ConfigHint::None:
        break;
    }
    return QString();
}

QString cannotDeleteMessage(const QString &reason)
{
    return QStringLiteral("Cannot delete\r\n\r\n") + reason +
           QStringLiteral("\r\n\r\n... either remove that data first or wait untill next year\r\n"
                          "(best to wait because archiving the file clears all data)");
}

} // namespace qm
