#pragma once

#include <QtGlobal>

#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define QM_QUOTE_SCANNER_SSE2 1
#endif

namespace qm {

// Finds the double quotes and line ends of a data file 64 bytes at a time:
// each block of bytes becomes one word with a bit for each quote or line-end
// byte, so that finding the end of a value costs the same whatever its length.
class QuoteScanner
{
public:
    QuoteScanner() = default;
    // Scans [begin, end) for double quotes and `stop` bytes.
    QuoteScanner(const char *begin, const char *end, char stop) : m_end(end), m_stop(stop) { load(begin); }

    // Looks from `at` on.
    void seek(const char *at)
    {
        const qsizetype offset = at - m_block;
        if (offset >= 0 && offset < kBlock)
            m_left = m_found & (~quint64(0) << offset);
        else
            load(at);
    }
    // The next double quote or stop byte, or the end. Each call takes one: the
    // next call goes on from there.
    const char *next()
    {
        while (m_left == 0) {
            if (m_end - m_block <= kBlock)
                return m_end;
            load(m_block + kBlock);
        }
        const char *const at = m_block + std::countr_zero(m_left);
        m_left &= m_left - 1;
        return at;
    }

private:
    static constexpr qsizetype kBlock = 64;

    void load(const char *block)
    {
        m_block = block;
        if (block >= m_end) {
            m_found = 0;
        } else if (m_end - block >= kBlock) {
            m_found = scan(block);
        } else {
            // The last bytes, padded with zeros, which are neither quotes nor line ends.
            char tail[kBlock] = {};
            std::memcpy(tail, block, std::size_t(m_end - block));
            m_found = scan(tail);
        }
        m_left = m_found;
    }

    quint64 scan(const char *bytes) const
    {
        quint64 found = 0;
#ifdef QM_QUOTE_SCANNER_SSE2
        const __m128i quotes = _mm_set1_epi8('"');
        const __m128i stops = _mm_set1_epi8(m_stop);
        for (int i = 0; i < 4; ++i) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + 16 * i));
            const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(x, quotes), _mm_cmpeq_epi8(x, stops));
            found |= quint64(quint32(_mm_movemask_epi8(hits)) & 0xFFFF) << (16 * i);
        }
#else
        for (int i = 0; i < 8; ++i) {
            unsigned char word[8];
            std::memcpy(word, bytes + 8 * i, 8);
            for (int k = 0; k < 8; ++k) {
                if (word[k] == '"' || word[k] == static_cast<unsigned char>(m_stop))
                    found |= quint64(1) << (8 * i + k);
            }
        }
#endif
        return found;
    }

    const char *m_block = nullptr;
    quint64 m_found = 0; // a bit for each quote or stop byte of the block
    quint64 m_left = 0; // those not yet taken by next()
    const char *m_end = nullptr;
    char m_stop = '\n';
};

} // namespace qm
