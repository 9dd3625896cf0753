#pragma once

#include <QLockFile>
#include <QString>

namespace qm {

// What taking the ledger's lock came to.
enum class LockOutcome {
    Acquired,          // this copy holds the lock until it ends
    HeldByAnotherCopy, // a running copy of the program has the ledger open
    NoLockPossible,    // no lock file can be made here (a read-only folder): work without one
};

// Keeps a second copy of the program off the same ledger: a lock file beside the
// ledger file marks it as open for as long as this object lives.
class LedgerLock
{
public:
    explicit LedgerLock(const QString &ledgerFile);
    ~LedgerLock();
    LedgerLock(const LedgerLock &) = delete;
    LedgerLock &operator=(const LedgerLock &) = delete;

    // Takes the lock. A lock left behind by a copy that crashed is taken over
    // silently; one held by a running copy is left to it. The caller decides what
    // to ask the user: the lock must never keep the user from working.
    LockOutcome acquire();
    bool isLocked() const { return m_lock.isLocked(); }

    // The lock file that guards `ledgerFile`.
    static QString lockFilePath(const QString &ledgerFile);

private:
    QLockFile m_lock;
};

} // namespace qm
