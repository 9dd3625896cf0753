#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstring>

namespace qm {

// Writes a CSV file's bytes as they come: UTF-8 with a byte-order mark (so
// spreadsheets read the letters right), fields separated by commas, each field
// in double quotes (inner quotes doubled) when it holds a comma, a quote or a
// line break, every record ended by CR LF.
class CsvWriter
{
public:
    enum class Start { ByteOrderMark, Bare };
    explicit CsvWriter(qsizetype expectedBytes = 0, Start start = Start::ByteOrderMark);

    // A field as it is.
    void field(QStringView text);
    // A text a person typed: one that a spreadsheet would run as a formula
    // (starting with =, +, -, @, a tab or a carriage return) gets an apostrophe
    // in front, so that it shows as typed.
    void text(QStringView text);
    // An amount as a plain number with two decimals; an empty cell stays empty.
    void amount(QStringView cell);
    // An amount the program worked out, as amount() writes its formatMoney() text.
    void money(double value);
    // A count as a plain number; an empty cell stays empty.
    void count(QStringView cell);
    // A stored MM/DD/YYYY date as YYYY-MM-DD, which spreadsheets read alike in
    // every locale; any other text as a text.
    void date(const QString &stored);
    void endRecord()
    {
        char *out = room(2);
        out[0] = '\r';
        out[1] = '\n';
        m_size += 2;
        m_first = true;
        ++m_records;
    }
    // Room for `count` bytes of a whole record, written in place (fields
    // separated and quoted as above); recordWritten() then takes where it ends,
    // after its CR LF.
    char *recordRoom(qsizetype count) { return room(count); }
    void recordWritten(const char *end)
    {
        m_size = end - m_bytes.constData();
        m_first = true;
        ++m_records;
    }

    // What was written so far. Writing may go on after.
    QByteArray bytes()
    {
        m_bytes.truncate(m_size);
        return m_bytes;
    }
    qsizetype records() const { return m_records; }

private:
    void separate();
    void ascii(QStringView plain); // only characters below 0x80, none that needs quotes
    void append(QByteArrayView bytes);
    // Where `n` more bytes may be written (then counted in m_size).
    char *room(qsizetype n)
    {
        if (m_bytes.size() - m_size < n)
            grow(n);
        return m_bytes.data() + m_size;
    }
    void grow(qsizetype n);

    QByteArray m_bytes; // its first m_size bytes are written; the rest is room
    qsizetype m_size = 0;
    bool m_first = true;
    qsizetype m_records = 0;
};

// The bytes of one field as `write` writes it to a bare writer: a field that
// stands in many records is formed once and then copied.
template <typename Write>
QByteArray fieldBytes(Write write)
{
    CsvWriter one(0, CsvWriter::Start::Bare);
    write(one);
    return one.bytes();
}

// The text a field holds in the file: quoted where it must be.
QString csvField(const QString &text);

} // namespace qm
