#include "core/year/LastYear.h"

#include "core/rules/YearChart.h"

#include "core/LedgerModel.h"
#include "core/files/NumberFormat.h"
#include "core/year/Archive.h"
#include "core/year/YearFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LastYear)
};

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }


// The reader's message for a pair that did not read cleanly; empty when it did.
QString readProblem(const LoadOutcome &outcome, const QString &settingsFile, const QString &ledgerFile)
{
    if (!outcome.settingsFound)
        return Text::tr("The archived settings file %1 was not found.").arg(shown(settingsFile));
    if (!outcome.ledgerFound)
        return Text::tr("The archived ledger file %1 was not found.").arg(shown(ledgerFile));
    if (!outcome.settings.ok || outcome.settings.damaged)
        return outcome.settings.message;
    if (!outcome.ledger.ok || outcome.ledger.damaged)
        return outcome.ledger.message;
    return QString();
}

} // namespace

LastYearSales readLastYear(const LedgerModel &model, const LastYearPlace &place, const QDate &today)
{
    LastYearSales sales;
    const int thisYear = model.ledgerYear > 0 ? model.ledgerYear : today.year();
    sales.year = thisYear - 1;
    sales.throughMonth = thisYear < today.year() ? kMonthCount : today.month();

    QStringList folders{archiveFolderIn(place.programFolder)};
    const QString besideLedger = archiveFolderIn(QFileInfo(place.ledgerFile).absolutePath());
    if (!folders.contains(besideLedger))
        folders << besideLedger;
    const QString settingsName = archiveCopyName(place.settingsFile, sales.year);
    const QString ledgerName = archiveCopyName(place.ledgerFile, sales.year);
    // The first folder holding either file of the pair is the archive.
    QString folder;
    for (const QString &candidate : folders) {
        const QDir dir(candidate);
        if (QFileInfo::exists(dir.filePath(settingsName)) || QFileInfo::exists(dir.filePath(ledgerName))) {
            folder = candidate;
            break;
        }
    }
    if (folder.isEmpty()) {
        QStringList looked;
        for (const QString &candidate : folders)
            looked << shown(QDir(candidate).filePath(ledgerName));
        sales.message = Text::tr("No archive of %1 to compare with: looked for %2.")
                            .arg(sales.year)
                            .arg(looked.join(Text::tr(" and ")));
        return sales;
    }

    const QString settingsFile = QDir(folder).filePath(settingsName);
    sales.ledgerFile = QDir(folder).filePath(ledgerName);
    LedgerModel archived;
    const LoadOutcome outcome = readFiles(archived, settingsFile, sales.ledgerFile);
    const QString problem = readProblem(outcome, settingsFile, sales.ledgerFile);
    if (!problem.isEmpty()) {
        sales.state = LastYearSales::State::Damaged;
        sales.message = problem + u'\n' +
                        Text::tr("The archive of %1 is left out of the report.").arg(sales.year);
        return sales;
    }
    sales.state = LastYearSales::State::Found;
    sales.issues = salesPerIssue(archived);
    for (int month = 1; month <= sales.throughMonth; ++month)
        sales.publications[0] += sales.issues.at(month - 1);
    for (int publication = 2; publication <= kPublicationCount; ++publication)
        sales.publications[std::size_t(publication - 1)] = sales.issues.at(issueIndex(publication, 1) - 1);
    return sales;
}

std::array<QString, kReportRows> lastYearColumn(const LastYearSales &sales)
{
    std::array<QString, kReportRows> column;
    double total = 0;
    for (int publication = 1; publication <= kPublicationCount; ++publication) {
        const QString shown = formatMoney(sales.publications.at(std::size_t(publication - 1)));
        column.at(std::size_t(kCorvelTotalRow + publication - 2)) = shown;
        total += leadingNumber(shown);
    }
    column.at(kTotalsRow - 1) = formatMoney(total);
    return column;
}

} // namespace qm
