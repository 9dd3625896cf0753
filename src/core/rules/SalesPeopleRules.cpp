#include "core/rules/SalesPeopleRules.h"

#include "core/rules/ConfigHints.h"
#include "core/LedgerModel.h"

#include <algorithm>
#include <numeric>

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SalesPeopleRules)
};

} // namespace

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
    if (!model.insertSalesPerson(position, name))
        return {AddSalesResult::LimitReached, 0};
    return {AddSalesResult::Added, position};
}

bool salesPersonHasAdvances(const LedgerModel &model, int position)
{
    return position >= 1 && position <= int(model.advances.size()) &&
           !model.advances[std::size_t(position - 1)].isEmpty();
}

bool removeSalesPerson(LedgerModel &model, int position) { return model.deleteSalesPerson(position); }

bool bringSalesPeopleIntoOrder(LedgerModel &model)
{
    const int listed = int(listedSalesPeople(model).size());
    QList<int> order(listed);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&model](int a, int b) {
        return model.salesPeople.at(a - 1).name.compare(model.salesPeople.at(b - 1).name, Qt::CaseInsensitive) < 0;
    });
    if (listed == model.salesPeople.size() && std::is_sorted(order.begin(), order.end()))
        return false;
    model.reorderSalesPeople(order);
    return true;
}

QString salesLimitMessage() { return Text::tr("Number of sales people is limited to 2"); }

QString salesLimitCaption() { return Text::tr("QuillmoorAds - ver %1").arg(kVersion); }

QString ownerNameMessage()
{
    //: "Owner" is the name the ledger keeps the owner's own sales under: it stays as it is.
    return Text::tr("Cannot add\r\n\r\nOwner is the name under which the owner's own sales are kept\r\n\r\n"
                    "... please give the sales person another name");
}

QString salesPersonInUseMessage()
{
    return cannotDeleteMessage(Text::tr("Ad data has already been assigned to this person"));
}

QString salesPersonHasAdvancesMessage()
{
    return Text::tr("Cannot delete\r\n\r\nAdvances have been entered for this person\r\n\r\n"
                    "... delete them under [Advances] first");
}

QString deleteSalesPersonQuestion() { return Text::tr("Delete this sales person?"); }

} // namespace qm
