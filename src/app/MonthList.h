#pragma once

#include <QComboBox>

namespace qm {

// The month selector tells when its list closes: only then does a new month take
// effect. Qt hides the list before it sets the chosen entry, so the close is told
// once the choice stands: at once when an entry was chosen, otherwise as soon as
// control returns to the event loop.
class MonthList : public QComboBox
{
    Q_OBJECT
public:
    explicit MonthList(QWidget *parent = nullptr);
    void hidePopup() override;
signals:
    void closedUp();

private:
    void tellClosed();

    bool m_closePending = false;
};

} // namespace qm
