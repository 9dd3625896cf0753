// The grid's month switch and scrolling: the work must follow the rows on
// screen, not the ads in the ledger.
#include "GridTiming.h"
#include "Measure.h"

#include "app/MainWindow.h"
#include "app/MonthList.h"
#include "core/LedgerDocument.h"
#include "core/LedgerModel.h"
#include "grid/GridNavigation.h"
#include "grid/LedgerGrid.h"

namespace qm::bench {

GridTiming measureGrid(int ads)
{
    LedgerModel model;
    for (int i = 1; i <= ads; ++i) {
        AdRecord ad;
        ad.name = QString("Ad %1").arg(i);
        ad.check(1) = QString(QChar(CHECKMARK));
        model.ads << ad;
    }
    model.resizeLedger(ads);
    for (int i = 1; i <= ads; ++i)
        model.cell(1 + i % 12, ColNumber, i) = QString::number(i);
    LedgerDocument document;
    document.open(std::move(model), "none.ini", "none.qmr");
    MainWindow window(document, StartupPaths{"none.ini", "none.qmr", QString()});
    window.start(QStringList());
    window.show();
    LedgerGrid *grid = window.grid();
    const int rounds = 50;
    GridTiming t;
    int month = 0;
    t.monthSwitchUs = 1000 / double(rounds) * medianMs(5, [&] {
        for (int i = 0; i < rounds; ++i) {
            window.monthList()->setCurrentIndex(month++ % 12);
            window.monthListClosed();
        }
    });
    int step = 0;
    t.scrollUs = 1000 / double(rounds) * medianMs(5, [&] {
        for (int i = 0; i < rounds; ++i)
            grid->scrollGrid(step++ % 2 ? LineUp : PageDown);
    });
    return t;
}

} // namespace qm::bench
