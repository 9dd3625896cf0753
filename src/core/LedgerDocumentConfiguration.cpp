// The ledger document's changes of the configuration: the ads, their
// publications, the sales people and the prices.

#include "core/LedgerDocument.h"

namespace qm {

bool LedgerDocument::changeConfiguration(const std::function<void(LedgerModel &)> &change)
{
    const bool before = isChanged();
    const bool settingsBefore = m_model.settingsChanged;
    const bool ledgerBefore = m_model.ledgerChanged;
    const auto advances = m_model.advances;
    const QList<AdRecord> ads = m_model.ads;
    const QList<SalesPerson> salesPeople = m_model.salesPeople;
    const PriceTable prices = m_model.prices;
    const int cellAds = m_model.cells.adCount();
    change(m_model);
    // Cells exist for every ad, whatever the change did to the ad list.
    if (m_model.cells.adCount() != m_model.adCount())
        m_model.resizeLedger(m_model.adCount());
    const bool configuration = ads != m_model.ads || salesPeople != m_model.salesPeople || prices != m_model.prices;
    if (!configuration && advances == m_model.advances && cellAds == m_model.cells.adCount()) {
        // A value stored as it was is no change.
        m_model.settingsChanged = settingsBefore;
        m_model.ledgerChanged = ledgerBefore;
        return false;
    }
    emit adsChanged();
    for (int slot = 1; slot <= int(advances.size()); ++slot) {
        if (advances[std::size_t(slot - 1)] != m_model.advanceLedger(slot))
            emit advancesChanged(slot);
    }
    if (configuration && !m_configuring)
        emit configurationChanged();
    noteChanged(before);
    return true;
}

int LedgerDocument::addAd()
{
    changeConfiguration([](LedgerModel &model) { model.addAd(); });
    return m_model.adCount();
}

bool LedgerDocument::renameAd(int ad, const QString &name)
{
    return changeConfiguration([&](LedgerModel &model) { model.renameAd(ad, name); });
}

bool LedgerDocument::setPublicationCheck(int ad, int publication, bool checked)
{
    return changeConfiguration([&](LedgerModel &model) { model.setPublicationCheck(ad, publication, checked); });
}

bool LedgerDocument::deleteAd(int ad)
{
    return changeConfiguration([&](LedgerModel &model) { model.deleteAd(ad); });
}

AddSalesOutcome LedgerDocument::addSalesPerson(const QString &name)
{
    AddSalesOutcome outcome;
    changeConfiguration([&](LedgerModel &model) { outcome = qm::addSalesPerson(model, name); });
    return outcome;
}

bool LedgerDocument::removeSalesPerson(int position)
{
    bool removed = false;
    changeConfiguration([&](LedgerModel &model) { removed = qm::removeSalesPerson(model, position); });
    return removed;
}

bool LedgerDocument::sortSalesPeople()
{
    return changeConfiguration([](LedgerModel &model) { bringSalesPeopleIntoOrder(model); });
}

bool LedgerDocument::setSalesPercent(int person, const QString &percent)
{
    return changeConfiguration([&](LedgerModel &model) { model.setSalesPercent(person, percent); });
}

bool LedgerDocument::storePrice(int entry, PriceKind kind, const QString &text)
{
    return changeConfiguration([&](LedgerModel &model) { model.storePrice(entry, kind, text); });
}

void LedgerDocument::markSettingsChanged()
{
    const bool before = isChanged();
    m_model.settingsChanged = true;
    noteChanged(before);
}

void LedgerDocument::beginConfiguration()
{
    m_configuring = true;
    m_adsAtBegin = m_model.ads;
    m_salesPeopleAtBegin = m_model.salesPeople;
    m_pricesAtBegin = m_model.prices;
}

void LedgerDocument::endConfiguration()
{
    if (!m_configuring)
        return;
    m_configuring = false;
    if (m_adsAtBegin != m_model.ads || m_salesPeopleAtBegin != m_model.salesPeople || m_pricesAtBegin != m_model.prices)
        emit configurationChanged();
}

} // namespace qm
