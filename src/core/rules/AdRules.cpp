#include "core/rules/AdRules.h"

#include "core/rules/ConfigHints.h"
#include "core/LedgerModel.h"

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(AdRules)
};

} // namespace

QString adFieldText(const AdRecord &ad, int field)
{
    if (field == 1)
        return ad.name;
    if (field >= 2 && field <= kPublicationCount + 1)
        return ad.check(field - 1);
    return QString();
}

void setAdField(LedgerModel &model, int ad, int field, const QString &text)
{
    if (field == 1)
        model.renameAd(ad, text);
    else if (field >= 2 && field <= kPublicationCount + 1)
        model.setPublicationCheck(ad, field - 1, !text.isEmpty());
}

QString toggledCheckmark(const QString &shown)
{
    return shown == QString(QChar(CHECKMARK)) ? QString() : QString(QChar(CHECKMARK));
}

bool adHasLedgerData(const LedgerModel &model, int ad)
{
    if (ad < 1 || ad > model.cells.adCount())
        return false;
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        for (int column = ColSalesPerson; column <= ColStatus; ++column) {
            if (!model.cell(issue, column, ad).isEmpty())
                return true;
        }
    }
    return false;
}

bool adMayBeDeleted(const LedgerModel &model, int ad, int adsAtOpen)
{
    return ad > adsAtOpen || !adHasLedgerData(model, ad);
}

QString adInUseMessage()
{
    return cannotDeleteMessage(Text::tr("This ad contains data already input by the user"));
}

QString deleteAdQuestion() { return Text::tr("Delete this Ad now?"); }

} // namespace qm
