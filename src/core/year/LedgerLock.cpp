#include "core/year/LedgerLock.h"

namespace qm {

QString LedgerLock::lockFilePath(const QString &ledgerFile) { return ledgerFile + QStringLiteral(".lock"); }

LedgerLock::LedgerLock(const QString &ledgerFile) : m_lock(lockFilePath(ledgerFile))
{
    // The ledger stays open for hours: only a lock whose process is gone is
    // stale, never one that is merely old.
    m_lock.setStaleLockTime(0);
}

LedgerLock::~LedgerLock() = default;

LockOutcome LedgerLock::acquire()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return LockOutcome::Acquired;
    if (m_lock.error() != QLockFile::LockFailedError)
        return LockOutcome::NoLockPossible;
    // A lock file that names no owner is what a crash while taking the lock
    // leaves behind (QLockFile itself takes over those of owners that are gone).
    if (!m_lock.getLockInfo(nullptr, nullptr, nullptr) && m_lock.removeStaleLockFile() && m_lock.tryLock(0))
        return LockOutcome::Acquired;
    return LockOutcome::HeldByAnotherCopy;
}

} // namespace qm
