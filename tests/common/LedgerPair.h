#pragma once

#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// A small filled year: three ads (one per publication mix), two sales people,
// prices, cells in several issues and advances for both people.
inline qm::LedgerModel filledYear(int year)
{
    qm::LedgerModel m;
    const QString check(QChar(qm::CHECKMARK));
    const char *names[] = {"Harbour Books", "Tide & Co, Ltd", "Café Brönte"};
    for (int i = 0; i < 3; ++i) {
        qm::AdRecord ad;
        ad.name = QString::fromUtf8(names[i]);
        ad.check(1) = check;
        ad.check(i + 2) = check;
        m.ads << ad;
    }
    m.salesPeople = {qm::SalesPerson{"Alice Moor", "10"}, qm::SalesPerson{"Bram Tully", "12.5"}};
    for (int entry = 1; entry <= qm::kPriceEntryCount; ++entry) {
        m.prices.colourPrice(entry) = QString::number(100 + entry * 10);
        m.prices.bwPrice(entry) = QString::number(80 + entry * 10);
    }
    m.resizeLedger(3);
    auto row = [&m](int issue, int ad, QStringList texts) {
        for (int column = 2; column <= qm::kColumnCount; ++column)
            m.cell(issue, column, ad) = texts.value(column - 2);
    };
    row(1, 1, {"Alice Moor", "1", "Half", "c", "150.00", "150.00", "Ok", "15.00", "15.00"});
    row(2, 2, {"Bram Tully", "2", "Full", "", "320.00", "100.00", "Proof", "40.00", ""});
    row(13, 1, {"Owner", "1", "Quarter", "c", "140.00", "", "TK", "", ""});
    row(15, 3, {"Alice Moor", "1", "sixth", "", "110.00", "110.00", "P/U Fen", "11.00", "11.00"});
    m.advances[0] = {{"01/15/" + QString::number(year), 200, 0}, {"02/15/" + QString::number(year), 0, 50.5}};
    m.advances[1] = {{"03/01/" + QString::number(year), 75.25, 0}};
    m.ledgerYear = year;
    return m;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Writes the model as QuillmoorAds.ini and .qmr in `folder`.
inline void writePair(const QString &folder, qm::LedgerModel m)
{
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(qm::writeSettingsFile(QDir(folder).filePath("QuillmoorAds.ini"), m).ok);
    QVERIFY(qm::writeLedgerFile(QDir(folder).filePath("QuillmoorAds.qmr"), m).ok);
}
