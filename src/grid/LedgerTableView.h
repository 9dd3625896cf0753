#pragma once

#include "grid/GridNavigation.h"

#include <QElapsedTimer>
#include <QTableView>

namespace qm {

// The ledger grid's table: fixed column widths and row height, the headings in
// one row of fixed height, a sunken frame round them and the rows, and its own
// scroll bar beside the frame. The scroll bar counts whole rows; its range and
// page are the grid's (see scrollRange), not the ones the view would choose;
// it counts pixels, a row's height a step.
class LedgerTableView : public QTableView
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 23;
    static constexpr int kHeaderHeight = 24;
    static constexpr int kScrollBarWidth = 20;

    explicit LedgerTableView(QWidget *parent);

    // Sets the model and the columns' fixed widths.
    void setLedgerModel(QAbstractItemModel *model);
    // The number of whole lines the rows' area shows, from the view's fixed size.
    int lineCount() const;
    // The grid's range (top rows from 1) and the shown top row.
    void setScrollRange(const ScrollRange &range, int topRow);
    void setTopRow(int topRow);
    // The top row (from 1) that a position of the scroll bar stands for.
    static int topRowAt(int position);

    // Typing on the view finds a cell of the current column that begins with
    // the text typed, on the shown lines only (from the current one, round).
    void keyboardSearch(const QString &search) override;

protected:
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyScrollRange();

    ScrollRange m_range;
    QElapsedTimer m_searchTime;
    QString m_search;
};

} // namespace qm
