#include "core/files/DataFiles.h"

#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/files/LineFormat.h"

#include <QBuffer>
#include <QDir>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <limits>

namespace qm {

namespace {

using CellLine = std::array<QString, kColumnCount>;

// Reads the values of one line. True when they are the ten quoted cells of one
// ad, which is what every line between the year line and the advances holds.
bool readCellLine(FieldReader &in, CellLine *cells)
{
    int count = 0;
    bool allQuoted = true;
    for (;;) {
        const Field field = in.next();
        if (in.overran())
            return false;
        if (count < kColumnCount && cells)
            (*cells)[count] = field.text;
        ++count;
        allQuoted = allQuoted && field.quoted;
        if (field.endsLine)
            break;
    }
    return count == kColumnCount && allQuoted;
}

int countCellLines(FieldReader in)
{
    int found = 0;
    while (!in.atEnd() && readCellLine(in, nullptr))
        ++found;
    return found;
}

int wholeNumber(double value)
{
    if (!(value > std::numeric_limits<int>::min()))
        return 0;
    return int(std::min<double>(value, std::numeric_limits<int>::max()));
}

void readAdvances(FieldReader &in, LedgerModel &model, qsizetype valueLimit, LedgerReadResult &result)
{
    std::array<int, 2> counts{};
    for (int &count : counts) {
        count = std::clamp(wholeNumber(in.nextNumber()), 0, int(std::min<qsizetype>(valueLimit / 3, 1 << 30)));
        in.next(); // always written as 0
    }
    for (int k = 0; k < 2; ++k) {
        if (counts[k] == 0)
            continue;
        AdvanceLedger ledger;
        for (int i = 0; i < counts[k] && !in.overran(); ++i) {
            AdvanceEntry entry;
            entry.date = in.nextText();
            entry.advanced = in.nextNumber();
            entry.paid = in.nextNumber();
            ledger << entry;
        }
        model.advances[k] = ledger;
    }
    if (in.overran()) {
        result.damaged = true;
        result.message = QStringLiteral("The advances at the end of the ledger file are incomplete; "
                                        "only the entries found were loaded.");
    }
}

QString mismatchMessage(const LedgerReadResult &r)
{
    return QStringLiteral("The ledger file does not match the settings file: it should hold %1 lines of "
                          "ledger cells but holds %2. The cells may be shown under the wrong ads.")
        .arg(r.expectedCellLines)
        .arg(r.foundCellLines);
}

} // namespace

QByteArray ledgerBytes(LedgerModel &model)
{
    if (model.ledgerYear == 0)
        model.ledgerYear = Clock::today().year();
    model.resizeLedger(model.adCount());
    LineWriter out;
    out.text(kVersion).number(model.ledgerYear).endLine();
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        for (int ad = 1; ad <= model.adCount(); ++ad) {
            for (int column = 1; column <= kColumnCount; ++column)
                out.text(model.cell(issue, column, ad));
            out.endLine();
        }
    }
    for (const AdvanceLedger &ledger : model.advances)
        out.number(double(ledger.size())).number(0).endLine();
    for (const AdvanceLedger &ledger : model.advances) {
        for (const AdvanceEntry &entry : ledger)
            out.text(entry.date).number(entry.advanced).number(entry.paid).endLine();
    }
    return out.bytes();
}

bool writeLedger(QIODevice &device, LedgerModel &model, QString *error)
{
    return writeAllTo(device, ledgerBytes(model), error);
}

LedgerReadResult readLedger(QIODevice &device, LedgerModel &model, QString *version)
{
    LedgerReadResult result;
    QByteArray bytes;
    QString error;
    if (!readAllFrom(device, &bytes, &error)) {
        result.ok = false;
        result.message = error;
        return result;
    }
    const int adCount = model.adCount();
    if (adCount == 0)
        return result; // without ads the ledger has no cells to read
    FieldReader in(bytes);
    const QString fileVersion = in.nextText();
    if (version)
        *version = fileVersion;
    model.ledgerYear = wholeNumber(in.nextNumber());

    model.resizeLedger(adCount);
    model.cells.clear(); // a reader fills the cells; it changes nothing the user made
    result.expectedCellLines = kIssueCount * adCount;
    result.foundCellLines = countCellLines(in);
    CellLine line;
    for (int i = 0; i < result.foundCellLines; ++i) {
        readCellLine(in, &line);
        if (i >= result.expectedCellLines)
            continue; // more lines than ads: never spread them over other cells
        const int issue = i / adCount + 1;
        const int ad = i % adCount + 1;
        for (int column = 1; column <= kColumnCount; ++column)
            model.cell(issue, column, ad) = line[column - 1];
    }
    if (result.foundCellLines != result.expectedCellLines) {
        result.mismatch = true;
        result.message = mismatchMessage(result);
    }
    if (in.atEnd())
        return result; // an older file, written before the advances existed
    const qsizetype valueLimit = bytes.count(',') + bytes.count('\r') + 1;
    readAdvances(in, model, valueLimit, result);
    return result;
}

LedgerReadResult readLedgerFile(const QString &path, LedgerModel &model)
{
    QByteArray bytes;
    QString error;
    LedgerReadResult result;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!readWholeFile(path, &bytes, &error)) {
        result.ok = false;
        result.message = QStringLiteral("The ledger file %1 could not be read: %2").arg(shownPath, error);
        return result;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QString version;
    result = readLedger(buffer, model, &version);
    if (!result.message.isEmpty())
        result.message = shownPath + QStringLiteral(":\n") + result.message;
    // An older file is brought up to date at once, unless it is damaged: a
    // rewrite would make its damage permanent.
    if (version < QStringLiteral("1.60") && !result.mismatch && !result.damaged) {
        const SaveResult saved = writeLedgerFile(path, model);
        result.rewritten = saved.ok;
        if (!saved.ok)
            result.message = saved.error;
    }
    return result;
}

SaveResult writeLedgerFile(const QString &path, LedgerModel &model)
{
    SaveResult result;
    QString error;
    if (!saveFileAtomically(path, ledgerBytes(model), &error)) {
        result.ok = false;
        result.error = QStringLiteral("The ledger file %1 could not be written: %2")
                           .arg(QDir::toNativeSeparators(path), error);
        return result;
    }
    model.ledgerChanged = false;
    return result;
}

} // namespace qm
