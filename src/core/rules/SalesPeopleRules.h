#pragma once

#include <QString>
#include <QStringList>

namespace qm {

class LedgerModel;

// The sales people the dialog's box lists: the names of the list up to the first
// empty one.
QStringList listedSalesPeople(const LedgerModel &model);

// Position (1-based) of the entry that equals `text` as a whole, letter case
// ignored; 0 when there is none.
int findSalesPerson(const QStringList &entries, const QString &text);
// Position (1-based) a new name takes in a list kept in alphabetical order with
// letter case ignored.
int sortedSalesPosition(const QStringList &entries, const QString &name);

// True when a "Sales person" cell of any issue names the person, letter case
// counting, as the grid compares names.
bool salesPersonInLedger(const LedgerModel &model, const QString &name);

// True for "Owner" in any letter case: the grid's pulldown always offers the
// owner under that name, and the reports count it as the owner's sales.
bool isOwnerName(const QString &name);

enum class AddSalesResult { Ignored, ReservedName, LimitReached, Added };
struct AddSalesOutcome
{
    AddSalesResult result = AddSalesResult::Ignored;
    int position = 0; // of the added person, when added
};
// Adds a person with an empty percentage in sorted position. An empty name or
// one already listed (letter case ignored) is ignored; "Owner" and a third
// person are refused.
AddSalesOutcome addSalesPerson(LedgerModel &model, const QString &name);
// True when the advance ledger of sales person `position` (1-based) has entries.
bool salesPersonHasAdvances(const LedgerModel &model, int position);
// Removes sales person `position` (1-based); the later ones move up with their
// advance ledgers. A person with advances is not removed (false).
bool removeSalesPerson(LedgerModel &model, int position);

// Brings the sales people into the order of the dialog's sorted box, so that
// entry k of the box is sales person k: drops the people after the first empty
// name, which the box cannot list, and sorts the rest. Percentages travel with
// their person, and so do the advance ledgers, whose slot k belongs to sales
// person k; the ledger's "Sales person" cells hold names and need no change.
// Sets settingsChanged (and ledgerChanged when advances moved) only when
// something moved; returns whether anything did.
bool bringSalesPeopleIntoOrder(LedgerModel &model);

QString salesLimitMessage();
QString salesLimitCaption();
QString ownerNameMessage();
QString salesPersonInUseMessage();
QString salesPersonHasAdvancesMessage();
QString deleteSalesPersonQuestion();

} // namespace qm
