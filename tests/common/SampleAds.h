#pragma once

#include "core/LedgerModel.h"

// A model with `count` ads named "Ad 1".., none checked for any publication.
inline qm::LedgerModel modelWithAds(int count)
{
    qm::LedgerModel model;
    for (int i = 1; i <= count; ++i) {
        qm::AdRecord ad;
        ad.name = QStringLiteral("Ad %1").arg(i);
        model.ads << ad;
    }
    model.resizeLedger(count);
    return model;
}

// A text that tells which issue, column and ad a cell belongs to.
inline QString cellMark(int issue, int column, int ad)
{
    return QStringLiteral("%1/%2/%3").arg(issue).arg(column).arg(ad);
}
