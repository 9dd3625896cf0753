#include "LedgerGenerator.h"

#include "core/Clock.h"
#include "core/files/LedgerFile.h"
#include "core/files/NumberFormat.h"
#include "core/files/SettingsFile.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace qm::bench {

namespace {

const QStringList kBusinesses = {"Harbour Bakery", "Tarn Valley Motors", "Corvel Books", "Wyndle Florist",
                                 "Fennet & Sons, Builders", "Blue Heron Cafe", "Northgate Dental",
                                 "Quillmoor Hardware", "Saltmarsh Realty", "Old Mill Antiques"};

QString money(double value) { return QString::number(value, 'f', 2); }

} // namespace

LedgerModel generateLedger(int adCount)
{
    QRandomGenerator random(quint32(adCount) * 7919u + 17u);
    auto below = [&random](int n) { return int(random.bounded(n)); };
    const QString check = QString(QChar(CHECKMARK));

    LedgerModel model;
    model.salesPeople = {SalesPerson{"Margaret Holloway", "10"}, SalesPerson{"Tom Reyes", "12.5"}};
    for (int p = 1; p <= kPublicationCount; ++p) {
        for (int s = 1; s <= kSizeCount; ++s) {
            const double full = 1800.0 / (p == 1 ? 1 : 1.5);
            model.prices.colourPrice(priceEntry(p, s)) = money(full / s);
            model.prices.bwPrice(priceEntry(p, s)) = money(full / s * 0.7);
        }
    }
    for (int i = 1; i <= adCount; ++i) {
        AdRecord ad;
        ad.name = QStringLiteral("%1 %2").arg(kBusinesses.at(i % kBusinesses.size())).arg(i);
        ad.check(1) = check;
        for (int p = 2; p <= kPublicationCount; ++p)
            ad.check(p) = below(3) == 0 ? check : QString();
        model.ads << ad;
    }
    model.resizeLedger(adCount);

    const QStringList choices = model.salesChoices();
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        const int publication = issue <= kMonthCount ? 1 : issue - 11;
        for (int ad = 1; ad <= adCount; ++ad) {
            if (below(3) == 0)
                continue; // one line in three stays empty
            const QString seller = choices.at(below(int(choices.size())));
            const int number = 1 + below(3);
            const int size = 1 + below(kSizeCount);
            const bool colour = below(2) == 0;
            const double price = leadingNumber(colour ? model.prices.colourPrice(priceEntry(publication, size))
                                                      : model.prices.bwPrice(priceEntry(publication, size)));
            const double sale = price * number;
            const QString percent = model.commissionPercent(seller);
            const double commission = sale * leadingNumber(percent) / 100;
            model.cell(issue, ColSalesPerson, ad) = seller;
            model.cell(issue, ColNumber, ad) = QString::number(number);
            model.cell(issue, ColSize, ad) = sizeName(size);
            model.cell(issue, ColColor, ad) = colour ? QStringLiteral("c") : QString();
            model.cell(issue, ColSale, ad) = formatMoney(sale);
            model.cell(issue, ColPaid, ad) = below(4) == 0 ? formatMoney(sale / 2) : formatMoney(sale);
            const int status = below(kStatusCount + 1);
            model.cell(issue, ColStatus, ad) = status == kStatusCount ? QStringLiteral("P/U Fen")
                                                                      : model.statusValues().at(status);
            model.cell(issue, ColComm, ad) = percent.isEmpty() ? QString() : formatMoney(commission);
            model.cell(issue, ColCommPaid, ad) = percent.isEmpty() || below(2) ? QString() : formatMoney(commission);
        }
    }
    model.ledgerYear = Clock::today().year();
    for (int k = 0; k < 2; ++k) {
        for (int month = 1; month <= kMonthCount; ++month) {
            model.advances[k] << AdvanceEntry{QStringLiteral("%1/01/%2").arg(month, 2, 10, QChar('0')).arg(model.ledgerYear),
                                              250.0 + 25 * below(8), 0};
            model.advances[k] << AdvanceEntry{QStringLiteral("%1/20/%2").arg(month, 2, 10, QChar('0')).arg(model.ledgerYear),
                                              0, 125.5 + below(100)};
        }
    }
    return model;
}

GeneratedFiles writeGeneratedFiles(const QString &folder, int adCount)
{
    LedgerModel model = generateLedger(adCount);
    GeneratedFiles files;
    files.settingsFile = folder + QStringLiteral("/ads%1.ini").arg(adCount);
    files.ledgerFile = folder + QStringLiteral("/ads%1.qmr").arg(adCount);
    const FileResult settings = writeSettingsFile(files.settingsFile, model);
    const FileResult ledger = writeLedgerFile(files.ledgerFile, model);
    if (!settings.ok || !ledger.ok)
        qFatal("%s", qPrintable(settings.message + ledger.message));
    files.bytes = QFileInfo(files.settingsFile).size() + QFileInfo(files.ledgerFile).size();
    return files;
}

} // namespace qm::bench
