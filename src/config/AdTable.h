#pragma once

#include <QTableView>

class QScrollBar;

namespace qm {

// The table of the ad list: one row per ad, the name and the four publication
// checkmarks in its columns, and beside it its own scroll bar, which moves it a
// whole ad at a time. It shows only the rows that fit whole, and neither edits
// nor selects by itself: a press on a cell, a turn of the wheel and the keys
// are the ad list's to handle, which keeps an AdDelegate editor open on the
// cursor's cell. Ads and fields count from 1, as the ad list counts them.
class AdTable : public QTableView
{
    Q_OBJECT
public:
    AdTable(QAbstractItemModel *ads, QWidget *parent);

    // Whole rows the table shows at once.
    int wholeRowsPerPage() const;
    // The ad shown in the first row; 1 when there is none.
    int topAd() const;
    void setTopAd(int ad);
    // Brings the rows and the scroll bar up to the ads there are now.
    void relayout();

signals:
    // A left or right button went down on the cell of an ad.
    void cellPressed(const QModelIndex &index, Qt::MouseButton button);
    // The wheel turned over the table, in eighths of a degree (up is positive).
    void wheelTurned(int angleDelta);

protected:
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void keepTopRowWhole();
};

} // namespace qm
