#pragma once

#include <QString>

namespace qm {

// What the configuration dialog's hint bar explains.
enum class ConfigHint {
    None,        // after a sales person was added: nothing
    AdName,      // the cursor on an ad's name
    Checkmark,   // the cursor on a publication checkmark
    SalesPeople, // the sales people box
    Percent,     // the commission box
    Price,       // either price box
};

QString configHint(ConfigHint hint);

// The refusal to delete an ad or a person that the ledger still uses, with the
// reason between the heading and the advice.
QString cannotDeleteMessage(const QString &reason);

} // namespace qm
