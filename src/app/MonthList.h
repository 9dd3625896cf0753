#pragma once

#include <QComboBox>

namespace qm {

// The month selector tells when its list closes: only then does a new month take effect.
class MonthList : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void hidePopup() override;
signals:
    void closedUp();
};

} // namespace qm
