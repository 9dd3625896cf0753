#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace qm {

// Writes a CSV file's bytes as they come: UTF-8 with a byte-order mark (so
// spreadsheets read the letters right), fields separated by commas, each field
// in double quotes (inner quotes doubled) when it holds a comma, a quote or a
// line break, every record ended by CR LF.
class CsvWriter
{
public:
    explicit CsvWriter(qsizetype expectedBytes = 0);

    // A field as it is.
    void field(QStringView text);
    // A text a person typed: one that a spreadsheet would run as a formula
    // (starting with =, +, -, @, a tab or a carriage return) gets an apostrophe
    // in front, so that it shows as typed.
    void text(QStringView text);
    // An amount as a plain number with two decimals; an empty cell stays empty.
    void amount(QStringView cell);
    // A count as a plain number; an empty cell stays empty.
    void count(QStringView cell);
    // A stored MM/DD/YYYY date as YYYY-MM-DD, which spreadsheets read alike in
    // every locale; any other text as a text.
    void date(const QString &stored);
    void endRecord();

    QByteArray bytes() const { return m_bytes; }
    qsizetype records() const { return m_records; }

private:
    void separate();
    void ascii(QStringView plain); // only characters below 0x80, none that needs quotes

    QByteArray m_bytes;
    bool m_first = true;
    qsizetype m_records = 0;
};

// The text a field holds in the file: quoted where it must be.
QString csvField(const QString &text);

} // namespace qm
