#include "core/year/LedgerLock.h"

#include "core/Messages.h"

#include <QDir>

namespace qm {

QString LedgerLock::lockFilePath(const QString &ledgerFile) { return ledgerFile + QStringLiteral(".lock"); }

LedgerLock::LedgerLock(const QString &ledgerFile) : m_ledgerFile(ledgerFile), m_lock(lockFilePath(ledgerFile))
{
    // The ledger stays open for hours: only a lock whose process is gone is
    // stale, never one that is merely old.
    m_lock.setStaleLockTime(0);
}

LedgerLock::~LedgerLock() = default;

bool LedgerLock::acquireOrAsk()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return true;
    if (m_lock.error() != QLockFile::LockFailedError)
        return true; // no lock file possible here: work without one
    // A lock file that names no owner is what a crash while taking the lock
    // leaves behind (QLockFile itself takes over those of owners that are gone).
    if (!m_lock.getLockInfo(nullptr, nullptr, nullptr) && m_lock.removeStaleLockFile() && m_lock.tryLock(0))
        return true;
    const QString text =
        QStringLiteral("The ledger file %1 is already open in another copy of Quillmoor Ad Sales.\n\n"
                       "If both copies save, the changes of one are lost. "
                       "Do you want to open it anyway?")
            .arg(QDir::toNativeSeparators(m_ledgerFile));
    return showMessage(text, QStringLiteral("Quillmoor Ad Sales"), MessageButtons::YesNo, MessageIcon::Warning) ==
           MessageAnswer::Yes;
}

} // namespace qm
