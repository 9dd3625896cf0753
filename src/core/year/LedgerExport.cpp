#include "core/year/LedgerExport.h"

#include "core/LedgerModel.h"
#include "core/csv/CsvExport.h"
#include "core/year/FileCheck.h"
#include "core/year/YearFiles.h"

#include <QCoreApplication>
#include <QDir>

#include <future>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LedgerExport)
};

bool readCleanly(const LoadOutcome &outcome)
{
    if (!outcome.settingsFound || !outcome.settings.ok || outcome.settings.damaged)
        return false;
    return !outcome.ledgerRead || (outcome.ledger.ok && !outcome.ledger.damaged);
}

} // namespace

LedgerExport exportLedgerCsv(const QString &settingsFile, const QString &ledgerFile, const QString &csvFile)
{
    LedgerExport result;
    LedgerModel model;
    const LoadOutcome outcome = readFiles(model, settingsFile, ledgerFile);
    if (!readCleanly(outcome)) {
        const FileReport report = reportLoad(model, outcome, settingsFile, ledgerFile);
        result.error = report.text() + Text::tr("Nothing was exported: the files need attention first "
                                                "(see the problems above).");
        return result;
    }
    return writeLedgerCsv(model, csvFile, {settingsFile, ledgerFile});
}

LedgerExport writeLedgerCsv(const LedgerModel &model, const QString &csvFile, const QStringList &dataFiles)
{
    LedgerExport result;
    qsizetype ledgerRecords = 0, advanceRecords = 0, owedRecords = 0;
    const QString advancesFile = advancesCsvPath(csvFile);
    const QString owedFile = owedCsvPath(csvFile);
    // The ledger's file is the largest: while it is written and synced, the
    // other two are made. Nothing is written after a file that failed.
    const QByteArray ledger = ledgerCsv(model, &ledgerRecords);
    std::future<FileResult> ledgerSaved =
        std::async(std::launch::async, [&] { return saveCsvFile(csvFile, ledger, dataFiles); });
    const QByteArray advances = advancesCsv(model, &advanceRecords);
    const QByteArray owed = owedCsv(model, &owedRecords);
    FileResult saved = ledgerSaved.get();
    if (saved.ok)
        saved = saveCsvFile(advancesFile, advances, dataFiles);
    if (saved.ok)
        saved = saveCsvFile(owedFile, owed, dataFiles);
    if (!saved.ok) {
        result.error = saved.message;
        return result;
    }
    result.ok = true;
    result.report = Text::tr("%1 ledger lines written to %2\n%3 advance entries written to %4")
                        .arg(ledgerRecords)
                        .arg(QDir::toNativeSeparators(csvFile))
                        .arg(advanceRecords)
                        .arg(QDir::toNativeSeparators(advancesFile)) +
                    u'\n' +
                    Text::tr("%1 rows of what is owed written to %2")
                        .arg(owedRecords)
                        .arg(QDir::toNativeSeparators(owedFile));
    return result;
}

} // namespace qm
