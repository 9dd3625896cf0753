#include "core/files/DataFiles.h"

#include "core/LedgerModel.h"
#include "core/files/LineFormat.h"

#include <QBuffer>
#include <QDir>
#include <QIODevice>

#include <algorithm>

namespace qm {

namespace {

// A count field as a whole number within what the file can still hold.
int countFrom(double value, qsizetype limit)
{
    if (!(value > 0))
        return 0;
    return int(std::min<double>(value, double(std::min<qsizetype>(limit, 1 << 30))));
}

QString damagedMessage()
{
    return QStringLiteral("The settings file ends before all of its ads, sales people and prices; "
                          "what is missing was left empty.");
}

} // namespace

QByteArray settingsBytes(const LedgerModel &model)
{
    LineWriter out;
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

bool writeSettings(QIODevice &device, const LedgerModel &model, QString *error)
{
    return writeAllTo(device, settingsBytes(model), error);
}

SettingsReadResult readSettings(QIODevice &device, LedgerModel &model)
{
    SettingsReadResult result;
    QByteArray bytes;
    QString error;
    if (!readAllFrom(device, &bytes, &error)) {
        result.ok = false;
        result.message = error;
        return result;
    }
    // Each ad needs five values, each sales person two; a count beyond what the
    // file holds is a damaged file, not a reason to allocate without end.
    const qsizetype valueLimit = bytes.count(',') + bytes.count('\r') + 1;
    FieldReader in(bytes);
    in.nextText(); // the version is not checked
    const int adCount = countFrom(in.nextNumber(), valueLimit / 5);
    const int salesCount = countFrom(in.nextNumber(), valueLimit / 2);
    if (adCount == 0)
        return result;

    QList<AdRecord> ads(adCount);
    for (AdRecord &ad : ads) {
        ad.name = in.nextText();
        for (int p = 1; p <= kPublicationCount; ++p)
            ad.check(p) = in.nextText().isEmpty() ? QString() : QString(QChar(CHECKMARK));
    }
    model.ads = ads;
    model.resizeLedger(adCount);

    if (salesCount > 0) {
        QList<SalesPerson> people;
        for (int i = 0; i < salesCount; ++i) {
            SalesPerson person;
            person.name = in.nextText();
            person.percent = in.nextText();
            if (i < kMaxSalesPeople)
                people << person;
        }
        model.salesPeople = people;
    }
    for (int e = 1; e <= kPriceEntryCount; ++e) {
        model.prices.colourPrice(e) = in.nextText();
        model.prices.bwPrice(e) = in.nextText();
    }
    if (in.overran()) {
        result.damaged = true;
        result.message = damagedMessage();
    }
    return result;
}

SettingsReadResult readSettingsFile(const QString &path, LedgerModel &model)
{
    QByteArray bytes;
    QString error;
    SettingsReadResult result;
    if (!readWholeFile(path, &bytes, &error)) {
        result.ok = false;
        result.message = QStringLiteral("The settings file %1 could not be read: %2")
                             .arg(QDir::toNativeSeparators(path), error);
        return result;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    result = readSettings(buffer, model);
    if (result.damaged)
        result.message = QDir::toNativeSeparators(path) + QStringLiteral(":\n") + result.message;
    return result;
}

SaveResult writeSettingsFile(const QString &path, LedgerModel &model)
{
    SaveResult result;
    QString error;
    if (!saveFileAtomically(path, settingsBytes(model), &error)) {
        result.ok = false;
        result.error = QStringLiteral("The settings file %1 could not be written: %2")
                           .arg(QDir::toNativeSeparators(path), error);
        return result;
    }
    model.settingsChanged = false;
    return result;
}

} // namespace qm
