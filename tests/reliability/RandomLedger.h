#pragma once

// Random but plausible years of ad sales for the reliability tests: every text
// the program keeps, with commas, code-page characters, blanks and empty cells,
// and advances with fractional amounts. Every character is one the data files'
// code page holds and none is a double quote (the program refuses those where
// users type), so a model made here must survive a save and a load unchanged.

#include "core/LedgerModel.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

namespace qm::testing {

class RandomLedger
{
public:
    explicit RandomLedger(quint32 seed) : m_random(seed) {}

    int below(int n) { return int(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }

    // A text of up to `maxLength` characters, empty about one time in `emptyOneIn`.
    QString text(int maxLength, int emptyOneIn = 4)
    {
        if (below(emptyOneIn) == 0)
            return QString();
        static const QString alphabet = QString::fromUtf8("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                                                          "      ,,,..//--'&()%$#!?:;"
                                                          "éèüöäßñçÉÑ€Œœ“”‘’–—™©®½¼¾¿¡°µ·«»Ÿž\t");
        QString t;
        const int length = 1 + below(maxLength);
        for (int i = 0; i < length; ++i)
            t += alphabet.at(below(int(alphabet.size())));
        return t;
    }

    double amount()
    {
        switch (below(5)) {
        case 0:
            return 0;
        case 1:
            return below(100000) / 100.0; // dollars and cents
        case 2:
            return below(4000) / 8.0; // halves, quarters, eighths
        case 3:
            return below(1000000) / 1000.0;
        default:
            return below(5000);
        }
    }

    QString cell(const LedgerModel &model, int column)
    {
        if (chance(45))
            return QString();
        switch (column) {
        case ColSalesPerson: {
            const QStringList choices = model.salesChoices();
            return chance(80) ? choices.at(below(int(choices.size()))) : text(12);
        }
        case ColNumber:
            return QString::number(below(13));
        case ColSize:
            return sizeName(1 + below(kSizeCount));
        case ColColor:
            return chance(50) ? QStringLiteral("Color") : QStringLiteral("B&W");
        case ColSale:
        case ColPaid:
        case ColComm:
        case ColCommPaid:
            return chance(85) ? QString::number(amount(), 'f', 2) : text(10);
        case ColStatus:
            return chance(70) ? model.statusValues().at(below(kStatusCount)) + (chance(30) ? " Wynd" : "")
                              : text(10);
        default:
            return text(30);
        }
    }

    QString date()
    {
        if (chance(20))
            return text(16); // typed by hand: anything, commas included
        return QStringLiteral("%1/%2/%3").arg(1 + below(12), 2, 10, QLatin1Char('0'))
            .arg(1 + below(28), 2, 10, QLatin1Char('0'))
            .arg(2020 + below(10));
    }

    // The settings part: ads, sales people, prices.
    void fillSettings(LedgerModel &model, int adCount)
    {
        model.ads.clear();
        for (int i = 0; i < adCount; ++i) {
            AdRecord ad;
            ad.name = text(40, 20);
            for (int p = 1; p <= kPublicationCount; ++p)
                ad.check(p) = chance(50) ? QString(QChar(CHECKMARK)) : QString();
            model.ads << ad;
        }
        model.salesPeople.clear();
        const int people = below(kMaxSalesPeople + 1);
        for (int i = 0; i < people; ++i)
            model.salesPeople << SalesPerson{text(20, 10), chance(80) ? QString::number(below(40)) : text(6)};
        for (int e = 1; e <= kPriceEntryCount; ++e) {
            model.prices.colourPrice(e) = chance(70) ? QString::number(amount(), 'f', 2) : text(12);
            model.prices.bwPrice(e) = chance(70) ? QString::number(amount(), 'f', 2) : text(12);
        }
        model.resizeLedger(adCount);
    }

    // The ledger part: year, every cell, both advance ledgers.
    void fillLedger(LedgerModel &model)
    {
        model.resizeLedger(model.adCount());
        model.clearLedger();
        model.ledgerYear = 2020 + below(10);
        for (int ad = 1; ad <= model.adCount(); ++ad)
            for (int issue = 1; issue <= kIssueCount; ++issue)
                for (int column = 1; column <= kColumnCount; ++column)
                    model.cell(issue, column, ad) = cell(model, column);
        for (AdvanceLedger &ledger : model.advances) {
            ledger.clear();
            const int entries = below(8);
            for (int i = 0; i < entries; ++i)
                ledger << AdvanceEntry{date(), amount(), amount()};
        }
    }

    void fill(LedgerModel &model, int adCount)
    {
        fillSettings(model, adCount);
        fillLedger(model);
    }

private:
    QRandomGenerator m_random;
};

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

inline bool putFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

// Every entry of a folder, hidden ones included: what a save may have left there.
inline QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Where the settings file of a ledger file lies.
inline QString settingsPathFor(const QString &ledgerFile)
{
    QString path = ledgerFile;
    path.replace(QStringLiteral(".qmr"), QStringLiteral(".ini"));
    return path;
}

// Puts a year into one of two known states: the save-loop helper flips between
// them, and the kill test knows both. The changes sit at the start, in the middle
// and at the end of both files, so any mix of the two shows. Every field is set
// outright, so a settings file and a ledger file left in different states still
// give one of the two.
inline void setState(LedgerModel &model, bool second)
{
    model.ads.first().name = second ? QStringLiteral("Second state") : QStringLiteral("First state");
    model.ads.last().check(4) = second ? QString(QChar(CHECKMARK)) : QString();
    model.prices.bwPrice(kPriceEntryCount) = second ? QStringLiteral("2222.22") : QStringLiteral("1111.11");
    const int ads = model.adCount();
    model.cell(1, ColNumber, 1) = second ? QStringLiteral("2") : QStringLiteral("1");
    model.cell(8, ColSale, (ads + 1) / 2) = second ? QStringLiteral("2000.00") : QStringLiteral("1000.00");
    model.cell(kIssueCount, ColCommPaid, ads) = second ? QStringLiteral("22.50") : QStringLiteral("11.25");
    const AdvanceEntry marker{QStringLiteral("second state"), 300.5, 0};
    AdvanceLedger &last = model.advances[1];
    last.removeAll(marker);
    if (second)
        last << marker;
    model.settingsChanged = true;
    model.ledgerChanged = true;
}

inline void flipState(LedgerModel &model)
{
    setState(model, model.ads.first().name != QStringLiteral("Second state"));
}

} // namespace qm::testing
