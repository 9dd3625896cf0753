#pragma once

#include "core/year/YearFiles.h"

#include <QString>
#include <QStringList>

namespace qm {

class LedgerModel;

// What a check reports: readable lines, and the problems among them.
struct FileReport
{
    QStringList lines;
    QStringList problems;
    bool clean() const { return problems.isEmpty(); }
    QString text() const;
};

// Turns what was read into a report: year, ads, sales people, advances per
// person, and every damaged or mismatched part.
FileReport reportLoad(const LedgerModel &model, const LoadOutcome &outcome, const QString &settingsFile,
                      const QString &ledgerFile);

// Both together; `model` receives what was read.
FileReport checkFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile);

} // namespace qm
