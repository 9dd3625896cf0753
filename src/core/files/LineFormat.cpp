#include "core/files/LineFormat.h"

#include "core/LargePages.h"
#include "core/files/CodePage.h"
#include "core/files/NumberFormat.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LineFormat)
};

} // namespace

double Line::number(int index) const { return leadingNumber(text(index)); }

bool Line::isQuotedRecord(int count) const
{
    if (!wellFormed || fields.size() != count)
        return false;
    for (const Field &field : fields) {
        if (!field.quoted)
            return false;
    }
    return true;
}

bool Line::isCountLine() const
{
    return wellFormed && fields.size() == 2 && !fields.at(0).quoted && !fields.at(1).quoted;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Where `c` stands in [from, end), or end.
const char *find(const char *from, const char *end, char c)
{
    const void *at = from < end ? std::memchr(from, c, std::size_t(end - from)) : nullptr;
    return at ? static_cast<const char *>(at) : end;
}

// The first double quote in [from, end), or end; `bufferEnd` is where the
// bytes that may be read end. Values are short, so rather than call memchr
// this looks at eight bytes at a time.
const char *closingQuote(const char *from, const char *end, const char *bufferEnd)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr quint64 kOnes = 0x0101010101010101ull;
        constexpr quint64 kQuotes = kOnes * '"';
        while (from < end && bufferEnd - from >= 8) {
            quint64 word;
            std::memcpy(&word, from, 8);
            const quint64 x = word ^ kQuotes; // a zero byte where a quote stands
            const quint64 zeros = (x - kOnes) & ~x & (kOnes << 7);
            if (zeros != 0)
                return std::min(end, from + std::countr_zero(zeros) / 8);
            from += 8;
        }
    }
    while (from < end && *from != '"')
        ++from;
    return std::min(from, end);
}

} // namespace

LineReader::LineReader(const QByteArray &bytes) : m_bytes(bytes)
{
    const char *const begin = m_bytes.constData();
    const char *const end = begin + m_bytes.size();
    m_terminator = find(begin, end, '\n') != end ? '\n' : '\r';
    m_scanner = QuoteScanner(begin, end, m_terminator);
    // Room for every line of a ledger (its lines are longer than 32 bytes), so
    // that the lists are never copied as they grow; a file of shorter lines
    // grows them as they come.
    m_starts.reserve(m_bytes.size() / 32 + 1);
    m_ends.reserve(m_bytes.size() / 32 + 1);
    preferLargePages(m_starts.data(), qsizetype(m_starts.capacity() * sizeof(qsizetype)));
    preferLargePages(m_ends.data(), qsizetype(m_ends.capacity() * sizeof(qsizetype)));
}

int LineReader::lineCount() const
{
    findLines(std::numeric_limits<qsizetype>::max());
    return int(m_starts.size());
}

bool LineReader::hasLine(int index) const
{
    if (index < 0)
        return false;
    findLines(index);
    return std::size_t(index) < m_starts.size();
}

void LineReader::findLines(qsizetype index) const
{
    const char *const begin = m_bytes.constData();
    const char *const end = begin + m_bytes.size();
    while (!m_complete && qsizetype(m_starts.size()) <= index) {
        const char *const start = begin + m_scanned;
        if (start >= end) {
            m_complete = true;
            // Blank lines at the end are what an editor leaves, not records.
            while (!m_starts.empty() && std::all_of(begin + m_starts.back(), begin + m_ends.back(), isBlank)) {
                m_starts.pop_back();
                m_ends.pop_back();
            }
            break;
        }
        const char *stop = find(start, end, m_terminator);
        const char *const next = stop < end ? stop + 1 : end;
        if (m_terminator == '\n' && stop > start && stop[-1] == '\r')
            --stop;
        m_starts.push_back(start - begin);
        m_ends.push_back(stop - begin);
        m_scanned = next - begin;
    }
}

Line LineReader::line(int index) const
{
    Line line;
    line.lineNumber = index + 1;
    if (!hasLine(index))
        return line;
    const char *const end = m_bytes.constData() + m_ends[std::size_t(index)];
    const char *pos = m_bytes.constData() + m_starts[std::size_t(index)];
    auto skipBlanks = [&] {
        while (pos < end && (*pos == ' ' || *pos == '\t'))
            ++pos;
    };
    skipBlanks();
    if (pos >= end)
        return line; // a blank line holds no values
    line.fields.reserve(8);
    for (;;) {
        skipBlanks();
        Field field;
        if (pos < end && *pos == '"') {
            field.quoted = true;
            const char *close = find(pos + 1, end, '"');
            if (close == end)
                line.wellFormed = false;
            decodeCodePageInto(QByteArrayView(pos + 1, close), field.text);
            pos = close < end ? close + 1 : end;
            const char *const comma = find(pos, end, ',');
            if (comma != pos)
                line.wellFormed = false;
            pos = comma;
        } else {
            const char *const comma = find(pos, end, ',');
            QByteArray raw;
            raw.reserve(comma - pos);
            for (; pos < comma; ++pos) {
                if (*pos == '"')
                    raw.append('\''); // as the writer would store it: the format cannot hold it
                else if (*pos != '\t' && *pos != '\r')
                    raw.append(*pos);
            }
            decodeCodePageInto(raw, field.text);
        }
        line.fields << field;
        if (pos >= end)
            return line;
        ++pos; // the comma: another value follows, perhaps an empty one
    }
}

