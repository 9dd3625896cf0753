#pragma once

#include <QList>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace qm {

// Draws a list's lines with their tabs expanded to fixed stops (pixels from
// the start of the text), as a list box with tab stops does.
class TabStopDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    TabStopDelegate(const QList<int> &stops, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QList<QTextOption::Tab> m_tabs;
};

} // namespace qm
