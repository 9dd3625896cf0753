#include "BenchTable.h"

#include <QTextStream>

namespace qm::bench {

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

} // namespace

QString ms(double value) { return QString::number(value, 'f', value < 10 ? 2 : 1) + QStringLiteral(" ms"); }

void BenchTable::line(const QString &work, const QString &figure, const QString &floor, double ratio,
                      const QString &verdict)
{
    out() << work.leftJustified(56) << figure.rightJustified(10) << "  floor " << floor.rightJustified(10)
          << "  ratio " << QString::number(ratio, 'f', 2).rightJustified(6) << "x  " << verdict << Qt::endl;
}

void BenchTable::target(const QString &work, const QString &figure, const QString &floor, double ratio, double limit)
{
    const bool pass = ratio <= limit;
    m_allPassed = m_allPassed && pass;
    line(work, figure, floor, ratio, QStringLiteral("target <= %1x  %2").arg(limit).arg(pass ? "PASS" : "FAIL"));
}

void BenchTable::info(const QString &work, const QString &figure, const QString &floor, double ratio)
{
    line(work, figure, floor, ratio, QStringLiteral("(information)"));
}

void BenchTable::note(const QString &text) { out() << text << Qt::endl; }

void BenchTable::fail(const QString &why)
{
    m_allPassed = false;
    out() << "FAIL: " << why << Qt::endl;
}

} // namespace qm::bench
