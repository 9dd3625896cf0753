#pragma once

#include <QString>

class QIODevice;

namespace qm {

class LedgerModel;

// What a save reports: ok, or why the file could not be written.
struct SaveResult
{
    bool ok = true;
    QString error; // readable, names the file
};

struct SettingsReadResult
{
    bool ok = true;       // false: the file could not be read at all (model untouched)
    bool damaged = false; // the file ended before everything its counts announce
    QString message;      // readable, for the user, when !ok or damaged
};

struct LedgerReadResult
{
    bool ok = true;        // false: the file could not be read at all (model untouched)
    bool mismatch = false; // the cell lines do not fit the ad count of the settings file
    int expectedCellLines = 0;
    int foundCellLines = 0;
    bool damaged = false;   // the advance section ends early
    bool rewritten = false; // an older file was written again in the current format
    QString message;        // readable, for the user, when !ok, mismatch, damaged or a failed rewrite
};

// The settings file: the ads, the sales people and the price table.
SettingsReadResult readSettings(QIODevice &device, LedgerModel &model);
bool writeSettings(QIODevice &device, const LedgerModel &model, QString *error);
SettingsReadResult readSettingsFile(const QString &path, LedgerModel &model);
// Replaces the file only once the new one is complete; clears settingsChanged on success.
SaveResult writeSettingsFile(const QString &path, LedgerModel &model);

// The ledger data file: the year, every ledger cell and both advance ledgers.
// Read only with at least one ad, after the settings file.
LedgerReadResult readLedger(QIODevice &device, LedgerModel &model, QString *version = nullptr);
// Stamps ledgerYear with the current year when it is still 0.
bool writeLedger(QIODevice &device, LedgerModel &model, QString *error);
LedgerReadResult readLedgerFile(const QString &path, LedgerModel &model);
// Replaces the file only once the new one is complete; clears ledgerChanged on success.
SaveResult writeLedgerFile(const QString &path, LedgerModel &model);

QByteArray settingsBytes(const LedgerModel &model);
QByteArray ledgerBytes(LedgerModel &model);

} // namespace qm
