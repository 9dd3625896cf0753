#include "reports/OwedPrinting.h"

#include "core/Clock.h"
#include "core/rules/OwedReport.h"
#include "print/cTPrint.h"

#include <QCoreApplication>

#include <span>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OwedPrinting)
};

const QString kFace = QStringLiteral("Times New Roman");
// Inches kept free between a column's texts and the next column.
constexpr float kColumnGap = 0.1f;

// Where each column starts, in inches, and where the last one ends. Texts are
// left-aligned at their tab, amounts right-aligned before the next.
constexpr float kOwedTabs[] = {0.3f, 1.25f, 2.1f, 3.6f, 4.75f, 5.35f, 6.1f, 6.9f, 7.7f};
constexpr int kOwedTextColumns = 5;
constexpr float kPeopleTabs[] = {0.3f, 1.7f, 2.9f, 4.1f, 5.3f, 6.5f, 7.7f};
constexpr int kPeopleTextColumns = 1;

// One part of the printout: its headings and its rows, in columns.
struct Part
{
    QStringList titles;
    QList<QStringList> rows;
    std::span<const float> tabs;
    int textColumns;
};

class OwedPrinter
{
public:
    explicit OwedPrinter(cTPrint &job)
        : m_job(job), m_heading(job.font(kFace, 10, QStringLiteral("bu"), PointRounding::Nearest)),
          m_body(job.font(kFace, 10, QString(), PointRounding::Nearest))
    {
    }
    OwedPrinter(const OwedPrinter &) = delete;
    OwedPrinter &operator=(const OwedPrinter &) = delete;

    void printTitle(const QString &title)
    {
        m_job.printInBox(m_job.defaultFont(), title, 0, float(m_job.printableSize().width()), 0);
        m_ppiX = float(m_job.pixelsPerInch().width());
        m_lineHeight = float(m_job.characterSize(m_heading).height()) * 1.5f;
        m_bodyHeight = float(m_job.characterSize(m_body).height());
        m_pageHeight = float(m_job.printableSize().height());
        m_line = 1; // the headings of the first part go 2.5 lines down, as in the other reports
    }

    // False when the printer failed on a new page.
    bool printPart(const Part &part)
    {
        if (m_line > 1)
            ++m_line; // a blank line between the parts
        if (!room(2) && !nextPage())
            return false;
        printHeadings(part);
        for (const QStringList &row : part.rows) {
            if (!room(1)) {
                if (!nextPage())
                    return false;
                printHeadings(part);
            }
            printRow(m_body, part, row, float(m_line + 2) * m_lineHeight);
            ++m_line;
        }
        return true;
    }

private:
    // Whether `lines` more lines fit on the page.
    bool room(int lines) const
    {
        return float(m_line + lines + 1) * m_lineHeight + m_bodyHeight <= m_pageHeight;
    }

    bool nextPage()
    {
        m_job.endPage();
        if (!m_job.startPage())
            return false;
        m_line = 1; // the headings at the height of the first page's
        return true;
    }

    void printHeadings(const Part &part)
    {
        printRow(m_heading, part, part.titles, (float(m_line) + 1.5f) * m_lineHeight);
        m_line += 1;
    }

    void printRow(const FontSpec &font, const Part &part, const QStringList &texts, float y)
    {
        for (int column = 0; column < texts.size(); ++column) {
            const bool amount = column >= part.textColumns;
            m_job.printInBox(font, texts.at(column), m_ppiX * part.tabs[std::size_t(column)],
                             m_ppiX * (part.tabs[std::size_t(column) + 1] - kColumnGap), y,
                             amount ? Qt::AlignRight : Qt::AlignLeft);
        }
    }

    cTPrint &m_job;
    const FontSpec m_heading;
    const FontSpec m_body;
    float m_ppiX = 0;
    float m_lineHeight = 0;
    float m_bodyHeight = 0;
    float m_pageHeight = 0;
    int m_line = 0; // lines used on the page below the title
};

} // namespace

void printOwedReport(const OwedReport &report, QWidget *parent)
{
    cTPrint job;
    if (job.openDocument(parent, Text::tr("Quillmoor Ads - Owed")).isEmpty())
        return;
    Part owed{owedTitles(), {}, kOwedTabs, kOwedTextColumns};
    for (const OwedRow &row : report.rows)
        owed.rows << owedRowTexts(row);
    Part people{personOwedTitles(), {}, kPeopleTabs, kPeopleTextColumns};
    for (const PersonOwed &person : report.people)
        people.rows << personOwedTexts(person);

    const QString today = Clock::today().toString(QStringLiteral("MM-dd-yyyy"));
    {
        OwedPrinter printer(job);
        printer.printTitle(QString(20, u' ') + Text::tr("Quillmoor Ads - Owed on %1").arg(today));
        if (printer.printPart(owed) && !people.rows.isEmpty())
            printer.printPart(people);
    }
    job.endPage();
    job.endDoc();
}

} // namespace qm
