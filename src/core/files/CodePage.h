#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// The single-byte Western code page (Windows-1252) the data files are written in.
// Every byte decodes to one character and encodes back to the same byte; a
// character the code page lacks is written as "?".
QString decodeCodePage(const QByteArray &bytes);
QByteArray encodeCodePage(const QString &text);

} // namespace qm
