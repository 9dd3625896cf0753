#include "help/HelpPrinting.h"

#include "core/help/HelpPrintLayout.h"
#include "print/cTPrint.h"

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HelpPrinting)
};

const QString kFace = QStringLiteral("Courier New");
constexpr double kMarginLeft = 0.75;
constexpr double kMarginRight = 0.75;
constexpr double kMarginTop = 0.25;
constexpr double kMarginBottom = 0.5;
constexpr int kHeaderLines = 4;
constexpr int kTitlePoints = 12;
constexpr int kBodyPoints = 10;
// Inches kept free between the title and the page number.
constexpr double kTitleGap = 0.2;

struct FittedTitle
{
    QString text;
    FontSpec font;
};

// The title as it fits the room left of the page number: in the title's font,
// else a point or two smaller, else cut with "…".
FittedTitle fitTitle(cTPrint &p, const QString &title, double room)
{
    FontSpec font;
    for (int points = kTitlePoints; points >= kBodyPoints; --points) {
        font = p.font(kFace, points, QStringLiteral("u"));
        if (p.textWidth(font, title) <= room)
            return {title, font};
    }
    const QString mark(QChar(0x2026));
    return {p.fitText(font, title, room - p.textWidth(font, mark)).trimmed() + mark, font};
}

// Lays the topic out line by line; `printLine` gets each line and `newPage`
// is called when a line no longer fits on the page. Returns the page count.
int layOut(cTPrint &p, const FontSpec &font, const QString &body, double lineWidth, int linesPerPage,
           const std::function<void(const QString &)> &printLine, const std::function<void(int)> &newPage)
{
    int page = 1;
    int lineCount = kHeaderLines;
    auto emitLine = [&](const QString &text) {
        // A new page before a line that would reach past the bottom margin
        // (where the printer would drop it), and only for a line still to
        // come: a topic that just fills its last page gets no empty page.
        if (lineCount >= linesPerPage) {
            ++page;
            newPage(page);
            lineCount = kHeaderLines;
        }
        printLine(text);
        ++lineCount;
    };
    const auto fit = [&](const QString &text) { return p.fitText(font, text, lineWidth); };
    for (const QString &raw : helpPrintLines(body)) {
        const QString line = expandHelpTabs(raw);
        if (p.textWidth(font, line) <= lineWidth) {
            emitLine(line);
            continue;
        }
        for (const QString &piece : wrapHelpLine(line, fit))
            emitLine(piece);
    }
    return page;
}

} // namespace

void printHelpTopic(const QString &title, const QString &body, QWidget *parent)
{
    if (body.isEmpty())
        return;
    cTPrint p;
    if (p.choosePrinter(parent, QStringLiteral("appHelp")).isEmpty())
        return;
    p.setMargins(kMarginLeft, kMarginRight, kMarginTop, kMarginBottom);
    double pageWidth = 0;
    double pageHeight = 0;
    p.pageSize(pageWidth, pageHeight);
    const double lineWidth = pageWidth - kMarginLeft - kMarginRight;
    const FontSpec bodyFont = p.font(kFace, kBodyPoints, QString());
    const int linesPerPage = p.linesPerPage(bodyFont, 0);

    if (p.canDuplex() == 1) {
        const int pages = layOut(p, bodyFont, body, lineWidth, linesPerPage, [](const QString &) {}, [](int) {});
        p.setDuplex(pages > 1 ? 2 : 1);
    }

    auto header = [&](int page) {
        const QString label = Text::tr("Page %1").arg(page);
        const double labelX = pageWidth - kMarginRight - p.textWidth(bodyFont, label);
        const FittedTitle fitted = fitTitle(p, title, labelX - kTitleGap - kMarginLeft);
        p.printText(fitted.font, fitted.text, kMarginLeft, kMarginTop);
        p.printText(bodyFont, label, labelX, kMarginTop);
        p.setPos(kMarginLeft, kHeaderLines * p.lineHeight(bodyFont));
    };
    p.startDoc(QStringLiteral("appHelp"));
    p.startPage();
    header(1);
    layOut(p, bodyFont, body, lineWidth, linesPerPage, [&](const QString &line) { p.printText(bodyFont, line, 0, 0); },
           [&](int page) {
               p.endPage();
               p.startPage();
               header(page);
           });
    p.endPage();
    p.endDoc();
}

} // namespace qm
