#pragma once

#include "core/rules/OwedReport.h"

#include <QWidget>

class QLabel;
class QTableWidget;

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

    QTableWidget *owedTable() const { return m_owed; }
    QTableWidget *peopleTable() const { return m_people; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QTableWidget *m_owed = nullptr;
    QLabel *m_peopleLabel = nullptr;
    QTableWidget *m_people = nullptr;
};

} // namespace qm
