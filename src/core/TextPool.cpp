#include "core/TextPool.h"

#include <algorithm>

namespace qm {

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
    m_free = other.m_free;
    m_ids = other.m_ids;
    return *this;
}

quint32 TextPool::acquire(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const auto found = m_ids.constFind(text);
    if (found != m_ids.cend()) {
        ++m_users[found.value()];
        return found.value();
    }
    quint32 id;
    if (!m_free.empty()) {
        id = m_free.back();
        m_free.pop_back();
    } else {
        id = m_count++;
        if ((id >> kChunkBits) == m_chunks.size())
            m_chunks.push_back(std::make_unique<QString[]>(kChunkSize));
        m_users.push_back(0);
    }
    slot(id) = text;
    // The pool keeps its own copy, sized to the text, whatever buffer the text came in.
    slot(id).squeeze();
    m_users[id] = 1;
    m_ids.insert(slot(id), id);
    return id;
}

void TextPool::release(quint32 id)
{
    if (id == 0 || --m_users[id] > 0)
        return;
    m_ids.remove(slot(id));
    slot(id) = QString();
    m_free.push_back(id);
}

void TextPool::clear()
{
    m_chunks.clear();
    m_chunks.push_back(std::make_unique<QString[]>(kChunkSize)); // number 0, the empty text
    m_count = 1;
    m_users.assign(1, 0);
    m_free.clear();
    m_ids.clear();
}

} // namespace qm