bool LineReader::quotedValues(int index, int count, QByteArrayView *values) const
{
    if (index >= 0 && std::size_t(index) == m_starts.size() && !m_complete)
        return nextQuotedValues(count, values);
    if (!hasLine(index))
        return false;
    const char *const end = m_bytes.constData() + m_ends[std::size_t(index)];
    const char *pos = m_bytes.constData() + m_starts[std::size_t(index)];
    const char *const bufferEnd = m_bytes.constData() + m_bytes.size();
    for (int k = 0; k < count; ++k) {
        while (pos < end && (*pos == ' ' || *pos == '\t'))
            ++pos;
        if (pos == end || *pos != '"')
            return false;
        const char *const close = closingQuote(pos + 1, end, bufferEnd);
        if (close == end)
            return false;
        values[k] = QByteArrayView(pos + 1, close);
        pos = close + 1;
        if (k + 1 < count) {
            if (pos == end || *pos != ',')
                return false;
            ++pos;
        }
    }
    return pos == end;
}

bool LineReader::nextQuotedValues(int count, QByteArrayView *values) const
{
    // The line is read as it is found, in the one pass over its bytes: exactly
    // the values as the program writes them, then the line end. Anything else
    // (a blank, a stray byte, a value running past the line end) is left for
    // the general rules: this finds nothing and the line is found as usual.
    const char *const begin = m_bytes.constData();
    const char *const end = begin + m_bytes.size();
    const char *const start = begin + m_scanned;
    const char *pos = start;
    // Each value is the bytes between a quote and the next quote or line end;
    // its quote must be where the last value's comma leaves off. The scanner
    // is worked on as a copy, which the compiler keeps in registers.
    QuoteScanner scanner = m_scanner;
    scanner.seek(start);
    for (int k = 0; k < count; ++k) {
        const char *const open = scanner.next();
        if (open != pos || open == end || *open != '"')
            return quotedValuesOfFoundLine(count, values);
        const char *const close = scanner.next();
        if (close == end || *close != '"')
            return quotedValuesOfFoundLine(count, values);
        values[k] = QByteArrayView(open + 1, close);
        pos = close + 1;
        if (k + 1 < count) {
            if (pos == end || *pos != ',')
                return quotedValuesOfFoundLine(count, values);
            ++pos;
        }
    }
    const char *next = pos;
    if (pos < end && *pos == m_terminator)
        next = pos + 1;
    else if (m_terminator == '\n' && end - pos >= 2 && pos[0] == '\r' && pos[1] == '\n')
        next = pos + 2;
    else if (pos != end)
        return quotedValuesOfFoundLine(count, values);
    m_starts.push_back(start - begin);
    m_ends.push_back(pos - begin);
    m_scanned = next - begin;
    m_scanner = scanner;
    return true;
}

bool LineReader::quotedValuesOfFoundLine(int count, QByteArrayView *values) const
{
    const int index = int(m_starts.size());
    return hasLine(index) && quotedValues(index, count, values);
}

char *LineWriter::room(qsizetype count)
{
    if (m_bytes.size() - m_used < count)
        m_bytes.resize(std::max(2 * m_bytes.size(), m_used + count + 4096));
    return m_bytes.data() + m_used;
}

void LineWriter::written(const char *end)
{
    Q_ASSERT(end >= m_bytes.constData() + m_used && end <= m_bytes.constData() + m_bytes.size());
    m_used = end - m_bytes.constData();
}

void LineWriter::reserve(qsizetype size)
{
    if (size > m_bytes.size()) {
        m_bytes.resize(size);
        preferLargePages(m_bytes.data(), m_bytes.size());
    }
}

const QByteArray &LineWriter::bytes() const
{
    m_bytes.truncate(m_used);
    return m_bytes;
}

LineWriter &LineWriter::text(const QString &value)
{
    char *out = room(value.size() + 3);
    if (m_lineStarted)
        *out++ = ',';
    m_lineStarted = true;
    *out++ = '"';
    out = encodeCodePageTo(value, out, true);
    *out++ = '"';
    m_used = out - m_bytes.constData();
    return *this;
}

LineWriter &LineWriter::number(double value)
{
    const QByteArray digits = formatFileNumber(value).toLatin1();
    char *out = room(digits.size() + 1);
    if (m_lineStarted)
        *out++ = ',';
    m_lineStarted = true;
    out = std::copy(digits.cbegin(), digits.cend(), out);
    m_used = out - m_bytes.constData();
    return *this;
}

LineWriter &LineWriter::endLine()
{
    char *out = room(2);
    *out++ = '\r';
    *out++ = '\n';
    m_used += 2;
    m_lineStarted = false;
    return *this;
}

QString lineList(const QList<int> &numbers)
{
    constexpr int kShown = 6;
    QStringList shown;
    for (qsizetype i = 0; i < numbers.size() && i < kShown; ++i)
        shown << QString::number(numbers.at(i));
    if (numbers.size() == 1)
        return Text::tr("line %1").arg(shown.first());
    if (numbers.size() > kShown)
        return Text::tr("lines %1, ... (%2 lines)").arg(shown.join(QStringLiteral(", "))).arg(numbers.size());
    const QString last = shown.takeLast();
    return Text::tr("lines %1 and %2").arg(shown.join(QStringLiteral(", ")), last);
}

} // namespace qm
