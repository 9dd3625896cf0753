#include "core/files/LineFormat.h"

#include "core/files/CodePage.h"
#include "core/rules/TextRules.h"

#include <algorithm>

namespace qm {

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

LineReader::LineReader(const QByteArray &bytes) : m_bytes(bytes)
{
    const char end = m_bytes.contains('\n') ? '\n' : '\r';
    qsizetype start = 0;
    while (start < m_bytes.size()) {
        qsizetype stop = m_bytes.indexOf(end, start);
        const qsizetype next = stop < 0 ? m_bytes.size() : stop + 1;
        if (stop < 0)
            stop = m_bytes.size();
        if (end == '\n' && stop > start && m_bytes.at(stop - 1) == '\r')
            --stop;
        m_starts << start;
        m_ends << stop;
        start = next;
    }
    // Blank lines at the end are what an editor leaves, not records.
    while (!m_starts.isEmpty()) {
        const QByteArray last = m_bytes.mid(m_starts.last(), m_ends.last() - m_starts.last());
        if (!last.trimmed().isEmpty())
            break;
        m_starts.removeLast();
        m_ends.removeLast();
    }
}

Line LineReader::line(int index) const
{
    Line line;
    line.lineNumber = index + 1;
    if (index < 0 || index >= lineCount())
        return line;
    const qsizetype end = m_ends.at(index);
    qsizetype pos = m_starts.at(index);
    auto skipBlanks = [&] {
        while (pos < end && (m_bytes.at(pos) == ' ' || m_bytes.at(pos) == '\t'))
            ++pos;
    };
    skipBlanks();
    if (pos >= end)
        return line; // a blank line holds no values
    for (;;) {
        skipBlanks();
        Field field;
        QByteArray raw;
        if (pos < end && m_bytes.at(pos) == '"') {
            field.quoted = true;
            qsizetype close = m_bytes.indexOf('"', pos + 1);
            if (close < 0 || close >= end) {
                close = end;
                line.wellFormed = false;
            }
            raw = m_bytes.mid(pos + 1, close - pos - 1);
            pos = close < end ? close + 1 : end;
            while (pos < end && m_bytes.at(pos) != ',') {
                line.wellFormed = false;
                ++pos;
            }
        } else {
            for (; pos < end && m_bytes.at(pos) != ','; ++pos) {
                const char c = m_bytes.at(pos);
                if (c == '"')
                    raw.append('\''); // as the writer would store it: the format cannot hold it
                else if (c != '\t' && c != '\r')
                    raw.append(c);
            }
        }
        field.text = decodeCodePage(raw);
        line.fields << field;
        if (pos >= end)
            return line;
        ++pos; // the comma: another value follows, perhaps an empty one
    }
}

char *LineWriter::room(qsizetype count)
{
    if (m_bytes.size() - m_used < count)
        m_bytes.resize(std::max(2 * m_bytes.size(), m_used + count + 4096));
    return m_bytes.data() + m_used;
}

void LineWriter::reserve(qsizetype size)
{
    if (size > m_bytes.size())
        m_bytes.resize(size);
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
        return QStringLiteral("line ") + shown.first();
    if (numbers.size() > kShown)
        return QStringLiteral("lines %1, ... (%2 lines)").arg(shown.join(QStringLiteral(", "))).arg(numbers.size());
    const QString last = shown.takeLast();
    return QStringLiteral("lines %1 and %2").arg(shown.join(QStringLiteral(", ")), last);
}

} // namespace qm
