#include "core/TextPool.h"

namespace qm {

TextPool::TextPool()
{
    m_texts.emplace_back();
    m_users.push_back(0);
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
        m_texts[id] = text;
    } else {
        id = quint32(m_texts.size());
        m_texts.push_back(text);
        m_users.push_back(0);
    }
    // The pool keeps its own copy, sized to the text, whatever buffer the text came in.
    m_texts[id].squeeze();
    m_users[id] = 1;
    m_ids.insert(m_texts[id], id);
    return id;
}

void TextPool::release(quint32 id)
{
    if (id == 0 || --m_users[id] > 0)
        return;
    m_ids.remove(m_texts[id]);
    m_texts[id] = QString();
    m_free.push_back(id);
}

void TextPool::clear()
{
    m_texts.resize(1);
    m_users.resize(1);
    m_free.clear();
    m_ids.clear();
}

} // namespace qm
