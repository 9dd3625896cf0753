#pragma once

#include <QString>
#include <QStringList>

namespace qm {

class LedgerModel;

// What an export of the ledger to CSV did: the lines to show on success, or
// why nothing (or not everything) was written.
struct LedgerExport
{
    bool ok = false;
    QString report; // on success
    QString error;  // otherwise
};

// Writes the ledger of `model` to `csvFile`, its advances beside it
// ("_advances" before the extension) and the report's "Owed" view ("_owed"),
// never over one of `dataFiles` nor over any ledger or settings file.
LedgerExport writeLedgerCsv(const LedgerModel &model, const QString &csvFile, const QStringList &dataFiles);

// Reads the pair as start-up does and, when both files read cleanly, writes the
// ledger to `csvFile`, the advances and what is owed beside it, as
// writeLedgerCsv does. Never writes the data files; refuses files that need attention.
LedgerExport exportLedgerCsv(const QString &settingsFile, const QString &ledgerFile, const QString &csvFile);

} // namespace qm
