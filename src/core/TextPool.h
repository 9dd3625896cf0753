#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

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
    // The number of the text that the file bytes `bytes` decode to, one more user counted.
    quint32 acquireEncoded(QByteArrayView bytes)
    {
        if (bytes.isEmpty())
            return 0;
        const quint32 id = m_byBytesStale ? 0 : findEncoded(bytes);
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
    QByteArrayView encoded(quint32 id) const { return m_encoded[id]; }
    // The encoded bytes of every user together: what the cells take in a file.
    qint64 encodedTotal() const { return m_encodedTotal; }
    // Drops every text.
    void clear();
    qsizetype size() const { return m_ids.size(); }

private:
    static constexpr quint32 kChunkBits = 8;
    static constexpr quint32 kChunkSize = 1u << kChunkBits;
    QString &slot(quint32 id) { return m_chunks[id >> kChunkBits][id & (kChunkSize - 1)]; }
    quint32 take(quint32 id)
    {
        ++m_users[id];
        m_encodedTotal += m_encoded[id].size();
        return id;
    }
    quint32 acquireNewEncoded(QByteArrayView bytes);
    void releaseText(quint32 id);

    // Texts that read back from their bytes are found by their bytes: a table
    // of open addressing whose places hold the first eight bytes and the size
    // of their text, so that a short text is found without comparing memory.
    struct BytePlace
    {
        quint64 head = 0;
        qsizetype size = 0;
        quint32 id = 0; // 0: a free place
    };
    // The first eight bytes (all of a shorter text), read in at most two loads.
    static quint64 headOf(QByteArrayView bytes)
    {
        const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
        const qsizetype n = bytes.size();
        if (n >= 8) {
            quint64 head;
            std::memcpy(&head, b, 8);
            return head;
        }
        if (n >= 4) {
            quint32 first;
            quint32 last;
            std::memcpy(&first, b, 4);
            std::memcpy(&last, b + n - 4, 4);
            return first | (quint64(last) << (8 * (n - 4)));
        }
        if (n == 0)
            return 0;
        return b[0] | (quint64(b[n / 2]) << (8 * (n / 2))) | (quint64(b[n - 1]) << (8 * (n - 1)));
    }
    static std::size_t hashOf(QByteArrayView bytes, quint64 head)
    {
        quint64 x = head ^ (quint64(bytes.size()) << 59);
        if (bytes.size() > 8)
            x ^= qHash(bytes.sliced(8));
        x *= 0x9E3779B97F4A7C15ull;
        return std::size_t(x >> 32);
    }
    quint32 findEncoded(QByteArrayView bytes) const
    {
        if (m_byBytes.empty())
            return 0;
        const quint64 head = headOf(bytes);
        const std::size_t mask = m_byBytes.size() - 1;
        for (std::size_t at = hashOf(bytes, head) & mask;; at = (at + 1) & mask) {
            const BytePlace &place = m_byBytes[at];
            if (place.id == 0)
                return 0;
            if (place.head == head && place.size == bytes.size() &&
                (bytes.size() <= 8 || bytes.sliced(8) == QByteArrayView(m_encoded[place.id]).sliced(8)))
                return place.id;
        }
    }
    void indexBytes(quint32 id);
    void rebuildByteIndex();

    // In chunks of fixed size: growing the pool moves no text.
    std::vector<std::unique_ptr<QString[]>> m_chunks;
    quint32 m_count = 0;
    std::vector<quint32> m_users;
    std::vector<QByteArray> m_encoded;
    std::vector<quint32> m_free;
    QHash<QString, quint32> m_ids;
    // Open addressing by the hash of the encoded bytes; 0 marks a free place.
    std::vector<BytePlace> m_byBytes; // a power of two in size, at most half full
    quint32 m_byBytesUsed = 0;
    bool m_byBytesStale = false; // a text was dropped: rebuilt before the next look-up
    qint64 m_encodedTotal = 0;
};

} // namespace qm
