#include "reports/OwedView.h"

#include "ui/ElidingHeader.h"
#include "ui/HeadedTableItem.h"
#include "ui/TextFit.h"

#include <QHeaderView>
#include <QLabel>
#include <QResizeEvent>
#include <QTableWidget>

namespace qm {

namespace {

constexpr int kRowHeight = 18;
constexpr int kHeaderHeight = 20;
// The people's table: its heading and two rows, one for each sales person there can be.
constexpr int kPeopleHeight = kHeaderHeight + 2 * kRowHeight + 4;
constexpr int kLabelHeight = 16;

// Columns whose first `texts` are left-aligned, the rest (amounts) right-aligned.
QTableWidget *newTable(QWidget *parent, const QString &name, const QString &accessibleName,
                       const QStringList &titles, const QList<int> &widths, int texts)
{
    auto *table = new QTableWidget(0, int(titles.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeader(new ElidingHeader(Qt::Horizontal, table));
    table->setShowGrid(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setFixedHeight(kHeaderHeight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < titles.size(); ++column) {
        auto *header = new HeadedTableItem(titles.at(column));
        header->setTextAlignment((column < texts ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        table->setHorizontalHeaderItem(column, header);
        table->setColumnWidth(column, widths.value(column, 80));
    }
    showCutTextsInToolTips(table);
    return table;
}

void fillRows(QTableWidget *table, const QList<QStringList> &rows, int texts, const QList<int> &boldRows)
{
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size(); ++column) {
            auto *item = new HeadedTableItem(rows.at(row).at(column));
            item->setTextAlignment((column < texts ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            if (boldRows.contains(row)) {
                QFont font = table->font();
                font.setBold(true);
                item->setFont(font);
            }
            table->setItem(row, column, item);
        }
    }
}

} // namespace

OwedView::OwedView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("OwedView"));
    m_owed = newTable(this, QStringLiteral("OwedTable"), tr("Sales not paid in full"), owedTitles(),
                      {80, 75, 175, 115, 60, 80, 80, 80}, 5);
    m_peopleLabel = new QLabel(tr("Owed to the sales people"), this);
    m_peopleLabel->setObjectName(QStringLiteral("PeopleOwedLabel"));
    m_people = newTable(this, QStringLiteral("PeopleOwedTable"), tr("Owed to the sales people"),
                        personOwedTitles(), {175, 116, 116, 116, 116, 116}, 1);
    m_people->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_peopleLabel->setBuddy(m_people);
}

void OwedView::showReport(const OwedReport &report)
{
    QList<QStringList> rows;
    QList<int> totals;
    for (const OwedRow &row : report.rows) {
        if (row.kind != OwedRow::Kind::Line)
            totals << int(rows.size());
        rows << owedRowTexts(row);
    }
    fillRows(m_owed, rows, 5, totals);
    QList<QStringList> people;
    for (const PersonOwed &person : report.people)
        people << personOwedTexts(person);
    fillRows(m_people, people, 1, {});
}

void OwedView::resizeEvent(QResizeEvent *event)
{
    const int width = event->size().width();
    const int height = event->size().height();
    const int peopleTop = height - kPeopleHeight;
    m_people->setGeometry(0, peopleTop, width, kPeopleHeight);
    m_peopleLabel->setGeometry(0, peopleTop - kLabelHeight - 2, width, kLabelHeight);
    m_owed->setGeometry(0, 0, width, peopleTop - kLabelHeight - 6);
    QWidget::resizeEvent(event);
}

} // namespace qm
