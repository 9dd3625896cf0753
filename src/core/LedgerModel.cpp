#include "core/LedgerModel.h"

#include "core/LedgerColumns.h"

#include <QCoreApplication>

#include <algorithm>

namespace qm {

namespace {

const QStringList &publicationNames()
{
    static const QStringList names = {"Corvel", "Tarn", "Fennet", "Wyndle"};
    return names;
}

// The selector's labels, 13 characters each.
const char *const kPublicationLabels[kPublicationCount] = {
    QT_TRANSLATE_NOOP("LedgerModel", "  Corvel     "), QT_TRANSLATE_NOOP("LedgerModel", "  Tarn Mag   "),
    QT_TRANSLATE_NOOP("LedgerModel", "  Fennet Mag "), QT_TRANSLATE_NOOP("LedgerModel", "  Wyndle     ")};

const QStringList &monthNames()
{
    static const QStringList names = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
    return names;
}

// The month names of the data files and exports above, as the user reads them.
const char *const kMonthTitles[kMonthCount] = {
    QT_TRANSLATE_NOOP("LedgerModel", "January"),   QT_TRANSLATE_NOOP("LedgerModel", "February"),
    QT_TRANSLATE_NOOP("LedgerModel", "March"),     QT_TRANSLATE_NOOP("LedgerModel", "April"),
    QT_TRANSLATE_NOOP("LedgerModel", "May"),       QT_TRANSLATE_NOOP("LedgerModel", "June"),
    QT_TRANSLATE_NOOP("LedgerModel", "July"),      QT_TRANSLATE_NOOP("LedgerModel", "August"),
    QT_TRANSLATE_NOOP("LedgerModel", "September"), QT_TRANSLATE_NOOP("LedgerModel", "October"),
    QT_TRANSLATE_NOOP("LedgerModel", "November"),  QT_TRANSLATE_NOOP("LedgerModel", "December")};

const QStringList &sizeNames()
{
    static const QStringList names = {"Full", "Half", "Quarter", "third", "sixth", "eigth", "ninth"};
    return names;
}

template <int N> QString translated(const char *const (&texts)[N], int index)
{
    return index >= 1 && index <= N ? QCoreApplication::translate("LedgerModel", texts[index - 1]) : QString();
}

QString entry(const QStringList &list, int index)
{
    return index >= 1 && index <= list.size() ? list.at(index - 1) : QString();
}

} // namespace

QString publicationName(int publication) { return entry(publicationNames(), publication); }
QString publicationLabel(int publication) { return translated(kPublicationLabels, publication); }
QString monthName(int month) { return entry(monthNames(), month); }
QString sizeName(int size) { return entry(sizeNames(), size); }
int sizeIndex(const QString &name) { return int(sizeNames().indexOf(name)) + 1; }
QString monthTitle(int month) { return translated(kMonthTitles, month); }
QString columnHeader(int column)
{
    return column >= 1 && column <= kColumnCount ? QCoreApplication::translate("LedgerModel", ledgerColumn(column).heading)
                                                 : QString();
}

const QStringList &pickupCodes()
{
    static const QStringList codes = {"Cor", "Fen", "Wynd", "Tarn"};
    return codes;
}

int issueIndex(int publication, int month) { return publication == 1 ? month : publication + 11; }

int issuePublication(int issue) { return issue <= kMonthCount ? 1 : issue - 11; }

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

void LedgerModel::setCell(int issue, int column, int ad, const QString &text)
{
    cells.at(issue, column, ad) = text;
    ledgerChanged = true;
}

void LedgerModel::restoreCell(int issue, int column, int ad, const QString &text, bool ledgerChangedBefore)
{
    cells.at(issue, column, ad) = text;
    ledgerChanged = ledgerChangedBefore;
}

void LedgerModel::clearAdCells(int issue, int ad)
{
    for (int column = ColSalesPerson; column <= kColumnCount; ++column)
        cells.at(issue, column, ad).clear();
    ledgerChanged = true;
}

void LedgerModel::clearLedger()
{
    cells.resize(adCount());
    cells.clear();
    ledgerChanged = true;
}

// Configuration

int LedgerModel::addAd()
{
    ads.append(AdRecord());
    resizeLedger(adCount());
    settingsChanged = true;
    ledgerChanged = true;
    return adCount();
}

void LedgerModel::renameAd(int ad, const QString &name)
{
    if (ad < 1 || ad > adCount())
        return;
    ads[ad - 1].name = name;
    settingsChanged = true;
}

void LedgerModel::setPublicationCheck(int ad, int publication, bool checked)
{
    if (ad < 1 || ad > adCount() || publication < 1 || publication > kPublicationCount)
        return;
    ads[ad - 1].check(publication) = checked ? QString(QChar(CHECKMARK)) : QString();
    settingsChanged = true;
}

void LedgerModel::deleteAd(int ad)
{
    if (ad < 1 || ad > adCount())
        return;
    ads.removeAt(ad - 1);
    if (ad <= cells.adCount())
        cells.removeAd(ad);
    resizeLedger(adCount());
    settingsChanged = true;
    ledgerChanged = true;
}

namespace {

// The advance ledgers that belong to a list of `people` sales people, plus the
// free one after them, where there is one.
int advanceSlotsInUse(const std::array<AdvanceLedger, 2> &advances, qsizetype people)
{
    return int(std::min<qsizetype>(people + 1, qsizetype(advances.size())));
}

} // namespace

bool LedgerModel::insertSalesPerson(int position, const QString &name)
{
    if (salesPeople.size() >= kMaxSalesPeople)
        return false;
    position = std::clamp(position, 1, int(salesPeople.size()) + 1);
    const int inUse = advanceSlotsInUse(advances, salesPeople.size());
    salesPeople.insert(position - 1, SalesPerson{name, QString()});
    settingsChanged = true;
    if (position <= inUse) {
        const auto before = advances;
        std::rotate(advances.begin() + (position - 1), advances.begin() + (inUse - 1), advances.begin() + inUse);
        if (advances != before)
            ledgerChanged = true;
    }
    return true;
}

bool LedgerModel::deleteSalesPerson(int position)
{
    if (position < 1 || position > salesPeople.size())
        return false;
    const int inUse = advanceSlotsInUse(advances, salesPeople.size() - 1);
    if (position <= int(advances.size()) && !advances[std::size_t(position - 1)].isEmpty())
        return false;
    salesPeople.removeAt(position - 1);
    settingsChanged = true;
    if (position <= inUse) {
        const auto before = advances;
        std::rotate(advances.begin() + (position - 1), advances.begin() + position, advances.begin() + inUse);
        if (advances != before)
            ledgerChanged = true;
    }
    return true;
}

void LedgerModel::reorderSalesPeople(const QList<int> &order)
{
    const QList<SalesPerson> people = salesPeople;
    const auto ledgers = advances;
    QList<SalesPerson> reordered;
    for (int k = 0; k < order.size(); ++k) {
        const int from = order.at(k);
        if (from < 1 || from > people.size())
            continue;
        reordered << people.at(from - 1);
        const std::size_t to = std::size_t(reordered.size() - 1);
        if (to < advances.size() && std::size_t(from - 1) < advances.size())
            advances[to] = ledgers[std::size_t(from - 1)];
    }
    salesPeople = reordered;
    settingsChanged = true;
    if (advances != ledgers)
        ledgerChanged = true;
}

void LedgerModel::setSalesPercent(int person, const QString &percent)
{
    if (person < 1 || person > salesPeople.size())
        return;
    salesPeople[person - 1].percent = percent;
    settingsChanged = true;
}

void LedgerModel::storePrice(int entry, PriceKind kind, const QString &text)
{
    if (entry < 1 || entry > kPriceEntryCount)
        return;
    (kind == PriceKind::Colour ? prices.colourPrice(entry) : prices.bwPrice(entry)) = text;
    settingsChanged = true;
}

void LedgerModel::setAdvanceLedger(int slot, const AdvanceLedger &entries)
{
    AdvanceLedger &ledger = advances.at(std::size_t(slot - 1));
    if (ledger == entries)
        return;
    ledger = entries;
    ledgerChanged = true;
}

void LedgerModel::startYear(int year)
{
    clearLedger();
    ledgerYear = year;
    ledgerChanged = true;
}

} // namespace qm
