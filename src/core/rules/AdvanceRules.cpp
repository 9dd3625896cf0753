#include "core/rules/AdvanceRules.h"

#include "core/files/NumberFormat.h"
#include "core/rules/DateRules.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(AdvanceRules)
};

constexpr int kAmountField = 8;

} // namespace

QList<double> advanceBalances(const AdvanceLedger &entries)
{
    QList<double> balances;
    balances.reserve(entries.size());
    double balance = 0;
    for (const AdvanceEntry &entry : entries) {
        balance += entry.advanced - entry.paid;
        balances << balance;
    }
    return balances;
}

QString advanceField(double amount, bool showZero)
{
    const QString text = (amount == 0 && !showZero) ? QString() : formatMoney(amount);
    return text.left(kAmountField).rightJustified(kAmountField, u' ');
}

QStringList advanceListLines(const AdvanceLedger &entries)
{
    const QList<double> balances = advanceBalances(entries);
    QStringList lines;
    lines.reserve(entries.size());
    for (qsizetype i = entries.size() - 1; i >= 0; --i) {
        const AdvanceEntry &entry = entries.at(i);
        lines << entry.date + u'\t' + advanceField(entry.advanced, false) + u'\t' + advanceField(entry.paid, false) +
                     u'\t' + advanceField(balances.at(i), true);
    }
    return lines;
}

int insertAdvanceEntry(AdvanceLedger &entries, const AdvanceEntry &entry, int key)
{
    int position = 0;
    for (int i = 0; i < entries.size(); ++i) {
        if (dateKeyOf(entries.at(i).date) <= key)
            position = i + 1;
    }
    entries.insert(position, entry);
    return position;
}

bool readAdvanceAmount(const QString &text, double *amount)
{
    // What the leading-number rule reads, but nothing before or after it.
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        *amount = 0;
        return true;
    }
    if (!number.match(trimmed).hasMatch())
        return false;
    const double value = leadingNumber(trimmed);
    if (!std::isfinite(value))
        return false;
    *amount = value;
    return true;
}

AdvanceSubmitResult submitAdvanceEntry(AdvanceLedger &entries, const QString &date, const QString &advanced,
                                       const QString &paid, int editIndex)
{
    AdvanceSubmitResult result;
    const QString advancedText = advanced.trimmed();
    const QString paidText = paid.trimmed();
    if (date.isEmpty() && advancedText.isEmpty() && paidText.isEmpty())
        return result;

    AdvanceEntry entry;
    entry.date = date;
    const int key = dateKey(entry.date);
    if (key == 0) {
        result.outcome = AdvanceSubmit::DateError;
        return result;
    }
    if (advancedText.isEmpty() && paidText.isEmpty()) {
        result.outcome = AdvanceSubmit::NoAmount;
        return result;
    }
    if (!readAdvanceAmount(advancedText, &entry.advanced) || !readAdvanceAmount(paidText, &entry.paid)) {
        result.outcome = AdvanceSubmit::AmountError;
        return result;
    }

    result.outcome = AdvanceSubmit::Stored;
    if (editIndex >= 0 && editIndex < entries.size()) {
        // An entry whose date stays the same keeps its place among the entries
        // of that date; one with a new date goes after those of its new date.
        if (dateKeyOf(entries.at(editIndex).date) == key) {
            entries[editIndex] = entry;
            result.index = editIndex;
            return result;
        }
        entries.removeAt(editIndex);
    }
    result.index = insertAdvanceEntry(entries, entry, key);
    return result;
}

bool deleteAdvanceLine(AdvanceLedger &entries, int line)
{
    const int count = int(entries.size());
    if (line < 1 || line > count)
        return false;
    entries.removeAt(entryOfLine(line, count));
    return true;
}

bool clearAdvanceLines(AdvanceLedger &entries, int line)
{
    const int count = int(entries.size());
    if (line < 1 || line > count)
        return false;
    entries.remove(0, entryOfLine(line, count) + 1);
    return true;
}

QString advanceDateError()
{
    return Text::tr("Date error... correct and continue\nType the date as MM/DD/YYYY, for example 03/15/2026.");
}
QString advanceAmountMissing() { return Text::tr("Must enter an advance or paid amount"); }
QString advanceAmountError() { return Text::tr("Amount error... correct and continue"); }
QString advanceErrorCaption() { return Text::tr("ERROR"); }
QString deleteAdvanceQuestion() { return Text::tr("Delete this entry?"); }
QString clearAdvancesQuestion() { return Text::tr("Delete this and all earlier entries?"); }
QString deleteAdvanceCaption(int line) { return Text::tr("Entry %1").arg(line); }
QString clearAdvancesCaption(int line, int count) { return Text::tr("Entry %1 to %2").arg(line).arg(count); }

} // namespace qm
