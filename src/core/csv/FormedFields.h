#pragma once

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <vector>

namespace qm {

// CSV fields formed once and written many times. They lie side by side in one
// block that stays readable for kShort bytes past every field's start, so a
// short field, the most of them, is copied in one move of a fixed size.
class FormedFields
{
public:
    static constexpr qsizetype kShort = 32;

    FormedFields() : m_bytes(kShort, '\0') {}

    // The field's number.
    int add(QByteArrayView field)
    {
        const qsizetype offset = qsizetype(m_bytes.size()) - kShort;
        m_bytes.resize(std::size_t(offset));
        m_bytes.insert(m_bytes.end(), field.begin(), field.end());
        m_bytes.resize(m_bytes.size() + std::size_t(kShort), '\0');
        m_places.push_back({offset, field.size()});
        return int(m_places.size()) - 1;
    }
    // The room write() may need for the field.
    qsizetype room(int field) const { return std::max(m_places[std::size_t(field)].size, kShort); }
    // Writes the field at `out`, where room() bytes are free; returns where it ends.
    char *write(int field, char *out) const
    {
        const Place &place = m_places[std::size_t(field)];
        const char *from = m_bytes.data() + place.offset;
        if (place.size <= kShort)
            std::memcpy(out, from, kShort);
        else
            std::memcpy(out, from, std::size_t(place.size));
        return out + place.size;
    }

private:
    struct Place
    {
        qsizetype offset;
        qsizetype size;
    };
    std::vector<char> m_bytes; // the fields, then kShort zero bytes
    std::vector<Place> m_places;
};

} // namespace qm
