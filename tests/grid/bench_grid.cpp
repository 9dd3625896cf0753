// Measures the grid's month switch and scrolling with few and with many ads:
// the work must follow the rows on screen, not the ads in the ledger.
#include "grid/GridNavigation.h"
#include "grid/LedgerGrid.h"
#include "core/LedgerModel.h"
#include "app/MainWindow.h"
#include "app/MonthList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTextStream>

using namespace qm;

namespace {

struct Timing
{
    double monthSwitchUs = 0;
    double scrollUs = 0;
};

Timing measure(int ads)
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
    MainWindow window(model, StartupPaths{"none.ini", "none.qmr", QString()});
    window.start();
    window.show();
    LedgerGrid *grid = window.grid();
    const int rounds = 200;
    Timing t;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        window.monthList()->setCurrentIndex(i % 12);
        window.monthListClosed();
    }
    t.monthSwitchUs = timer.nsecsElapsed() / 1000.0 / rounds;
    timer.restart();
    for (int i = 0; i < rounds; ++i)
        grid->scrollGrid(i % 2 ? LineUp : PageDown);
    t.scrollUs = timer.nsecsElapsed() / 1000.0 / rounds;
    return t;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    measure(20); // warm up
    const Timing few = measure(20);
    const Timing many = measure(10000);
    out << QString("month switch: 20 ads %1 us, 10000 ads %2 us, ratio %3\n")
               .arg(few.monthSwitchUs, 0, 'f', 1)
               .arg(many.monthSwitchUs, 0, 'f', 1)
               .arg(many.monthSwitchUs / few.monthSwitchUs, 0, 'f', 2);
    out << QString("scroll:       20 ads %1 us, 10000 ads %2 us, ratio %3\n")
               .arg(few.scrollUs, 0, 'f', 1)
               .arg(many.scrollUs, 0, 'f', 1)
               .arg(many.scrollUs / few.scrollUs, 0, 'f', 2);
    return 0;
}
