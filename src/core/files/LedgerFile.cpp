#include "core/files/LedgerFile.h"

#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/Version.h"
#include "core/files/LineFormat.h"
#include "core/files/SafeSave.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LedgerFile)
};

int wholeNumber(double value)
{
    if (!(value > std::numeric_limits<int>::min()))
        return 0;
    return int(std::min<double>(value, std::numeric_limits<int>::max()));
}

// The count lines of the advances start at `index`: a count line followed by
// another or by the end of the file.
bool advancesStartAt(const LineReader &in, int index)
{
    if (index >= in.lineCount() || !in.line(index).isCountLine())
        return false;
    return index + 1 == in.lineCount() || in.line(index + 1).isCountLine();
}

// Two count lines at `index` whose entries end exactly where the file does.
bool advancesFitAt(const LineReader &in, int index)
{
    if (index + 1 >= in.lineCount() || !advancesStartAt(in, index))
        return false;
    const double entries = std::max(0.0, in.line(index).number(0)) + std::max(0.0, in.line(index + 1).number(0));
    return double(index) + 2 + entries == double(in.lineCount());
}

// The line after the last cell line: where the advances start, or the end of
// the file when it has none (an older file, or one cut short). A file that fits
// its ad count is recognised at once; only a damaged one is searched.
int cellSectionEnd(const LineReader &in, int expectedEnd)
{
    if (advancesFitAt(in, expectedEnd))
        return expectedEnd;
    for (int i = 1; i < in.lineCount(); ++i) {
        if (advancesFitAt(in, i))
            return i;
    }
    if (advancesStartAt(in, expectedEnd))
        return expectedEnd;
    for (int i = 1; i < in.lineCount(); ++i) {
        if (advancesStartAt(in, i))
            return i;
    }
    return in.lineCount();
}

// Reads the two count lines at `start` and the entries after them. Returns what
// was wrong, if anything.
QStringList readAdvances(const LineReader &in, int start, LedgerModel &model, QList<int> &malformed)
{
    QStringList problems;
    std::array<int, 2> counts{};
    for (int k = 0; k < 2; ++k) {
        const Line line = in.line(start + k);
        counts[k] = std::max(0, wholeNumber(line.number(0)));
        if (start + k >= in.lineCount())
            problems << Text::tr("The second count line of the advances is missing.");
    }
    int next = start + 2;
    for (int k = 0; k < 2; ++k) {
        // Only lines the file holds are entries: a huge count allocates nothing.
        const int present = std::min(counts[k], std::max(0, in.lineCount() - next));
        if (present < counts[k])
            problems << Text::tr("Advance ledger %1 should hold %2 entries, but the file ends after %3 of them.")
                            .arg(k + 1)
                            .arg(counts[k])
                            .arg(present);
        if (counts[k] == 0)
            continue;
        AdvanceLedger ledger;
        ledger.reserve(present);
        for (int i = 0; i < present; ++i) {
            const Line line = in.line(next++);
            if (!line.wellFormed || line.fields.size() != 3 || !line.fields.at(0).quoted)
                malformed << line.lineNumber;
            ledger << AdvanceEntry{line.text(0), line.number(1), line.number(2)};
        }
        model.advances[k] = ledger;
    }
    if (next < in.lineCount())
        problems << Text::tr("%1 lines after the last advance were not read.").arg(in.lineCount() - next);
    return problems;
}

} // namespace

bool isOlderLedgerVersion(const QString &version) { return compareVersions(version, u"1.60") < 0; }

QByteArray ledgerBytes(const LedgerModel &model)
{
    // A ledger never loaded has no year yet: the file gets the current one.
    const int year = model.ledgerYear != 0 ? model.ledgerYear : Clock::today().year();
    // The file has a cell line per ad of the ad list, also for ads whose cells
    // were never made; those lines are written empty.
    std::optional<LedgerCells> fitted;
    if (model.cells.adCount() != model.adCount()) {
        fitted = model.cells;
        fitted->resize(model.adCount());
    }
    const LedgerCells &cells = fitted ? *fitted : model.cells;
    qint64 advanceLines = 0;
    for (const AdvanceLedger &ledger : model.advances)
        advanceLines += ledger.size();
    // Each cell line holds ten quoted texts, nine commas and the line end; an
    // advance line its date and two numbers of at most about 24 bytes each.
    const qint64 lines = cells.cellCount() / kColumnCount;
    LineWriter out;
    out.reserve(64 + lines * (3 * kColumnCount + 1) + cells.fileTextBytes() + advanceLines * 64);
    out.text(kVersion).number(year).endLine();
    // The cells are held in the file's order: issue by issue, ad by ad, column
    // by column; each line is written in place.
    for (qsizetype line = 0; line < cells.cellCount(); line += kColumnCount) {
        char *at = out.room(cells.fileRoom(kColumnCount) + 2);
        at = cells.writeFileCells(line, kColumnCount, at);
        *at++ = '\r';
        *at++ = '\n';
        out.written(at);
    }
    for (const AdvanceLedger &ledger : model.advances)
        out.number(double(ledger.size())).number(0).endLine();
    for (const AdvanceLedger &ledger : model.advances) {
        for (const AdvanceEntry &entry : ledger)
            out.text(entry.date).number(entry.advanced).number(entry.paid).endLine();
    }
    return out.bytes();
}

