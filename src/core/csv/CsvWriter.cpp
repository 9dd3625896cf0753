#include "core/csv/CsvWriter.h"

#include "core/LargePages.h"

#include "core/files/NumberFormat.h"
#include "core/rules/DateRules.h"

#include <algorithm>
#include <cstring>

namespace qm {

namespace {

bool needsQuotes(QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; }

bool startsLikeFormula(QStringView text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// Digits of at most 15 places (so a double holds them exactly), without a
// leading zero unless it is the only one.
bool plainDigits(QStringView digits)
{
    if (digits.size() > 15 || (digits.size() > 1 && digits.front() == u'0'))
        return false;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

CsvWriter::CsvWriter(qsizetype expectedBytes, Start start)
{
    if (expectedBytes > 0) {
        m_bytes.resize(expectedBytes + 3);
        preferLargePages(m_bytes.data(), m_bytes.size());
    }
    if (start == Start::ByteOrderMark)
        append("\xEF\xBB\xBF");
}

void CsvWriter::grow(qsizetype n) { m_bytes.resize(std::max(m_size + n, 2 * m_bytes.size())); }

void CsvWriter::append(QByteArrayView bytes)
{
    std::memcpy(room(bytes.size()), bytes.data(), std::size_t(bytes.size()));
    m_size += bytes.size();
}

void CsvWriter::separate()
{
    if (!m_first)
        append(",");
    m_first = false;
}

void CsvWriter::ascii(QStringView plain)
{
    char *out = room(plain.size());
    for (QChar c : plain)
        *out++ = char(c.unicode());
    m_size += plain.size();
}

void CsvWriter::field(QStringView text)
{
    separate();
    bool plain = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80 || needsQuotes(c)) {
            plain = false;
            break;
        }
    }
    if (plain) {
        ascii(text);
        return;
    }
    append(csvField(text.toString()).toUtf8());
}

void CsvWriter::text(QStringView text)
{
    if (!startsLikeFormula(text)) {
        field(text);
        return;
    }
    field(QString(QLatin1Char('\'')).append(text));
}

void CsvWriter::amount(QStringView cell)
{
    // As the program writes amounts ("300.00", ".50"): the same digits, with a
    // zero before the point; anything else by its leading number.
    const qsizetype point = cell.size() - 3;
    auto digit = [&cell](qsizetype i) { return cell.at(i) >= u'0' && cell.at(i) <= u'9'; };
    if (point >= 0 && cell.at(point) == u'.' && digit(point + 1) && digit(point + 2) &&
        plainDigits(cell.left(point))) {
        separate();
        if (point == 0)
            append("0");
        ascii(cell);
        return;
    }
    if (cell.trimmed().isEmpty()) {
        field(QStringView());
        return;
    }
    field(QString::number(leadingNumber(cell.toString()), 'f', 2));
}

void CsvWriter::money(double value)
{
    char cents[kWholeCentsRoom];
    const char *at = writeWholeCents(value, cents + sizeof cents);
    if (!at) {
        amount(formatMoney(value));
        return;
    }
    separate();
    // A plain number: "-0.50", not "-.50".
    if (*at == '-') {
        append("-");
        ++at;
    }
    if (*at == '.')
        append("0");
    append(QByteArrayView(at, cents + sizeof cents - at));
}

void CsvWriter::count(QStringView cell)
{
    if (!cell.isEmpty() && plainDigits(cell)) {
        separate();
        ascii(cell);
        return;
    }
    if (cell.trimmed().isEmpty()) {
        field(QStringView());
        return;
    }
    field(QString::number(leadingNumber(cell.toString()), 'g', 15));
}

void CsvWriter::date(const QString &stored)
{
    const int key = stored.trimmed().isEmpty() ? 0 : dateKeyOf(stored);
    if (key == 0) {
        text(stored);
        return;
    }
    field(QStringLiteral("%1-%2-%3")
              .arg(key / 10000, 4, 10, QLatin1Char('0'))
              .arg(key / 100 % 100, 2, 10, QLatin1Char('0'))
              .arg(key % 100, 2, 10, QLatin1Char('0')));
}

QString csvField(const QString &text)
{
    bool quote = false;
    for (QChar c : text)
        quote = quote || needsQuotes(c);
    if (!quote)
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace qm
