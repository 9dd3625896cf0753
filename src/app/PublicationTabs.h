#pragma once

#include <QTabBar>

namespace qm {

// The tabs of the four publications, each of one fixed size. The size is
// known without measuring the labels, so that no font is looked up before the
// window is first painted.
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
