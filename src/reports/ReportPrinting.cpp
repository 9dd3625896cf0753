#include "reports/ReportPrinting.h"

#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/rules/RunSheet.h"
#include "core/rules/YearToDate.h"
#include "print/ReportJob.h"

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReportPrinting)
};

const QString kFace = QStringLiteral("Times New Roman");
constexpr int kHeadingStyle = StyleBold | StyleUnderline;

void printAt(ReportJob &job, float x, float y, const QString &text)
{
    job.setPosition(x, y);
    job.printLine(text);
}

void printRunSheetHeadings(ReportJob &job, float ppiX, float lineHeight)
{
    printAt(job, ppiX * 1.0f, lineHeight * 2.5f, Text::tr("Sold Ads"));
    printAt(job, ppiX * 3.0f, lineHeight * 2.5f, Text::tr("Status"));
}

} // namespace

void printRunSheet(const LedgerModel &model, int publication, int month, QWidget *parent)
{
    const RunSheet sheet = runSheetFor(model, publication, month, Clock::today());
    ReportJob job(parent);
    const QString documentName = Text::tr("Quillmoor Run Sheet - %1").arg(runSheetIssueName(publication, month));
    if (job.openReportJob(documentName).isEmpty())
        return;
    const ReportFont heading = job.newFont(kFace, 10, kHeadingStyle);
    const ReportFont body = job.newFont(kFace, 10, 0);

    job.printLine(sheet.title);
    job.selectFont(heading);
    const float ppiX = float(job.pixelsPerInch().width());
    const float lineHeight = float(job.characterSize().height()) * 1.5f;
    printRunSheetHeadings(job, ppiX, lineHeight);

    job.selectFont(body);
    const int pageHeight = job.printableSize().height();
    const int bodyHeight = job.characterSize().height();
    int printed = 0;
    for (const RunSheetLine &line : sheet.lines) {
        // A line that would reach below the page starts a new page under the headings.
        if (printed > 0 && float(printed + 4) * lineHeight + float(bodyHeight) > float(pageHeight)) {
            if (!job.newPage())
                break;
            job.selectFont(heading);
            printRunSheetHeadings(job, ppiX, lineHeight);
            job.selectFont(body);
            printed = 0;
        }
        ++printed;
        const float y = float(printed + 3) * lineHeight;
        printAt(job, ppiX * 1.0f, y, line.adName);
        printAt(job, ppiX * 3.0f, y, line.status);
    }
    job.closeReportJob();
    job.releaseFont(heading);
    job.releaseFont(body);
}

void printYearToDate(const ReportTable &table, int salesPeople, bool paidSalesShown, QWidget *parent)
{
    static constexpr float headingTab[] = {0.5f, 2.0f, 2.75f, 3.7f, 4.65f, 5.6f, 6.65f};
    static constexpr float rowTab[] = {0.5f, 2.0f, 2.95f, 3.9f, 4.85f, 5.8f, 6.75f};

    ReportJob job(parent);
    if (job.openReportJob(Text::tr("Quillmoor Ads - Year to date")).isEmpty())
        return;
    const ReportFont heading = job.newFont(kFace, 10, kHeadingStyle);
    const ReportFont body = job.newFont(kFace, 10, 0);

    const QString today = Clock::today().toString(QStringLiteral("MM-dd-yyyy"));
    job.printLine(QString(20, u' ') + Text::tr("Quillmoor Ads - Reporting for %1").arg(today));
    job.selectFont(heading);
    const float ppiX = float(job.pixelsPerInch().width());
    const float lineHeight = float(job.characterSize().height()) * 1.5f;

    const int columns = printedReportColumns(salesPeople);
    const auto printedColumn = [&](int column) {
        return column <= kReportColumns && (column != kReportColumns || paidSalesShown);
    };
    for (int column = 1; column <= columns; ++column) {
        const QString title = printedColumn(column) ? table.title(column).trimmed() : QString();
        printAt(job, ppiX * headingTab[column - 1], lineHeight * 2.5f, title);
    }
    job.releaseFont(heading);
    job.selectFont(body);
    for (int row = 1; row <= kReportRows; ++row) {
        for (int column = 1; column <= columns; ++column) {
            const QString text = printedColumn(column) ? table.cell(row, column) : QString();
            printAt(job, ppiX * rowTab[column - 1], float(row + 3) * lineHeight, text);
        }
    }
    job.closeReportJob();
    job.releaseFont(body);
}

} // namespace qm
