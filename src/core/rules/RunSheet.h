#pragma once

#include "core/LedgerModel.h"

#include <QDate>
#include <QList>
#include <QString>

namespace qm {

struct RunSheetLine
{
    QString adName;
    QString status;

    bool operator==(const RunSheetLine &) const = default;
};

// What the run sheet of one issue prints: its title and one line per ad of the
// issue with a number of insertions, in grid order.
struct RunSheet
{
    QString title;
    QList<RunSheetLine> lines;
};

// The month's name (as the user reads it) for a month of Corvel, else the publication's name.
QString runSheetIssueName(int publication, int month);
// The run sheet of the issue of a publication and month, titled with today's year.
RunSheet runSheetFor(const LedgerModel &model, int publication, int month, const QDate &today);

} // namespace qm
