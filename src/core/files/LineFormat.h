#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace qm {

// One value of the data files' line format.
struct Field
{
    QString text;
    bool quoted = false;
    bool endsLine = false; // ended by a line end or the end of the file, not by a comma
};

// Takes the values of a data file one after another in the order written:
// blanks before a value are skipped; a value that starts with a double quote runs
// to the next double quote, and the comma or line end after it is consumed; any
// other value ends at a comma or a carriage return, line feeds and tabs in it
// being dropped. Never reads past the end: a value asked for there is empty.
class FieldReader
{
public:
    explicit FieldReader(QByteArray bytes);

    // True when nothing but blanks and line ends is left.
    bool atEnd() const;
    Field next();
    QString nextText() { return next().text; }
    double nextNumber();
    // True once a value was asked for after the end.
    bool overran() const { return m_overran; }

private:
    void skipBlanks();
    void consumeTerminator(Field &field);

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_overran = false;
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
    const QByteArray &bytes() const;

private:
    // Room for `count` more bytes; the buffer grows in steps that double it.
    char *room(qsizetype count);

    mutable QByteArray m_bytes; // its size runs ahead of m_used until bytes() trims it
    qsizetype m_used = 0;
    bool m_lineStarted = false;
};

// Reads a whole device; false with a readable reason when it cannot.
bool readAllFrom(QIODevice &device, QByteArray *bytes, QString *error);
// Writes all bytes to a device; false with a readable reason when it cannot.
bool writeAllTo(QIODevice &device, const QByteArray &bytes, QString *error);
// Replaces the file at `path` only once the new content is completely on disk;
// on any failure the old file stays as it was and `error` says why.
bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error);
// Test seam for a disk that fills: the next atomic saves put at most
// `failAfter` bytes through and then fail, once or until cleared (failAfter < 0).
struct SaveFault
{
    qint64 failAfter = -1;
    bool persistent = false;
};
void setSaveFault(const SaveFault &fault);

// Reads a whole file; false with a readable reason when it cannot.
bool readWholeFile(const QString &path, QByteArray *bytes, QString *error);

} // namespace qm
