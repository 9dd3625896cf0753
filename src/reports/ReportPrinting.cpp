#include "reports/ReportPrinting.h"

#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/rules/RunSheet.h"
#include "core/rules/YearToDate.h"
#include "print/cTPrint.h"

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReportPrinting)
};

const QString kFace = QStringLiteral("Times New Roman");
const QString kHeadingStyle = QStringLiteral("bu");
constexpr double kPoints = 10;
// Inches kept free between a column's texts and the next column.
constexpr float kColumnGap = 0.1f;

// The run sheet's two columns, in printer pixels: the ads from one inch up to
// the statuses at three inches, and those up to the edge of the printable area.
struct RunSheetColumns
{
    float adLeft, adRight, statusLeft, statusRight;
};

void printRunSheetLine(cTPrint &p, const FontSpec &font, const RunSheetColumns &at, float y, const QString &ad,
                       const QString &status)
{
    p.printInBox(font, ad, at.adLeft, at.adRight, y);
    p.printInBox(font, status, at.statusLeft, at.statusRight, y);
}

void printRunSheetHeadings(cTPrint &p, const FontSpec &font, const RunSheetColumns &at, float lineHeight)
{
    printRunSheetLine(p, font, at, lineHeight * 2.5f, Text::tr("Sold Ads"), Text::tr("Status"));
}

} // namespace

void printRunSheet(const LedgerModel &model, int publication, int month, QWidget *parent)
{
    const RunSheet sheet = runSheetFor(model, publication, month, Clock::today());
    cTPrint p;
    const QString documentName = Text::tr("Quillmoor Run Sheet - %1").arg(runSheetIssueName(publication, month));
    if (p.openDocument(parent, documentName).isEmpty())
        return;
    const FontSpec heading = p.font(kFace, kPoints, kHeadingStyle, PointRounding::Nearest);
    const FontSpec body = p.font(kFace, kPoints, QString(), PointRounding::Nearest);

    const QSize printable = p.printableSize();
    p.printInBox(p.defaultFont(), sheet.title, 0, float(printable.width()), 0);
    const float ppiX = float(p.pixelsPerInch().width());
    const float lineHeight = float(p.characterSize(heading).height()) * 1.5f;
    const RunSheetColumns columns = {ppiX * 1.0f, ppiX * (3.0f - kColumnGap), ppiX * 3.0f, float(printable.width())};
    printRunSheetHeadings(p, heading, columns, lineHeight);

    const int bodyHeight = p.characterSize(body).height();
    int printed = 0;
    for (const RunSheetLine &line : sheet.lines) {
        // A line that would reach below the page starts a new page under the headings.
        if (printed > 0 && float(printed + 4) * lineHeight + float(bodyHeight) > float(printable.height())) {
            p.endPage();
            if (!p.startPage())
                break;
            printRunSheetHeadings(p, heading, columns, lineHeight);
            printed = 0;
        }
        ++printed;
        printRunSheetLine(p, body, columns, float(printed + 3) * lineHeight, line.adName, line.status);
    }
    p.endPage();
    p.endDoc();
}

void printYearToDate(const ReportTable &table, int salesPeople, bool paidSalesShown, const QStringList &personNames,
                     QWidget *parent)
{
    // Where each column starts, in inches: the publications are left-aligned
    // there, the amounts and their headings right-aligned before the next.
    static constexpr float tab[] = {0.5f, 2.0f, 2.95f, 3.9f, 4.85f, 5.8f, 6.75f, 7.7f};

    cTPrint p;
    if (p.openDocument(parent, Text::tr("Quillmoor Ads - Year to date")).isEmpty())
        return;
    const FontSpec heading = p.font(kFace, kPoints, kHeadingStyle, PointRounding::Nearest);
    const FontSpec body = p.font(kFace, kPoints, QString(), PointRounding::Nearest);

    const QString today = Clock::today().toString(QStringLiteral("MM-dd-yyyy"));
    p.printInBox(p.defaultFont(), QString(20, u' ') + Text::tr("Quillmoor Ads - Reporting for %1").arg(today), 0,
                 float(p.printableSize().width()), 0);
    const float ppiX = float(p.pixelsPerInch().width());
    const float lineHeight = float(p.characterSize(heading).height()) * 1.5f;

    const int columns = printedReportColumns(salesPeople);
    const auto printedColumn = [&](int column) {
        return column <= kReportColumns && (column != kReportColumns || paidSalesShown);
    };
    // An empty cell keeps its place at the column's tab.
    const auto printCell = [&](const FontSpec &font, int column, float y, const QString &text) {
        const bool amount = column > 1 && !text.isEmpty();
        p.printInBox(font, text, ppiX * tab[column - 1], ppiX * (tab[column] - kColumnGap), y,
                     amount ? Qt::AlignRight : Qt::AlignLeft);
    };
    // The names of the sales people over their two columns each, as the window shows them.
    for (qsizetype person = 1; person <= personNames.size() && 2 * person + 1 <= columns; ++person) {
        p.printInBox(heading, personNames.at(person - 1), ppiX * tab[2 * person - 1],
                     ppiX * (tab[2 * person + 1] - kColumnGap), lineHeight * 1.5f, Qt::AlignHCenter);
    }
    for (int column = 1; column <= columns; ++column)
        printCell(heading, column, lineHeight * 2.5f,
                  printedColumn(column) ? table.title(column).trimmed() : QString());
    for (int row = 1; row <= kReportRows; ++row) {
        for (int column = 1; column <= columns; ++column)
            printCell(body, column, float(row + 3) * lineHeight,
                      printedColumn(column) ? table.cell(row, column) : QString());
    }
    p.endPage();
    p.endDoc();
}

} // namespace qm
