#pragma once

#include "core/LedgerModel.h"

#include <QList>

// Builds the ledger models that tests start from: ads named "Ad 1".. with the
// ledger sized for them, and whatever else a test asks for, step by step:
//
//     qm::LedgerModel model = SampleModel(12).runningIn(1).runningIn(2, 3)
//                                 .person("Alpha", "15").person("Delta", "10")
//                                 .price(1, 2, "150", "100").year(2026);
//
// Nothing is marked changed.
class SampleModel
{
public:
    explicit SampleModel(int ads = 0)
    {
        for (int i = 1; i <= ads; ++i) {
            qm::AdRecord ad;
            ad.name = QStringLiteral("Ad %1").arg(i);
            m_model.ads << ad;
        }
        m_model.resizeLedger(ads);
    }

    // Every `every`-th ad (the `every`-th, the 2 * `every`-th, ..) runs in the publication.
    SampleModel &runningIn(int publication, int every = 1)
    {
        for (int i = every; i <= m_model.adCount(); i += every)
            m_model.ads[i - 1].check(publication) = QString(QChar(qm::CHECKMARK));
        return *this;
    }
    SampleModel &person(const QString &name, const QString &percent)
    {
        m_model.salesPeople << qm::SalesPerson{name, percent};
        return *this;
    }
    SampleModel &price(int publication, int size, const QString &colour, const QString &blackWhite)
    {
        m_model.prices.colourPrice(qm::priceEntry(publication, size)) = colour;
        m_model.prices.bwPrice(qm::priceEntry(publication, size)) = blackWhite;
        return *this;
    }
    // Advance ledger `slot` (1 or 2) holds the entries.
    SampleModel &advances(int slot, const qm::AdvanceLedger &entries)
    {
        m_model.advances.at(std::size_t(slot - 1)) = entries;
        return *this;
    }
    SampleModel &cell(int issue, int column, int ad, const QString &text)
    {
        m_model.cell(issue, column, ad) = text;
        return *this;
    }
    SampleModel &year(int ledgerYear)
    {
        m_model.ledgerYear = ledgerYear;
        return *this;
    }

    qm::LedgerModel build() const { return m_model; }
    operator qm::LedgerModel() const { return m_model; }

private:
    qm::LedgerModel m_model;
};

// A model with `count` ads named "Ad 1".., none running in any publication.
inline qm::LedgerModel modelWithAds(int count) { return SampleModel(count); }

// A text that tells which issue, column and ad a cell belongs to.
inline QString cellMark(int issue, int column, int ad)
{
    return QStringLiteral("%1/%2/%3").arg(issue).arg(column).arg(ad);
}
