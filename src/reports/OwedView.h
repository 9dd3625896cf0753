#pragma once

#include "core/rules/OwedReport.h"

#include <QWidget>

class QLabel;
class QTableView;

namespace qm {
class TextRowsModel;
}

namespace qm {

// The "Owed" view of the year-to-date report: every sale above its paid amount
// with subtotals per ad and the grand total, and below it what each sales
// person is owed once the commission paid and the advances are counted.
class OwedView : public QWidget
{
    Q_OBJECT

public:
    explicit OwedView(QWidget *parent = nullptr);

    void showReport(const OwedReport &report);

    QTableView *owedTable() const { return m_owed; }
    QTableView *peopleTable() const { return m_people; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    OwedReport m_report; // what the tables show
    TextRowsModel *m_owedRows = nullptr;
    QTableView *m_owed = nullptr;
    QLabel *m_peopleLabel = nullptr;
    TextRowsModel *m_peopleRows = nullptr;
    QTableView *m_people = nullptr;
};

} // namespace qm
