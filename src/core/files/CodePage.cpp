#include "core/files/CodePage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace qm {

namespace {

// Bytes 0x80..0x9F. The five bytes Windows leaves undefined map to the C1
// control of the same number, so they still survive a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

static_assert(std::ranges::max(kHighControls) == 0x2122);

char encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    if (c > 0x2122)
        return '?'; // beyond the last character of the table, as the checkmark is
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

void decodeCodePageInto(QByteArrayView bytes, QString &text)
{
    text.resize(bytes.size());
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        // Bytes below 0x80 and from 0xA0 are the character of that number.
        *out++ = (u & 0xE0) == 0x80 ? kHighControls[u - 0x80] : char16_t(u);
    }
}

QString decodeCodePage(QByteArrayView bytes)
{
    QString text;
    decodeCodePageInto(bytes, text);
    return text;
}

char *encodeCodePageTo(QStringView text, char *out, bool quoteToApostrophe)
{
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    const char quote = quoteToApostrophe ? '\'' : '"';
    while (in != end) {
        if constexpr (std::endian::native == std::endian::little) {
            // Four characters at a time while they are plain ASCII without a double quote.
            constexpr quint64 kOnes = 0x0001000100010001ull;
            while (end - in >= 4) {
                quint64 word;
                std::memcpy(&word, in, 8);
                const quint64 quotes = word ^ (kOnes * '"'); // a zero character where a quote stands
                if ((word & (kOnes * 0xFF80)) != 0 || ((quotes - kOnes) & ~quotes & (kOnes << 15)) != 0)
                    break;
                out[0] = char(word);
                out[1] = char(word >> 16);
                out[2] = char(word >> 32);
                out[3] = char(word >> 48);
                in += 4;
                out += 4;
            }
            if (in == end)
                break;
        }
        const char16_t c = *in++;
        if (c < 0x80) {
            *out++ = c == '"' ? quote : char(c);
            continue;
        }
        // A character outside the basic plane is one "?", not two.
        if (QChar::isHighSurrogate(c) && in != end && QChar::isLowSurrogate(*in))
            ++in;
        *out++ = encodeOne(c);
    }
    return out;
}

void appendCodePage(QStringView text, QByteArray &bytes)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char *const end = encodeCodePageTo(text, bytes.data() + start);
    bytes.truncate(end - bytes.constData());
}

QByteArray encodeCodePage(QStringView text)
{
    QByteArray bytes;
    appendCodePage(text, bytes);
    return bytes;
}

} // namespace qm
