// The year-to-date window's views: each must open about as fast as the
// "Total Sales" view, whatever the number of its lines.
#include "ViewTiming.h"
#include "LedgerGenerator.h"
#include "Measure.h"

#include "core/LedgerModel.h"
#include "core/year/LastYear.h"
#include "reports/YearToDateWindow.h"

namespace qm::bench {

ViewTiming measureViews(int ads)
{
    const LedgerModel model = generateLedger(ads);
    // Last year as the archive gives it: the chart draws its line too.
    LastYearSales lastYear;
    lastYear.state = LastYearSales::State::Found;
    lastYear.year = 2025;
    lastYear.throughMonth = 12;
    for (int issue = 1; issue <= kIssueCount; ++issue)
        lastYear.issues << 1000.0 * issue;
    lastYear.publications = {12000, 13000, 14000, 15000};

    YearToDateWindow window(model, nullptr, lastYear);
    window.show();
    window.repaint();
    auto opened = [&window](void (YearToDateWindow::*fill)()) {
        return [&window, fill] {
            (window.*fill)();
            window.repaint();
        };
    };
    // Between two timings of a view another view is shown, as a user switches.
    auto away = [&window] { window.fillCommissionView(); };
    auto awayToSales = [&window] { window.fillSalesView(); };
    const QList<double> times = medianInTurnsMs(7, {
        {opened(&YearToDateWindow::fillSalesView), away},
        {opened(&YearToDateWindow::fillCommissionView), awayToSales},
        {opened(&YearToDateWindow::fillOwedView), away},
        {opened(&YearToDateWindow::fillChartView), away},
    });
    return {times.at(0), times.at(1), times.at(2), times.at(3)};
}

} // namespace qm::bench
