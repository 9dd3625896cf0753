#pragma once

#include "core/csv/CsvWriter.h"
#include "core/files/FileResult.h"
#include "core/rules/YearToDate.h"

#include <QByteArray>
#include <array>
#include <QString>
#include <QStringList>

namespace qm {

class LedgerModel;

// The files below put an apostrophe in front of a text that a spreadsheet
// would run as a formula (one starting with =, +, -, @, a tab or a carriage
// return); their amounts and counts are plain numbers, negative ones included,
// and their dates YYYY-MM-DD. `records`, when given, receives the number of
// records after the header.

// A header, then one record per issue and ad that holds anything: publication,
// month (Corvel only), ad, sales person, number, size, colour, sale, paid,
// status, commission, commission paid.
QByteArray ledgerCsv(const LedgerModel &model, qsizetype *records = nullptr);
// A header, then each advance entry with the running balance of its person.
QByteArray advancesCsv(const LedgerModel &model, qsizetype *records = nullptr);

// Both views of the year-to-date report side by side, as the report shows them
// when it opens: the publication, the "Total Sales" view's five columns, then the
// "Commissions" view's four; texts trimmed, amounts as plain numbers. With
// `lastYear`, the "Total Sales" view's "Last year" column follows them.
QByteArray yearToDateCsv(const LedgerModel &model, const std::array<QString, kReportRows> *lastYear = nullptr);

// The report's "Owed" view: a header, then each line of an issue and ad whose
// sale is above its paid amount, each ad's subtotal and the grand total, as the
// view shows them; after an empty record, the sales people with their
// commission due, paid, still due, advances balance and what is owed to them.
QByteArray owedCsv(const LedgerModel &model, qsizetype *records = nullptr);

// Where the advances of an export to `csvFile` go: "_advances" before the extension.
QString advancesCsvPath(const QString &csvFile);
// Where the "Owed" view of an export to `csvFile` goes: "_owed" before the extension.
QString owedCsvPath(const QString &csvFile);

// Writes `bytes` to `path` through the data files' safe save, but never over
// one of `protectedFiles` nor over any ledger or settings file.
FileResult saveCsvFile(const QString &path, const QByteArray &bytes, const QStringList &protectedFiles);

} // namespace qm
