#include "core/year/FileCheck.h"

#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(FileCheck)
};

QString shown(const QString &path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

QString amount(double value) { return QString::number(value, 'f', 2); }

QString issueName(int issue)
{
    if (issue <= kMonthCount)
        return publicationName(1) + QLatin1Char(' ') + monthTitle(issue);
    return publicationName(issuePublication(issue));
}

void reportAdvances(const LedgerModel &model, FileReport &report)
{
    report.lines << Text::tr("Advances:");
    bool any = false;
    for (int slot = 1; slot <= kMaxSalesPeople; ++slot) {
        const AdvanceLedger &ledger = model.advances.at(slot - 1);
        const bool configured = slot <= model.salesPeople.size();
        if (!configured && ledger.isEmpty())
            continue;
        any = true;
        double advanced = 0, paid = 0;
        for (const AdvanceEntry &entry : ledger) {
            advanced += entry.advanced;
            paid += entry.paid;
        }
        const QString person = configured ? model.salesPeople.at(slot - 1).name
                                           : Text::tr("sales person %1 (not configured)").arg(slot);
        report.lines << Text::tr("  %1: %2 %3, advanced %4, paid %5, balance %6")
                            .arg(person)
                            .arg(ledger.size())
                            .arg(ledger.size() == 1 ? Text::tr("entry") : Text::tr("entries"))
                            .arg(amount(advanced), amount(paid), amount(advanced - paid));
        if (!configured) {
            report.problems << Text::tr("The ledger holds %1 advance entries for sales person %2, "
                                        "who is not configured.")
                                   .arg(ledger.size())
                                   .arg(slot);
        }
    }
    if (!any)
        report.lines << Text::tr("  none");
}

// Lines sold by a name that is no longer one of the sales choices count in no
// person's column of the report.
void reportUnknownSalesPeople(const LedgerModel &model, FileReport &report)
{
    const QStringList choices = model.salesChoices();
    const LedgerCells &cells = model.cells;
    const int ads = std::min(cells.adCount(), model.adCount());
    // A ledger holds few different names: each is looked up once.
    enum : char { NotLookedUp, Known, Unknown };
    std::vector<char> found(cells.textNumberLimit(), NotLookedUp);
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        for (int ad = 1; ad <= ads; ++ad) {
            const quint32 person = cells.textNumber(issue, ColSalesPerson, ad);
            if (person == 0)
                continue;
            char &state = found[person];
            if (state == NotLookedUp)
                state = choices.contains(cells.textOfNumber(person)) ? Known : Unknown;
            if (state == Unknown) {
                report.problems << Text::tr("%1, ad \"%2\": the sales person \"%3\" is not configured.")
                                       .arg(issueName(issue), model.ads.at(ad - 1).name, cells.textOfNumber(person));
            }
        }
    }
}

} // namespace

QString FileReport::text() const
{
    QStringList all = lines;
    if (problems.isEmpty()) {
        all << Text::tr("Problems: none");
    } else {
        all << Text::tr("Problems: %1").arg(problems.size());
        for (const QString &problem : problems)
            all << QStringLiteral("  - ") + QString(problem).replace(QLatin1Char('\n'), QStringLiteral("\n    "));
    }
    return all.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

FileReport reportLoad(const LedgerModel &model, const LoadOutcome &outcome, const QString &settingsFile,
                      const QString &ledgerFile)
{
    FileReport report;
    report.lines << Text::tr("Settings file: %1%2")
                        .arg(shown(settingsFile), outcome.settingsFound ? QString() : Text::tr(" (not found)"));
    QString ledgerNote;
    if (!outcome.ledgerFound)
        ledgerNote = Text::tr(" (not found)");
    else if (outcome.ledgerRead && outcome.ledger.ok)
        ledgerNote = Text::tr(" (version %1)").arg(outcome.ledger.version);
    else if (!outcome.ledgerRead)
        ledgerNote = Text::tr(" (not read)");
    report.lines << Text::tr("Ledger file:   %1%2").arg(shown(ledgerFile), ledgerNote);

    if (!outcome.settingsFound) {
        report.problems << Text::tr("There is no settings file, so the program starts with no ads%1.")
                               .arg(outcome.ledgerFound ? Text::tr(" and does not read the ledger file")
                                                        : QString());
        return report;
    }
    if (!outcome.settings.ok || outcome.settings.damaged)
        report.problems << outcome.settings.message;
    if (!outcome.settings.ok)
        return report;
    if (outcome.ledgerRead && !outcome.ledger.ok) {
        report.problems << outcome.ledger.message;
        return report;
    }

    report.lines << Text::tr("Year: %1").arg(model.ledgerYear == 0 ? Text::tr("not set")
                                                                   : QString::number(model.ledgerYear));
    QStringList perPublication;
    for (int p = 1; p <= kPublicationCount; ++p) {
        int count = 0;
        for (const AdRecord &ad : model.ads)
            count += ad.runsIn(p) ? 1 : 0;
        perPublication << QStringLiteral("%1 %2").arg(publicationName(p)).arg(count);
    }
    report.lines << Text::tr("Ads: %1 (%2)").arg(model.adCount()).arg(perPublication.join(QStringLiteral(", ")));
    report.lines << Text::tr("Sales people: %1").arg(model.salesPeople.size());
    for (const SalesPerson &person : model.salesPeople)
        report.lines << Text::tr("  %1, commission %2%").arg(person.name, person.percent);
    reportAdvances(model, report);

    if (outcome.ledgerRead) {
        if (outcome.ledger.damaged)
            report.problems << outcome.ledger.message;
        if (isOlderLedgerVersion(outcome.ledger.version)) {
            report.lines << Text::tr("Note: the ledger file is in an older format (version %1); the program "
                                     "rewrites it in the current format when it opens it.")
                                .arg(outcome.ledger.version);
        }
        reportUnknownSalesPeople(model, report);
    }
    return report;
}

FileReport checkFiles(LedgerModel &model, const QString &settingsFile, const QString &ledgerFile)
{
    const LoadOutcome outcome = readFiles(model, settingsFile, ledgerFile);
    return reportLoad(model, outcome, settingsFile, ledgerFile);
}

} // namespace qm
