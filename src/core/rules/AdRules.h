#pragma once

#include <QString>

namespace qm {

class LedgerModel;
struct AdRecord;

// Text of an ad list cell: field 1 is the name, fields 2..5 the checkmarks of
// publications 1..4 (CHECKMARK or empty).
QString adFieldText(const AdRecord &ad, int field);
// Gives field `field` of ad `ad` the text of its cell, through the model.
void setAdField(LedgerModel &model, int ad, int field, const QString &text);
// A checkmark cell after Space: set when it was anything but set, else empty.
QString toggledCheckmark(const QString &shown);

// True when any issue holds something the user typed for the ad in the columns
// "Sales person" through "Status"; the computed or paid commission alone does
// not count, it goes with the ad.
bool adHasLedgerData(const LedgerModel &model, int ad);
// Ads added since the dialog opened have no ledger data to lose.
bool adMayBeDeleted(const LedgerModel &model, int ad, int adsAtOpen);

QString adInUseMessage();
QString deleteAdQuestion();

} // namespace qm
