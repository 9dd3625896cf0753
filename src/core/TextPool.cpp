#include "core/TextPool.h"

#include "core/files/CodePage.h"

#include <algorithm>
#include <bit>

namespace qm {

namespace {

QByteArray fileBytes(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *const end = encodeCodePageTo(text, bytes.data(), true);
    bytes.truncate(end - bytes.constData());
    return bytes;
}

} // namespace

TextPool::TextPool()
{
    clear();
}

TextPool::TextPool(const TextPool &other) { *this = other; }

TextPool &TextPool::operator=(const TextPool &other)
{
    if (this == &other)
        return *this;
    m_chunks.clear();
    for (const auto &chunk : other.m_chunks) {
        m_chunks.push_back(std::make_unique<QString[]>(kChunkSize));
        std::copy(chunk.get(), chunk.get() + kChunkSize, m_chunks.back().get());
    }
    m_count = other.m_count;
    m_users = other.m_users;
    m_encoded = other.m_encoded;
    m_free = other.m_free;
    m_ids = other.m_ids;
    m_byBytes = other.m_byBytes;
    m_byBytesUsed = other.m_byBytesUsed;
    m_byBytesStale = other.m_byBytesStale;
    m_longest = other.m_longest;
    return *this;
}

quint32 TextPool::acquire(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const auto found = m_ids.constFind(text);
    if (found != m_ids.cend())
        return take(found.value());
    quint32 id;
    if (!m_free.empty()) {
        id = m_free.back();
        m_free.pop_back();
    } else {
        id = m_count++;
        if ((id >> kChunkBits) == m_chunks.size())
            m_chunks.push_back(std::make_unique<QString[]>(kChunkSize));
        m_users.push_back(0);
        m_encoded.emplace_back();
    }
    slot(id) = text;
    // The pool keeps its own copy, sized to the text, whatever buffer the text came in.
    slot(id).squeeze();
    m_encoded[id].set(fileBytes(text));
    m_longest = std::max(m_longest, m_encoded[id].bytes.size());
    m_ids.insert(slot(id), id);
    if (!m_byBytesStale && decodeCodePage(m_encoded[id].bytes) == text)
        indexBytes(id);
    return take(id);
}

quint32 TextPool::acquireNewEncoded(QByteArrayView bytes)
{
    if (m_byBytesStale)
        rebuildByteIndex();
    if (const quint32 id = findEncoded(bytes, keyOf(bytes, bytes.data() + bytes.size())))
        return take(id);
    // A text seen for the first time; every byte decodes to a character that
    // encodes back to it, so acquire() indexes it by these bytes.
    return acquire(decodeCodePage(bytes));
}

void TextPool::FileBytes::set(const QByteArray &encoded)
{
    bytes = encoded;
    start.fill(0);
    std::copy_n(encoded.cbegin(), std::min<qsizetype>(encoded.size(), kShort), start.begin());
}

void TextPool::indexBytes(quint32 id)
{
    if (2 * (m_byBytesUsed + 1) > m_byBytes.size()) {
        std::vector<quint32> ids;
        ids.reserve(m_byBytesUsed);
        for (const BytePlace &kept : m_byBytes) {
            if (kept.id != 0)
                ids.push_back(kept.id);
        }
        m_byBytes.assign(std::bit_ceil(std::max<std::size_t>(64, 4 * (std::size_t(m_byBytesUsed) + 1))), BytePlace());
        m_byBytesUsed = 0;
        for (const quint32 kept : ids)
            indexBytes(kept);
    }
    const QByteArrayView bytes = m_encoded[id].bytes;
    const ByteKey key = keyOf(bytes, bytes.data() + bytes.size());
    const std::size_t mask = m_byBytes.size() - 1;
    std::size_t at = hashOf(bytes, key) & mask;
    while (m_byBytes[at].id != 0)
        at = (at + 1) & mask;
    m_byBytes[at] = BytePlace{key, bytes.size(), id};
    ++m_byBytesUsed;
}
void TextPool::rebuildByteIndex()
{
    m_byBytes.clear();
    m_byBytesUsed = 0;
    m_byBytesStale = false;
    for (quint32 id = 1; id < m_count; ++id) {
        if (m_users[id] > 0 && decodeCodePage(m_encoded[id].bytes) == text(id))
            indexBytes(id);
    }
}

qint64 TextPool::encodedTotal() const
{
    qint64 total = 0;
    for (quint32 id = 1; id < m_count; ++id)
        total += qint64(m_users[id]) * m_encoded[id].bytes.size();
    return total;
}

void TextPool::releaseText(quint32 id)
{
    if (--m_users[id] > 0)
        return;
    m_ids.remove(slot(id));
    slot(id) = QString();
    m_encoded[id] = FileBytes();
    m_free.push_back(id);
    m_byBytesStale = true;
}

void TextPool::clear()
{
    m_chunks.clear();
    m_chunks.push_back(std::make_unique<QString[]>(kChunkSize)); // number 0, the empty text
    m_count = 1;
    m_users.assign(1, 0);
    m_encoded.assign(1, FileBytes());
    m_free.clear();
    m_ids.clear();
    m_byBytes.clear();
    m_byBytesUsed = 0;
    m_byBytesStale = false;
    m_longest = 0;
}

} // namespace qm
