#include "core/files/SettingsFile.h"

#include "core/LargePages.h"
#include "core/LedgerModel.h"
#include "core/files/CodePage.h"
#include "core/files/LineFormat.h"
#include "core/files/SafeSave.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <array>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

// A count field as a whole number of at most `limit`.
int countFrom(double value, int limit)
{
    if (!(value > 0))
        return 0;
    return int(std::min<double>(value, double(limit)));
}

QString withPath(const QString &path, const QString &message)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(":\n") + message;
}

} // namespace

QByteArray settingsBytes(const LedgerModel &model)
{
    LineWriter out;
    // An ad's line is its name, four quoted checkmarks or nothing, commas and the line end.
    qsizetype size = 4096;
    for (const AdRecord &ad : model.ads)
        size += ad.name.size() + 3 + kPublicationCount * 4 + 2;
    out.reserve(size);
    out.text(kVersion).endLine();
    out.number(model.adCount()).number(double(model.salesPeople.size())).endLine();
    for (const AdRecord &ad : model.ads) {
        out.text(ad.name);
        for (int p = 1; p <= kPublicationCount; ++p)
            out.text(ad.check(p));
        out.endLine();
    }
    for (const SalesPerson &person : model.salesPeople)
        out.text(person.name).text(person.percent).endLine();
    for (int e = 1; e <= kPriceEntryCount; ++e)
        out.text(model.prices.colourPrice(e)).text(model.prices.bwPrice(e)).endLine();
    return out.bytes();
}

FileResult readSettings(const QByteArray &bytes, LedgerModel &model)
{
    FileResult result;
    const LineReader in(bytes);
    QList<int> malformed;
    auto take = [&](int index, int values) {
        Line line = in.line(index);
        if (!line.isQuotedRecord(values))
            malformed << line.lineNumber;
        return line;
    };

    const Line head = in.line(0);
    result.version = head.text(0);
    if (!head.isQuotedRecord(1))
        malformed << 1;
    const Line counts = in.line(1);
    if (!counts.isCountLine())
        malformed << 2;
    // Each ad and each sales person is a line of its own: a count beyond the
    // lines the file holds is a damaged file, not a reason to allocate more.
    int next = 2;
    const int adCount = countFrom(counts.number(0), std::max(0, in.lineCount() - next));
    const int declaredAds = countFrom(counts.number(0), 1 << 30);

    if (adCount > 0) {
        QList<AdRecord> ads;
        ads.reserve(adCount);
        preferLargePages(ads.data(), qsizetype(ads.capacity() * sizeof(AdRecord)));
        const QString checkmark{QChar(CHECKMARK)}; // one copy, shared by every set checkmark
        std::array<QByteArrayView, 1 + kPublicationCount> values;
        for (int i = 0; i < adCount; ++i) {
            AdRecord ad;
            if (in.quotedValues(next, 1 + kPublicationCount, values.data())) {
                ad.name = decodeCodePage(values[0]);
                for (int p = 1; p <= kPublicationCount; ++p)
                    ad.check(p) = values[std::size_t(p)].isEmpty() ? QString() : checkmark;
            } else {
                const Line line = take(next, 1 + kPublicationCount);
                ad.name = line.text(0);
                for (int p = 1; p <= kPublicationCount; ++p)
                    ad.check(p) = line.text(p).isEmpty() ? QString() : checkmark;
            }
            ++next;
            ads << std::move(ad);
        }
        model.ads = ads;
        model.resizeLedger(adCount);
    }

    // The sales people and prices are read whatever the ad count: a year
    // without ads still has its sales people and price table.
    const int salesCount = countFrom(counts.number(1), std::max(0, in.lineCount() - next));
    const int declaredSales = countFrom(counts.number(1), 1 << 30);
    QList<int> unkept; // the lines of people beyond the ones the program holds
    if (salesCount > 0) {
        QList<SalesPerson> people;
        for (int i = 0; i < salesCount; ++i) {
            const Line line = take(next++, 2);
            if (i < kMaxSalesPeople)
                people << SalesPerson{line.text(0), line.text(1)};
            else
                unkept << line.lineNumber;
        }
        model.salesPeople = people;
    }
    const int priceLines = std::min(kPriceEntryCount, std::max(0, in.lineCount() - next));
    for (int e = 1; e <= priceLines; ++e) {
        const Line line = take(next++, 2);
        model.prices.colourPrice(e) = line.text(0);
        model.prices.bwPrice(e) = line.text(1);
    }

    QStringList problems;
    if (adCount < declaredAds || salesCount < declaredSales || priceLines < kPriceEntryCount) {
        problems << Text::tr("The file ends early: it announces %1 ads and %2 sales people, but holds "
                             "only %3 lines, where %4 are needed. What is missing was left empty.")
                        .arg(declaredAds)
                        .arg(declaredSales)
                        .arg(in.lineCount())
                        .arg(2.0 + double(declaredAds) + double(declaredSales) + kPriceEntryCount, 0, 'f', 0);
    } else if (next < in.lineCount()) {
        problems << Text::tr("The file holds %1 lines after its price table; they were not read.")
                        .arg(in.lineCount() - next);
    }
    if (!unkept.isEmpty()) {
        problems << Text::tr("The file names %1 sales people, but the program keeps at most %2: %3 %4 not read.")
                        .arg(salesCount)
                        .arg(kMaxSalesPeople)
                        .arg(lineList(unkept), unkept.size() == 1 ? Text::tr("was") : Text::tr("were"));
    }
    if (!malformed.isEmpty())
        problems << Text::tr("Not as the program writes them: %1.").arg(lineList(malformed));
    if (!problems.isEmpty()) {
        result.damaged = true;
        result.message = Text::tr("The settings file is damaged.\n") + problems.join(QLatin1Char('\n'));
    }
    return result;
}

FileResult readSettingsFile(const QString &path, LedgerModel &model)
{
    QByteArray bytes;
    QString error;
    if (!readWholeFile(path, &bytes, &error)) {
        FileResult result;
        result.ok = false;
        result.message = Text::tr("The settings file %1 could not be read: %2")
                             .arg(QDir::toNativeSeparators(path), error);
        return result;
    }
    FileResult result = readSettings(bytes, model);
    if (result.damaged)
        result.message = withPath(path, result.message);
    return result;
}

FileResult writeSettingsFile(const QString &path, LedgerModel &model)
{
    FileResult result;
    QString error;
    if (!saveFileAtomically(path, settingsBytes(model), &error)) {
        result.ok = false;
        result.message = Text::tr("The settings file %1 could not be written: %2")
                             .arg(QDir::toNativeSeparators(path), error);
        return result;
    }
    model.settingsChanged = false;
    return result;
}

} // namespace qm
