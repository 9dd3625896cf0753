#pragma once

#include <QString>

namespace qm::bench {

// Milliseconds as the table prints them.
QString ms(double value);

// The rows the benchmark prints: each figure beside its floor, measured in the
// same run, with the ratio. A target row passes when the ratio is at most its
// target; an information row only shows its figures.
class BenchTable
{
public:
    void target(const QString &work, const QString &figure, const QString &floor, double ratio, double limit);
    void info(const QString &work, const QString &figure, const QString &floor, double ratio);
    // A line of its own (growth, a failed check of the bytes).
    void note(const QString &text);
    void fail(const QString &why);
    bool allPassed() const { return m_allPassed; }

private:
    void line(const QString &work, const QString &figure, const QString &floor, double ratio, const QString &verdict);
    bool m_allPassed = true;
};

} // namespace qm::bench
