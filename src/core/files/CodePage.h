#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace qm {

// The single-byte Western code page (Windows-1252) the data files are written in.
// Every byte decodes to one character and encodes back to the same byte; a
// character the code page lacks is written as "?".
QString decodeCodePage(QByteArrayView bytes);
QByteArray encodeCodePage(QStringView text);

// The same, into a string or byte array that keeps its buffer between calls:
// `text` is replaced, `bytes` grows at its end.
void decodeCodePageInto(QByteArrayView bytes, QString &text);
void appendCodePage(QStringView text, QByteArray &bytes);
// Writes the encoded text from `out` on, one byte per character (a pair of
// surrogates makes one), and returns where it stopped. Double quotes become
// apostrophes when `quoteToApostrophe` is set.
char *encodeCodePageTo(QStringView text, char *out, bool quoteToApostrophe = false);

} // namespace qm
