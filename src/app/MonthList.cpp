#include "app/MonthList.h"

#include <QAbstractItemView>

namespace qm {

void MonthList::hidePopup()
{
    // Only a list that was open closes up; Qt also hides the popup while the
    // window is being destroyed.
    const bool wasOpen = view()->isVisible();
    QComboBox::hidePopup();
    if (wasOpen)
        emit closedUp();
}

} // namespace qm
