#include "core/csv/CsvWriter.h"

#include "core/LargePages.h"

#include "core/files/NumberFormat.h"
#include "core/rules/DateRules.h"

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

CsvWriter::CsvWriter(qsizetype expectedBytes)
{
    m_bytes.reserve(expectedBytes + 3);
    preferLargePages(m_bytes.data(), m_bytes.capacity());
    m_bytes.append("\xEF\xBB\xBF");
}

void CsvWriter::separate()
{
    if (!m_first)
        m_bytes.append(',');
    m_first = false;
}

void CsvWriter::ascii(QStringView plain)
{
    const qsizetype at = m_bytes.size();
    m_bytes.resize(at + plain.size());
    char *out = m_bytes.data() + at;
    for (QChar c : plain)
        *out++ = char(c.unicode());
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
    m_bytes.append(csvField(text.toString()).toUtf8());
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
            m_bytes.append('0');
        ascii(cell);
        return;
    }
    if (cell.trimmed().isEmpty()) {
        field(QStringView());
        return;
    }
    field(QString::number(leadingNumber(cell.toString()), 'f', 2));
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

void CsvWriter::endRecord()
{
    m_bytes.append("\r\n");
    m_first = true;
    ++m_records;
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
