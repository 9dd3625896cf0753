#include "core/rules/SaleComputation.h"

#include "core/files/NumberFormat.h"

namespace qm {

namespace {
QString &at(RowTexts &row, int column) { return row[std::size_t(column - 1)]; }
} // namespace

SaleResult computeSale(const SaleInput &input, const PriceTable &prices)
{
    SaleResult result;
    result.row = input.row;
    RowTexts &row = result.row;
    const int c = input.committedColumn;

    // Choosing a size switches the row to colour; the user can switch it off again.
    if (c == ColSize && input.sizePicked)
        at(row, ColColor) = QStringLiteral("c");

    const double number = leadingNumber(at(row, ColNumber));
    const int size = sizeIndex(at(row, ColSize));
    if (number == 0 || size == 0)
        return result;
    result.computed = true;

    const int entry = priceEntry(input.publication, size);
    const QString &priceText =
        at(row, ColColor).isEmpty() ? prices.bwPrice(entry) : prices.colourPrice(entry);
    const double unitPrice = leadingNumber(priceText);

    QString sale = at(row, ColSale);
    QString commission = at(row, ColComm);
    if (c == ColComm)
        commission = formatMoney(leadingNumber(commission));
    else if (c == ColSale)
        sale = formatMoney(leadingNumber(sale));
    else if (c == ColNumber || c == ColSize || c == ColColor)
        sale = formatMoney(unitPrice * number);

    if (!input.commissionPercent.isEmpty() && c <= ColSale)
        commission = formatMoney(leadingNumber(input.commissionPercent) * leadingNumber(sale) / 100);

    const double old = leadingNumber(input.oldCellText);
    if ((c == ColSale && leadingNumber(sale) != old) || (c == ColComm && leadingNumber(commission) != old))
        result.askOverride = true;

    at(row, ColSale) = sale;
    at(row, ColComm) = commission;
    return result;
}

} // namespace qm
