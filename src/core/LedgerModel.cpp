#include "core/LedgerModel.h"

#include <algorithm>

namespace qm {

namespace {

const QStringList &publicationNames()
{
    static const QStringList names = {"Corvel", "Tarn", "Fennet", "Wyndle"};
    return names;
}

const QStringList &publicationLabels()
{
    static const QStringList labels = {"  Corvel     ", "  Tarn Mag   ", "  Fennet Mag ", "  Wyndle     "};
    return labels;
}

const QStringList &monthNames()
{
    static const QStringList names = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
    return names;
}

const QStringList &sizeNames()
{
    static const QStringList names = {"Full", "Half", "Quarter", "third", "sixth", "eigth", "ninth"};
    return names;
}

const QStringList &columnHeaders()
{
    static const QStringList headers = {"Ads",    "Sales person", "Number", "Size",    "Color",
                                        "Sale    ", "Paid    ",   "Status", "Comm   ", "CommPd "};
    return headers;
}

QString entry(const QStringList &list, int index)
{
    return index >= 1 && index <= list.size() ? list.at(index - 1) : QString();
}

} // namespace

QString publicationName(int publication) { return entry(publicationNames(), publication); }
QString publicationLabel(int publication) { return entry(publicationLabels(), publication); }
QString monthName(int month) { return entry(monthNames(), month); }
QString sizeName(int size) { return entry(sizeNames(), size); }
int sizeIndex(const QString &name) { return int(sizeNames().indexOf(name)) + 1; }
QString columnHeader(int column) { return entry(columnHeaders(), column); }

const QStringList &pickupCodes()
{
    static const QStringList codes = {"Cor", "Fen", "Wynd", "Tarn"};
    return codes;
}

int issueIndex(int publication, int month) { return publication == 1 ? month : publication + 11; }

int priceEntry(int publication, int size) { return (publication - 1) * kSizeCount + size; }

LedgerModel::LedgerModel() : m_statusValues({"TK", "P/U", "Vell", "Proof", "Ok"}) {}

QStringList LedgerModel::salesChoices() const
{
    QStringList choices;
    for (const SalesPerson &person : salesPeople)
        choices << person.name;
    choices << QStringLiteral("Owner");
    return choices;
}

QString LedgerModel::commissionPercent(const QString &salesName) const
{
    for (const SalesPerson &person : salesPeople) {
        if (person.name == salesName)
            return person.percent;
    }
    return QString();
}

void LedgerModel::clearLedger()
{
    cells.resize(adCount());
    cells.clear();
}

} // namespace qm