FileResult readLedger(const QByteArray &bytes, LedgerModel &model)
{
    FileResult result;
    const LineReader in(bytes);
    QList<int> malformed;
    QStringList problems;

    const Line head = in.line(0);
    result.version = head.text(0);
    if (!head.wellFormed || head.fields.size() != 2 || !head.fields.at(0).quoted)
        malformed << 1;
    model.ledgerYear = wholeNumber(head.number(1));

    const int adCount = model.adCount();
    model.resizeLedger(adCount);
    model.cells.clear(); // a reader fills the cells; it changes nothing the user made
    const int expected = kIssueCount * adCount;
    // Reads the cell lines 1..count into the cells. Returns false as soon as
    // the file has no more lines.
    const char *const fileEnd = bytes.constData() + bytes.size();
    auto readCells = [&](int count) {
        std::array<QByteArrayView, kColumnCount> values;
        for (int i = 0; i < count; ++i) {
            // The cells are held in the file's order: line i holds the cells from place i * 10 on.
            const qsizetype place = qsizetype(i) * kColumnCount;
            if (in.quotedValues(1 + i, kColumnCount, values.data())) {
                // Empty cells (a third of a ledger's lines, often) stay as they are.
                for (int column = 0; column < kColumnCount; ++column) {
                    if (!values[std::size_t(column)].isEmpty())
                        model.cells.setFromFile(place + column, values[std::size_t(column)], fileEnd);
                }
                continue;
            }
            if (!in.hasLine(1 + i))
                return false;
            const Line line = in.line(1 + i);
            malformed << line.lineNumber;
            const int issue = i / adCount + 1;
            const int ad = i % adCount + 1;
            for (int column = 1; column <= kColumnCount; ++column)
                model.cells.set(issue, column, ad, line.text(column - 1));
        }
        return true;
    };
    // A file that fits its ad count (advances found right after the expected
    // cell lines) is read in one pass over its bytes; only when it turns out not
    // to fit are the cells read again from where the advances are found.
    const qsizetype malformedInHead = malformed.size();
    int end = 1 + expected;
    if (!readCells(expected) || !advancesFitAt(in, end)) {
        model.cells.clear();
        malformed.resize(malformedInHead);
        end = cellSectionEnd(in, 1 + expected);
        readCells(std::min(std::max(0, end - 1), expected));
    }
    const int found = std::max(0, end - 1);
    if (found < expected) {
        problems << Text::tr("The file is short: it holds %1 lines of ledger cells, but the %2 ads of the "
                             "settings file need %3. The missing cells were left empty; the cells found "
                             "may be shown under the wrong ads.")
                        .arg(found)
                        .arg(adCount)
                        .arg(expected);
    } else if (found > expected) {
        problems << Text::tr("The file is long: it holds %1 lines of ledger cells, but the %2 ads of the "
                             "settings file need only %3. Lines %4 to %5 were not read; the cells may be "
                             "shown under the wrong ads.")
                        .arg(found)
                        .arg(adCount)
                        .arg(expected)
                        .arg(expected + 2)
                        .arg(found + 1);
    }
    // A file that ends right after its cells is an older file without advances.
    if (end < in.lineCount())
        problems << readAdvances(in, end, model, malformed);
    if (!malformed.isEmpty())
        problems << Text::tr("Not as the program writes them: %1; what could be read of them was loaded, "
                             "missing values are empty.")
                        .arg(lineList(malformed));
    if (!problems.isEmpty()) {
        result.damaged = true;
        result.message = Text::tr("The ledger file is damaged.\n") + problems.join(QLatin1Char('\n'));
    }
    return result;
}

FileResult readLedgerFile(const QString &path, LedgerModel &model)
{
    QByteArray bytes;
    QString error;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!readWholeFile(path, &bytes, &error)) {
        FileResult result;
        result.ok = false;
        result.message = Text::tr("The ledger file %1 could not be read: %2").arg(shownPath, error);
        return result;
    }
    FileResult result = readLedger(bytes, model);
    if (result.damaged)
        result.message = shownPath + QStringLiteral(":\n") + result.message;
    return result;
}

FileResult writeLedgerFile(const QString &path, LedgerModel &model)
{
    FileResult result;
    QString error;
    if (!saveFileAtomically(path, ledgerBytes(model), &error)) {
        result.ok = false;
        result.message = Text::tr("The ledger file %1 could not be written: %2")
                             .arg(QDir::toNativeSeparators(path), error);
        return result;
    }
    model.ledgerChanged = false;
    return result;
}

} // namespace qm
