#pragma once

#include <QLockFile>
#include <QString>

namespace qm {

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
    // silently. When another running copy holds it, the user is asked whether to
    // open the ledger anyway; false means the user chose to quit. When no lock
    // file can be created at all (a read-only folder), returns true without a
    // lock: the lock must never keep the user from working.
    bool acquireOrAsk();
    bool isLocked() const { return m_lock.isLocked(); }

    // The lock file that guards `ledgerFile`.
    static QString lockFilePath(const QString &ledgerFile);

private:
    QString m_ledgerFile;
    QLockFile m_lock;
};

} // namespace qm
