#include "app/PublicationTabs.h"

namespace qm {

PublicationTabs::PublicationTabs(QWidget *parent) : QTabBar(parent)
{
    setObjectName(QStringLiteral("PublicationTabs"));
    setFocusPolicy(Qt::NoFocus);
    setExpanding(false);
    setDrawBase(true);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

QSize PublicationTabs::tabSizeHint(int) const { return kTabSize; }

QSize PublicationTabs::minimumTabSizeHint(int) const { return kTabSize; }

} // namespace qm
