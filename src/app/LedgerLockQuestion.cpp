#include "app/LedgerLockQuestion.h"

#include "core/Messages.h"
#include "core/year/LedgerLock.h"

#include <QDir>

namespace qm {

std::unique_ptr<LedgerLock> takeLedgerLock(const QString &ledgerFile)
{
    auto lock = std::make_unique<LedgerLock>(ledgerFile);
    if (lock->acquire() != LockOutcome::HeldByAnotherCopy)
        return lock;
    const QString text =
        QStringLiteral("The ledger file %1 is already open in another copy of Quillmoor Ad Sales.\n\n"
                       "If both copies save, the changes of one are lost. Do you want to open it anyway?")
            .arg(QDir::toNativeSeparators(ledgerFile));
    if (showMessage(text, QStringLiteral("Quillmoor Ad Sales"), MessageButtons::YesNo, MessageIcon::Warning) !=
        MessageAnswer::Yes)
        return nullptr;
    return lock;
}

} // namespace qm
