#pragma once

#include <QString>

namespace qm {

// What the dialog's hint bar says, by situation:
// 0 after a sales person was added (nothing), 1 on an ad's name, 2 on a
// checkmark, 3 in the sales people box, 4 in the commission box, 5 in a price box.
QString configHint(int hint);

// The refusal to delete an ad or a person that the ledger still uses, with the
// reason between the heading and the advice.
QString cannotDeleteMessage(const QString &reason);

} // namespace qm
