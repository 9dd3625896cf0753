#include "core/rules/ConfigHints.h"

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ConfigHints)
};

} // namespace

QString configHint(ConfigHint hint)
{
    switch (hint) {
    case ConfigHint::AdName:
        return Text::tr("name or description of ad, [ENTER] to save, [ESC] to restore");
    case ConfigHint::Checkmark:
        return Text::tr("[SPACE] to toggle checkmark on/off");
    case ConfigHint::SalesPeople:
        return Text::tr("up/down keys or click pulldown list to select, [ENTER] to save");
    case ConfigHint::Percent:
        return Text::tr("percent of sales for sales person, [ENTER] or move to save");
    case ConfigHint::Price:
        return Text::tr("price for Ad size/Publication combination, [ENTER] or move to save");
    case ConfigHint::None:
        break;
    }
    return QString();
}

QString cannotDeleteMessage(const QString &reason)
{
    return Text::tr("Cannot delete\r\n\r\n%1\r\n\r\n... either remove that data first or wait untill next year\r\n"
                    "(best to wait because archiving the file clears all data)")
        .arg(reason);
}

} // namespace qm
