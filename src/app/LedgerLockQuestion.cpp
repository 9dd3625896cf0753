#include "app/LedgerLockQuestion.h"

#include "core/Messages.h"
#include "core/year/LedgerLock.h"

#include <QCoreApplication>
#include <QDir>

namespace qm {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LedgerLockQuestion)
};

} // namespace

std::unique_ptr<LedgerLock> takeLedgerLock(const QString &ledgerFile)
{
    auto lock = std::make_unique<LedgerLock>(ledgerFile);
    if (lock->acquire() != LockOutcome::HeldByAnotherCopy)
        return lock;
    const QString text =
        Text::tr("The ledger file %1 is already open in another copy of Quillmoor Ad Sales.\n\n"
                       "If both copies save, the changes of one are lost. Do you want to open it anyway?")
            .arg(QDir::toNativeSeparators(ledgerFile));
    if (showMessage(text, Text::tr("Quillmoor Ad Sales"), MessageButtons::YesNo, MessageIcon::Warning) !=
        MessageAnswer::Yes)
        return nullptr;
    return lock;
}

} // namespace qm
