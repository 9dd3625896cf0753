#include "core/rules/PriceRules.h"

#include "core/LedgerModel.h"

namespace qm {

int chosenPriceEntry(int publication, int size)
{
    if (publication < 1 || publication > kPublicationCount || size < 1 || size > kSizeCount)
        return 0;
    return priceEntry(publication, size);
}

QString priceText(const LedgerModel &model, int entry, PriceKind kind)
{
    if (entry < 1 || entry > kPriceEntryCount)
        return QString();
    return kind == PriceKind::Colour ? model.prices.colourPrice(entry) : model.prices.bwPrice(entry);
}

bool storePrice(LedgerModel &model, int publication, int size, PriceKind kind, const QString &text)
{
    const int entry = chosenPriceEntry(publication, size);
    if (entry == 0)
        return false;
    model.storePrice(entry, kind, text);
    return true;
}

} // namespace qm
