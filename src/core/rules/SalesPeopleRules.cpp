#include "core/rules/SalesPeopleRules.h"

#include "core/rules/ConfigHints.h"
#include "core/LedgerModel.h"

#include <algorithm>
#include <numeric>

namespace qm {

QStringList listedSalesPeople(const LedgerModel &model)
{
    QStringList names;
    for (const SalesPerson &person : model.salesPeople) {
        if (person.name.isEmpty())
            break;
        names << person.name;
    }
    return names;
}

int findSalesPerson(const QStringList &entries, const QString &text)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

int sortedSalesPosition(const QStringList &entries, const QString &name)
{
    int position = 1;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) > 0)
            break;
        ++position;
    }
    return position;
}

bool salesPersonInLedger(const LedgerModel &model, const QString &name)
{
    const int ads = std::min(model.adCount(), model.cells.adCount());
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        for (int ad = 1; ad <= ads; ++ad) {
            if (model.cell(issue, ColSalesPerson, ad) == name)
                return true;
        }
    }
    return false;
}

bool isOwnerName(const QString &name) { return name.compare(QStringLiteral("Owner"), Qt::CaseInsensitive) == 0; }

AddSalesOutcome addSalesPerson(LedgerModel &model, const QString &name)
{
    const QStringList names = listedSalesPeople(model);
    if (name.isEmpty() || findSalesPerson(names, name) != 0)
        return {};
    if (isOwnerName(name))
        return {AddSalesResult::ReservedName, 0};
    if (names.size() >= kMaxSalesPeople)
        return {AddSalesResult::LimitReached, 0};
    const int position = sortedSalesPosition(names, name);
    model.salesPeople.insert(position - 1, SalesPerson{name, QString()});
    model.settingsChanged = true;
    return {AddSalesResult::Added, position};
}

bool removeSalesPerson(LedgerModel &model, int position)
{
    if (position < 1 || position > model.salesPeople.size())
        return false;
    model.salesPeople.removeAt(position - 1);
    model.settingsChanged = true;
    return true;
}

bool bringSalesPeopleIntoOrder(LedgerModel &model)
{
    const int listed = int(listedSalesPeople(model).size());
    bool moved = false;
    if (listed < model.salesPeople.size()) {
        model.salesPeople.resize(listed);
        model.settingsChanged = true;
        moved = true;
    }

    QList<int> order(listed);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&model](int a, int b) {
        return model.salesPeople.at(a).name.compare(model.salesPeople.at(b).name, Qt::CaseInsensitive) < 0;
    });
    if (std::is_sorted(order.begin(), order.end()))
        return moved;

    const QList<SalesPerson> people = model.salesPeople;
    const auto advances = model.advances;
    const int slotCount = int(advances.size());
    for (int k = 0; k < listed; ++k) {
        const int from = order.at(k);
        model.salesPeople[k] = people.at(from);
        if (k < slotCount && from < slotCount)
            model.advances[std::size_t(k)] = advances[std::size_t(from)];
    }
    model.settingsChanged = true;
    if (model.advances != advances)
        model.ledgerChanged = true;
    return true;
}

QString salesLimitMessage() { return QStringLiteral("Number of sales people is limited to 2"); }

QString salesLimitCaption() { return QStringLiteral("QuillmoorAds - ver ") + kVersion; }

QString ownerNameMessage()
{
    return QStringLiteral("Cannot add\r\n\r\nOwner is the name under which the owner's own sales are kept\r\n\r\n"
                          "... please give the sales person another name");
}

QString salesPersonInUseMessage()
{
    return cannotDeleteMessage(QStringLiteral("Ad data has already been assigned to this person"));
}

QString deleteSalesPersonQuestion() { return QStringLiteral("Delete this sales person?"); }

} // namespace qm
