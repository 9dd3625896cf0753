#include "core/files/NumberFormat.h"

#include <cmath>
#include <cstdio>

namespace qm {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A finite, non-negative value as its 15 significant decimal digits and the
// power of ten of the first digit: 1250 -> ("125000000000000", 3).
struct Decimal
{
    QByteArray digits;
    int exponent = 0;
};

Decimal toDecimal(double magnitude)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    const QByteArray text(buffer);
    const int e = text.indexOf('e');
    Decimal d;
    d.digits = text.left(e).replace(".", "");
    d.exponent = text.mid(e + 1).toInt();
    return d;
}

// Digits of the value with `decimals` places after the point, the whole part
// first; rounded half away from zero on the decimal digits themselves, so 1.005
// gives 1.01 as a person would expect.
QByteArray fixedDigits(const Decimal &d, int decimals, int *wholeDigits)
{
    const int whole = std::max(0, d.exponent + 1);
    const int leadingZeros = std::max(0, -(d.exponent + 1));
    QByteArray all = QByteArray(leadingZeros, '0') + d.digits;
    const int wanted = whole + decimals;
    if (all.size() < wanted)
        all += QByteArray(wanted - all.size(), '0');
    const bool roundUp = all.size() > wanted && all.at(wanted) >= '5';
    QByteArray kept = all.left(wanted);
    if (roundUp) {
        int i = kept.size() - 1;
        while (i >= 0 && kept.at(i) == '9') {
            kept[i] = '0';
            --i;
        }
        if (i >= 0)
            kept[i] = char(kept.at(i) + 1);
        else {
            kept.prepend('1');
            *wholeDigits = whole + 1;
            return kept;
        }
    }
    *wholeDigits = whole;
    return kept;
}

QString signedText(double value, const QByteArray &magnitudeText)
{
    const bool allZero = magnitudeText.count('0') + magnitudeText.count('.') == magnitudeText.size();
    return QString::fromLatin1((value < 0 && !allZero) ? "-" + magnitudeText : magnitudeText);
}

} // namespace

double leadingNumber(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\r' || text[i] == u'\n'))
        ++i;
    const int start = i;
    const bool negative = i < n && text[i] == u'-';
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int mantissaDigits = 0;
    int decimals = 0;
    quint64 mantissa = 0; // the digits as a whole number while it stays exact
    while (i < n && isDigit(text[i])) {
        mantissa = mantissa * 10 + quint64(text[i].unicode() - u'0');
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            mantissa = mantissa * 10 + quint64(text[i].unicode() - u'0');
            ++i;
            ++mantissaDigits;
            ++decimals;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    const bool exponent = i < n && (text[i] == u'e' || text[i] == u'E');
    // Up to 15 digits and no exponent, the whole number and the power of ten
    // are exact doubles, and one division rounds as the full conversion does.
    if (!exponent && mantissaDigits <= 15) {
        static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double value = double(mantissa) / kPowersOfTen[decimals];
        return negative ? -value : value;
    }
    int end = i;
    if (exponent) {
        int j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const int expStart = j;
        while (j < n && isDigit(text[j]))
            ++j;
        if (j > expStart)
            end = j;
    }
    bool ok = false;
    const double value = QStringView(text).mid(start, end - start).toDouble(&ok);
    if (ok && std::isfinite(value))
        return value;
    // An exponent too large for a double: keep the sign, saturate.
    if (!ok && value != 0 && !std::isnan(value))
        return value;
    return 0;
}

char *writeWholeCents(double value, char *end)
{
    // Most amounts are the double nearest to a whole number of cents. With at
    // most 15 digits its 15 significant digits are those of the cents, so the
    // cents are the text, without the digits' round trip of formatMoney.
    if (!std::isfinite(value))
        return nullptr;
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e12)
        return nullptr;
    const qint64 cents = std::llround(magnitude * 100);
    if (double(cents) / 100 != magnitude)
        return nullptr;
    char *at = end;
    *--at = char('0' + cents % 10);
    *--at = char('0' + cents / 10 % 10);
    *--at = '.';
    for (qint64 whole = cents / 100; whole > 0; whole /= 10)
        *--at = char('0' + whole % 10);
    if (value < 0 && cents != 0)
        *--at = '-';
    return at;
}

QString formatMoney(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral(".00");
    char cents[kWholeCentsRoom];
    if (const char *at = writeWholeCents(value, cents + sizeof cents))
        return QString::fromLatin1(at, cents + sizeof cents - at);
    int whole = 0;
    const QByteArray digits = fixedDigits(toDecimal(std::fabs(value)), 2, &whole);
    QByteArray text = digits.left(whole);
    while (text.size() > 0 && text.at(0) == '0')
        text.remove(0, 1);
    text += '.' + digits.mid(whole);
    return signedText(value, text);
}

QString formatFileNumber(double value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    const Decimal d = toDecimal(std::fabs(value));
    const int decimals = std::max(0, int(d.digits.size()) - 1 - d.exponent);
    int whole = 0;
    const QByteArray digits = fixedDigits(d, decimals, &whole);
    QByteArray integerPart = digits.left(whole);
    while (integerPart.size() > 0 && integerPart.at(0) == '0')
        integerPart.remove(0, 1);
    QByteArray fraction = digits.mid(whole);
    while (fraction.endsWith('0'))
        fraction.chop(1);
    QByteArray text = integerPart;
    if (!fraction.isEmpty())
        text += '.' + fraction;
    if (text.isEmpty())
        return QStringLiteral("0");
    return signedText(value, text);
}

} // namespace qm
