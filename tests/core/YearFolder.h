#pragma once

// A year's pair of files in a temporary folder, and the models the file tests
// start from.

#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace qm::testing {

// The time stamp of copies made at 3 March 2026, 14:05, where the tests set the clock.
inline const QString kStamp = QStringLiteral("_030326_1405");

// A folder with the two files of a year.
struct Folder
{
    QTemporaryDir dir;
    QString ini = dir.filePath("QuillmoorAds.ini");
    QString qmr = dir.filePath("QuillmoorAds.qmr");

    QString file(const QString &name) const { return dir.filePath(name); }
    QByteArray bytes(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void put(const QString &path, const QByteArray &data) const
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

// Three ads (or as many as asked), a sales person, prices, cells in every issue and both advance ledgers.
inline LedgerModel sampleYear(int ads = 3)
{
    LedgerModel m;
    for (int i = 1; i <= ads; ++i)
        m.ads << AdRecord{QString("Ad %1").arg(i), {QString(QChar(CHECKMARK)), {}, {}, {}}};
    m.salesPeople = {SalesPerson{"Delta", "10"}};
    m.prices.colourPrice(1) = "300";
    m.resizeLedger(ads);
    for (int issue = 1; issue <= kIssueCount; ++issue)
        for (int ad = 1; ad <= ads; ++ad)
            m.cell(issue, ColNumber, ad) = QString::number(issue * 10 + ad);
    m.ledgerYear = 2026;
    m.advances[0] = {AdvanceEntry{"03/05/2026", 100, 0}};
    m.advances[1] = {AdvanceEntry{"04/05/2026", 0, 25.5}};
    return m;
}

inline void addAd(LedgerModel &m)
{
    m.addAd();
    m.renameAd(m.adCount(), "New");
}

// A ledger file with its fifth line one cell short.
inline QByteArray damagedLedger(LedgerModel year)
{
    QList<QByteArray> lines = ledgerBytes(year).split('\n');
    lines[4] = lines[4].left(lines[4].lastIndexOf(',')) + "\r";
    return lines.join('\n');
}


} // namespace qm::testing
