#pragma once

#include "core/files/DataFiles.h"

#include <QString>
#include <QStringList>

namespace qm {

class LedgerModel;

// What reading a pair of data files found, without writing anything.
struct LoadOutcome
{
    bool settingsFound = false;
    bool ledgerFound = false;
    bool ledgerRead = false; // start-up reads the ledger only with a readable settings file and ads
    SettingsReadResult settings;
    LedgerReadResult ledger;
    QString ledgerVersion;
};

// What a check reports: readable lines, and the problems among them.
struct FileReport
{
    QStringList lines;
    QStringList problems;
    bool clean() const { return problems.isEmpty(); }
    QString text() const;
};

// Reads the pair in start-up's order (the settings file, then, with ads, the
// ledger file) but never writes: an older ledger file is not brought up to date.
LoadOutcome readFilesOnly(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile);

// Turns what was read into a report: year, ads, sales people, advances per
// person, and every damaged or mismatched part.
FileReport reportLoad(const LedgerModel &model, const LoadOutcome &outcome, const QString &settingsFile,
                      const QString &ledgerFile);

// Both together; `model` receives what was read.
FileReport checkFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile);

} // namespace qm
