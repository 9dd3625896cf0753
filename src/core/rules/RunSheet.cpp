#include "core/rules/RunSheet.h"

#include "core/files/NumberFormat.h"

#include <QCoreApplication>

namespace qm {

QString runSheetIssueName(int publication, int month)
{
    if (publication == 1 && month >= 1 && month <= kMonthCount)
        return monthTitle(month);
    return publicationName(publication);
}

RunSheet runSheetFor(const LedgerModel &model, int publication, int month, const QDate &today)
{
    RunSheet sheet;
    sheet.title = QString(8, u' ') +
                  QCoreApplication::translate("RunSheet", "Quillmoor Run Sheet for %1 Magazine - %2")
                      .arg(runSheetIssueName(publication, month), today.toString(QStringLiteral("yyyy")));
    if (publication < 1 || publication > kPublicationCount)
        return sheet;
    const int issue = issueIndex(publication, qBound(1, month, kMonthCount));
    for (int ad = 1; ad <= model.adCount() && ad <= model.cells.adCount(); ++ad) {
        if (!model.ads.at(ad - 1).runsIn(publication))
            continue;
        if (leadingNumber(model.cell(issue, ColNumber, ad)) == 0)
            continue;
        sheet.lines.append({model.ads.at(ad - 1).name, model.cell(issue, ColStatus, ad)});
    }
    return sheet;
}

} // namespace qm
