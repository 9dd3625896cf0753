#pragma once

#include <QTabBar>

namespace qm {

// The tabs of the four publications, each of one fixed size, known without
// measuring the labels: making the tabs looks up no font.
class PublicationTabs : public QTabBar
{
    Q_OBJECT

public:
    explicit PublicationTabs(QWidget *parent = nullptr);

    static constexpr QSize kTabSize{110, 23};

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
};

} // namespace qm
