#pragma once

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace qm {

// Keeps one copy of each distinct text and hands out small numbers for them.
// A ledger repeats a few texts a great deal ("c", "Full", the status words,
// the sales people's names): its cells hold these numbers instead of a string
// each. Number 0 is the empty text. Each number counts its users; a text whose
// last user lets go is dropped and its number reused.
class TextPool
{
public:
    TextPool();
    TextPool(const TextPool &other);
    TextPool &operator=(const TextPool &other);

    // The number of `text`, one more user counted.
    quint32 acquire(const QString &text);
    // One user fewer; the text is dropped when none is left.
    void release(quint32 id);
    // Stays where it is until the text is dropped.
    const QString &text(quint32 id) const { return m_chunks[id >> kChunkBits][id & (kChunkSize - 1)]; }
    // Drops every text.
    void clear();
    qsizetype size() const { return m_ids.size(); }

private:
    static constexpr quint32 kChunkBits = 8;
    static constexpr quint32 kChunkSize = 1u << kChunkBits;
    QString &slot(quint32 id) { return m_chunks[id >> kChunkBits][id & (kChunkSize - 1)]; }

    // In chunks of fixed size: growing the pool moves no text.
    std::vector<std::unique_ptr<QString[]>> m_chunks;
    quint32 m_count = 0;
    std::vector<quint32> m_users;
    std::vector<quint32> m_free;
    QHash<QString, quint32> m_ids;
};

} // namespace qm
