#include "reports/OwedView.h"

#include "reports/TextRowsModel.h"
#include "ui/ElidingHeader.h"
#include "ui/TextFit.h"

#include <QHeaderView>
#include <QLabel>
#include <QResizeEvent>
#include <QTableView>

namespace qm {

namespace {

constexpr int kRowHeight = 18;
constexpr int kHeaderHeight = 20;
// The people's table: its heading and two rows, one for each sales person there can be.
constexpr int kPeopleHeight = kHeaderHeight + 2 * kRowHeight + 4;
constexpr int kLabelHeight = 16;

// A table of the report's rows: its first `texts` columns left-aligned, the
// rest (amounts) right-aligned.
QTableView *newTable(QWidget *parent, const QString &name, const QString &accessibleName, TextRowsModel *rows,
                     const QList<int> &widths)
{
    auto *table = new QTableView(parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeader(new ElidingHeader(Qt::Horizontal, table));
    table->setModel(rows);
    rows->setBoldFont(table->font());
    table->setShowGrid(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setFixedHeight(kHeaderHeight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < rows->columnCount(); ++column)
        table->setColumnWidth(column, widths.value(column, 80));
    showCutTextsInToolTips(table);
    return table;
}

} // namespace

OwedView::OwedView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("OwedView"));
    m_owedRows = new TextRowsModel(owedTitles(), 5, this);
    m_owed = newTable(this, QStringLiteral("OwedTable"), tr("Sales not paid in full"), m_owedRows,
                      {80, 75, 175, 115, 60, 80, 80, 80});
    m_peopleLabel = new QLabel(tr("Owed to the sales people"), this);
    m_peopleLabel->setObjectName(QStringLiteral("PeopleOwedLabel"));
    m_peopleRows = new TextRowsModel(personOwedTitles(), 1, this);
    m_people = newTable(this, QStringLiteral("PeopleOwedTable"), tr("Owed to the sales people"), m_peopleRows,
                        {175, 116, 116, 116, 116, 116});
    m_people->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_peopleLabel->setBuddy(m_people);
}

void OwedView::showReport(const OwedReport &report)
{
    // The texts of a line are made when the table shows it.
    m_report = report;
    const QList<OwedRow> &rows = m_report.rows;
    m_owedRows->setRows(
        int(rows.size()), [&rows](int row) { return owedRowTexts(rows.at(row)); },
        [&rows](int row) { return rows.at(row).kind != OwedRow::Kind::Line; });
    const QList<PersonOwed> &people = m_report.people;
    m_peopleRows->setRows(int(people.size()), [&people](int row) { return personOwedTexts(people.at(row)); });
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
