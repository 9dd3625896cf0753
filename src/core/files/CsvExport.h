#pragma once

#include "core/files/FileResult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace qm {

class LedgerModel;

using CsvTable = QList<QStringList>;

// One field as RFC 4180 writes it: in double quotes (inner quotes doubled) when
// it holds a comma, a quote or a line break, else as it is.
QString csvField(const QString &text);
// The table as a CSV file: UTF-8 with a byte-order mark (so spreadsheets read the
// letters right), fields separated by commas, every line ended by CR LF.
QByteArray csvBytes(const CsvTable &table);

// The tables below put an apostrophe in front of a text that a spreadsheet
// would run as a formula (one starting with =, +, -, @, a tab or a carriage
// return); their amounts and counts are plain numbers, negative ones included.

// A header row, then one row per issue and ad that holds anything: publication,
// month (Corvel only), ad, sales person, number, size, colour, sale, paid,
// status, commission, commission paid. Amounts and counts are plain numbers.
CsvTable ledgerTable(const LedgerModel &model);
// A header row, then each advance entry with the running balance of its person.
CsvTable advancesTable(const LedgerModel &model);

// Both views of the year-to-date report side by side, as the report shows them
// when it opens: the publication, the "Total Sales" view's five columns, then the
// "Commissions" view's four; texts trimmed, amounts as plain numbers.
CsvTable yearToDateTable(const LedgerModel &model);

// Where the advances of an export to `csvFile` go: "_advances" before the extension.
QString advancesCsvPath(const QString &csvFile);

// Writes `bytes` to `path` through the data files' safe save, but never over
// one of `protectedFiles` nor over any ledger or settings file.
FileResult saveCsvFile(const QString &path, const QByteArray &bytes, const QStringList &protectedFiles);

} // namespace qm
