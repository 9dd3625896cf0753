#pragma once

#include <QObject>

class QAbstractItemView;
class QHeaderView;
class QHelpEvent;

namespace qm {

// Shows the whole text of an entry of an item view, or of a heading of its
// header, as its tooltip when the entry's box is too narrow for it (the view
// cuts such a text with "…"). An entry with a tooltip of its own keeps it.
// Lives as the view's child; made through showCutTextsInToolTips (TextFit.h).
class CutTextToolTips : public QObject
{
    Q_OBJECT

public:
    explicit CutTextToolTips(QAbstractItemView *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool showEntryTip(QHelpEvent *event);
    bool showHeadingTip(QHeaderView *header, QHelpEvent *event);

    QAbstractItemView *m_view;
    QHeaderView *m_headers[2] = {nullptr, nullptr};
};

} // namespace qm
