#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <vector>

namespace qm {

// Keeps one copy of each distinct text and hands out small numbers for them.
// A ledger repeats a few texts a great deal ("c", "Full", the status words,
// the sales people's names): its cells hold these numbers instead of a string
// each. Number 0 is the empty text. Each number counts its users; a text whose
// last user lets go is dropped and its number reused.
//
// Beside each text the pool keeps its bytes as the data files hold them (the
// code page, a double quote written as an apostrophe), so that a file is
// written without encoding a cell twice and read without decoding a text the
// pool already holds.
class TextPool
{
public:
    TextPool();
    TextPool(const TextPool &other);
    TextPool &operator=(const TextPool &other);

    // The number of `text`, one more user counted.
    quint32 acquire(const QString &text);
    // The number of the text that the file bytes `bytes` decode to, one more
    // user counted. The bytes up to `readableEnd` may be read (a short text is
    // then taken in one load); without it, only the text's own.
    quint32 acquireEncoded(QByteArrayView bytes, const char *readableEnd = nullptr)
    {
        if (bytes.isEmpty())
            return 0;
        const ByteKey key = keyOf(bytes, readableEnd ? readableEnd : bytes.data() + bytes.size());
        const quint32 id = m_byBytesStale ? 0 : findEncoded(bytes, key);
        return id != 0 ? take(id) : acquireNewEncoded(bytes);
    }
    // One user fewer; the text is dropped when none is left.
    void release(quint32 id)
    {
        if (id != 0)
            releaseText(id);
    }
    // Stays where it is until the text is dropped.
    const QString &text(quint32 id) const { return m_chunks[id >> kChunkBits][id & (kChunkSize - 1)]; }
    // The text's bytes in a data file, without the quotes around them.
    QByteArrayView encoded(quint32 id) const { return m_encoded[id].bytes; }
    // The room writeQuoted() may need for `count` texts.
    qsizetype quotedRoom(int count) const { return qsizetype(count) * (std::max(kShort, m_longest) + 3); }
    // Writes the texts at `out` as a data file holds them, each in double
    // quotes and a comma after each but the last; `out` has quotedRoom() bytes
    // free. Returns where they end.
    char *writeQuoted(const quint32 *ids, int count, char *out) const
    {
        const FileBytes *const table = m_encoded.data();
        for (int k = 0; k < count; ++k) {
            const FileBytes &file = table[ids[k]];
            const qsizetype size = file.bytes.size();
            *out++ = '"';
            // A short text, the most of a ledger's, in one copy of a fixed size.
            if (size <= kShort)
                std::memcpy(out, file.start.data(), kShort);
            else
                std::memcpy(out, file.bytes.constData(), std::size_t(size));
            out += size;
            *out++ = '"';
            *out++ = ',';
        }
        return count > 0 ? out - 1 : out;
    }
    // The encoded bytes of every user together: what the cells take in a file.
    qint64 encodedTotal() const;
    // Drops every text.
    void clear();
    qsizetype size() const { return m_ids.size(); }
    // Every number handed out is below this.
    quint32 numberLimit() const { return m_count; }

private:
    static constexpr quint32 kChunkBits = 8;
    static constexpr quint32 kChunkSize = 1u << kChunkBits;
    QString &slot(quint32 id) { return m_chunks[id >> kChunkBits][id & (kChunkSize - 1)]; }
    quint32 take(quint32 id)
    {
        ++m_users[id];
        return id;
    }
    quint32 acquireNewEncoded(QByteArrayView bytes);
    void releaseText(quint32 id);

    // Texts that read back from their bytes are found by their bytes: a table
    // of open addressing whose places hold the first and the last eight bytes
    // and the size of their text, so that a text of up to 16 bytes is found
    // without comparing memory.
    struct ByteKey
    {
        quint64 head = 0; // the first eight bytes, zero beyond a shorter text's end
        quint64 tail = 0; // the last eight of a text of eight bytes or more
    };
    struct BytePlace
    {
        ByteKey key;
        qsizetype size = 0;
        quint32 id = 0; // 0: a free place
    };
    static ByteKey keyOf(QByteArrayView bytes, const char *readableEnd)
    {
        const char *const b = bytes.data();
        const qsizetype n = bytes.size();
        ByteKey key;
        if (n >= 8) {
            std::memcpy(&key.head, b, 8);
            std::memcpy(&key.tail, b + n - 8, 8);
        } else if (n > 0 && readableEnd - b >= 8) {
            std::memcpy(&key.head, b, 8);
            // Keeps the first n bytes in memory: the low ones on a little-endian machine.
            key.head &= std::endian::native == std::endian::little ? ~quint64(0) >> (64 - 8 * n)
                                                                   : ~quint64(0) << (64 - 8 * n);
        } else {
            std::memcpy(&key.head, b, std::size_t(n));
        }
        return key;
    }
    static std::size_t hashOf(QByteArrayView bytes, const ByteKey &key)
    {
        quint64 x = (key.head ^ (quint64(bytes.size()) << 56)) * 0x9E3779B97F4A7C15ull;
        x ^= std::rotl(key.tail * 0xC2B2AE3D27D4EB4Full, 31);
        if (bytes.size() > 16)
            x ^= qHash(bytes.sliced(8, bytes.size() - 16));
        x *= 0x9E3779B97F4A7C15ull;
        return std::size_t(x >> 32);
    }
    quint32 findEncoded(QByteArrayView bytes, const ByteKey &key) const
    {
        if (m_byBytes.empty())
            return 0;
        const std::size_t mask = m_byBytes.size() - 1;
        for (std::size_t at = hashOf(bytes, key) & mask;; at = (at + 1) & mask) {
            const BytePlace &place = m_byBytes[at];
            if (place.id == 0)
                return 0;
            if (place.key.head == key.head && place.key.tail == key.tail && place.size == bytes.size() &&
                (bytes.size() <= 16 ||
                 bytes.sliced(8, bytes.size() - 16) == QByteArrayView(m_encoded[place.id].bytes).sliced(8, bytes.size() - 16)))
                return place.id;
        }
    }
    void indexBytes(quint32 id);
    void rebuildByteIndex();

    // In chunks of fixed size: growing the pool moves no text.
    std::vector<std::unique_ptr<QString[]>> m_chunks;
    quint32 m_count = 0;
    std::vector<quint32> m_users;
    static constexpr qsizetype kShort = 32;
    // A text's bytes in a data file; the first 32 (all of a short text) also
    // at hand in `start`, padded with zeros.
    struct FileBytes
    {
        QByteArray bytes;
        std::array<char, kShort> start{};
        void set(const QByteArray &encoded);
    };
    std::vector<FileBytes> m_encoded;
    qsizetype m_longest = 0; // no text's file bytes are longer, since the last clear()
    std::vector<quint32> m_free;
    QHash<QString, quint32> m_ids;
    // Open addressing by the hash of the encoded bytes; 0 marks a free place.
    std::vector<BytePlace> m_byBytes; // a power of two in size, at most half full
    quint32 m_byBytesUsed = 0;
    bool m_byBytesStale = false; // a text was dropped: rebuilt before the next look-up
};

} // namespace qm
