#include "app/MonthList.h"

#include <QAbstractItemView>
#include <QTimer>

namespace qm {

MonthList::MonthList(QWidget *parent) : QComboBox(parent)
{
    // An entry chosen in the open list arrives right after the list was hidden.
    connect(this, &QComboBox::activated, this, [this] {
        if (m_closePending)
            tellClosed();
    });
}

void MonthList::hidePopup()
{
    // Only a list that was open closes up; Qt also hides the popup while the
    // window is being destroyed.
    const bool wasOpen = view()->isVisible();
    QComboBox::hidePopup();
    if (!wasOpen)
        return;
    m_closePending = true;
    // Closed without a choice (Esc, a click elsewhere): nothing more will come.
    QTimer::singleShot(0, this, [this] {
        if (m_closePending)
            tellClosed();
    });
}

void MonthList::tellClosed()
{
    m_closePending = false;
    emit closedUp();
}

} // namespace qm
