#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include "core/files/QuoteScanner.h"

#include <vector>

namespace qm {

// One value of a data file line.
struct Field
{
    QString text;
    bool quoted = false;
};

// The values of one line of a data file.
struct Line
{
    int lineNumber = 0; // counted from 1, as an editor shows it
    QList<Field> fields;
    // False when a quoted value has no closing quote, or text stands between a
    // closing quote and the comma or line end after it.
    bool wellFormed = true;

    QString text(int index) const { return index < fields.size() ? fields.at(index).text : QString(); }
    // The value read by the leading-number rule; a missing value reads as 0.
    double number(int index) const;
    // Exactly `count` values, each in double quotes, and nothing malformed.
    bool isQuotedRecord(int count) const;
    // Two values without quotes: the count lines of the ledger file and the
    // ad and sales-person counts of the settings file.
    bool isCountLine() const;
};

// The lines of a data file. A line ends at a line feed, a carriage return
// before it belonging to the line end; a file without any line feed ends its
// lines at carriage returns. Blank lines at the very end are not lines.
//
// Within a line, blanks and tabs before a value are skipped; a value that
// starts with a double quote runs to the next double quote (whatever follows it
// up to the next comma belongs to no value); any other value ends at a comma,
// tabs and carriage returns in it being dropped and a double quote read as an
// apostrophe, as the writer stores one.
class LineReader
{
public:
    explicit LineReader(const QByteArray &bytes);

    // Looks through the whole file.
    int lineCount() const;
    // Whether there is a line at `index` (from 0). Lines are found as they are
    // asked for, so that reading a file front to back looks at each byte once
    // while it is at hand; this looks no further than that line (so a blank
    // line at the very end still counts until lineCount() has been asked).
    bool hasLine(int index) const;
    // The line at `index` (from 0); an empty line past the end.
    Line line(int index) const;
    // True when line(index) would be exactly `count` quoted values, well formed:
    // then values[0..count-1] are their bytes between the quotes, as views into
    // the file (valid while this reader lives), not yet decoded.
    bool quotedValues(int index, int count, QByteArrayView *values) const;

private:
    void findLines(qsizetype index) const;
    // quotedValues() for the line after the last one found.
    bool nextQuotedValues(int count, QByteArrayView *values) const;
    bool quotedValuesOfFoundLine(int count, QByteArrayView *values) const;

    QByteArray m_bytes; // shared with the caller's, not copied
    char m_terminator = '\n';
    // The lines found so far, and where the next one starts.
    mutable std::vector<qsizetype> m_starts;
    mutable std::vector<qsizetype> m_ends;
    mutable qsizetype m_scanned = 0;
    mutable bool m_complete = false;
    mutable QuoteScanner m_scanner; // for the lines read as they are found
};

// Builds the lines of a data file: quoted texts, bare numbers, commas between
// values and CR LF after each line, in the Western single-byte code page.
//
// The format has no escape for a double quote inside a text, so text() writes
// it as an apostrophe: every line it produces reads back as the values it was
// given, apart from that one substitution and the "?" for characters the code
// page lacks. The program refuses the double quote where users type texts.
class LineWriter
{
public:
    LineWriter &text(const QString &value);
    LineWriter &number(double value);
    LineWriter &endLine();
    // Room for `size` bytes in all, taken at once.
    void reserve(qsizetype size);
    // Room for `count` more bytes, to be written in place; written() then
    // takes where they end. The buffer grows in steps that double it.
    char *room(qsizetype count);
    void written(const char *end);
    const QByteArray &bytes() const;

private:

    mutable QByteArray m_bytes; // its size runs ahead of m_used until bytes() trims it
    qsizetype m_used = 0;
    bool m_lineStarted = false;
};

// "line 6", "lines 6 and 9", "lines 6, 9 and 12", the first few of many and their number.
QString lineList(const QList<int> &numbers);

} // namespace qm
