#pragma once

#include <QString>

#include <memory>

namespace qm {

class LedgerLock;

// Takes the lock of a ledger about to be opened. When another copy of the
// program holds it, the user is asked whether to open the ledger anyway; null
// when the answer is No. (Where no lock can be made, the ledger opens without one.)
std::unique_ptr<LedgerLock> takeLedgerLock(const QString &ledgerFile);

} // namespace qm
