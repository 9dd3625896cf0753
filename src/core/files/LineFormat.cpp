#include "core/files/LineFormat.h"

#include "core/files/CodePage.h"
#include "core/rules/TextRules.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace qm {

FieldReader::FieldReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}

bool FieldReader::atEnd() const
{
    for (qsizetype i = m_pos; i < m_bytes.size(); ++i) {
        const char c = m_bytes.at(i);
        if (c != ' ' && c != '\r' && c != '\n' && c != '\t')
            return false;
    }
    return true;
}

void FieldReader::skipBlanks()
{
    while (m_pos < m_bytes.size()) {
        const char c = m_bytes.at(m_pos);
        if (c != ' ' && c != '\n' && c != '\t')
            break;
        ++m_pos;
    }
}

void FieldReader::consumeTerminator(Field &field)
{
    if (m_pos >= m_bytes.size()) {
        field.endsLine = true;
        return;
    }
    if (m_bytes.at(m_pos) == ',') {
        ++m_pos;
        return;
    }
    // A carriage return, with the line feed that follows it.
    ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes.at(m_pos) == '\n')
        ++m_pos;
    field.endsLine = true;
}

Field FieldReader::next()
{
    Field field;
    skipBlanks();
    if (m_pos >= m_bytes.size()) {
        m_overran = true;
        field.endsLine = true;
        return field;
    }
    if (m_bytes.at(m_pos) == '"') {
        field.quoted = true;
        const qsizetype close = m_bytes.indexOf('"', m_pos + 1);
        const qsizetype end = close < 0 ? m_bytes.size() : close;
        decodeCodePageInto(QByteArrayView(m_bytes).sliced(m_pos + 1, end - m_pos - 1), field.text);
        m_pos = end < m_bytes.size() ? end + 1 : end;
        // Whatever stands between the closing quote and the next comma or line
        // end is not part of any value.
        while (m_pos < m_bytes.size() && m_bytes.at(m_pos) != ',' && m_bytes.at(m_pos) != '\r')
            ++m_pos;
    } else {
        QByteArray raw;
        while (m_pos < m_bytes.size()) {
            const char c = m_bytes.at(m_pos);
            if (c == ',' || c == '\r')
                break;
            if (c != '\n' && c != '\t')
                raw.append(c);
            ++m_pos;
        }
        decodeCodePageInto(raw, field.text);
    }
    consumeTerminator(field);
    return field;
}

double FieldReader::nextNumber() { return leadingNumber(next().text); }

char *LineWriter::room(qsizetype count)
{
    if (m_bytes.size() - m_used < count)
        m_bytes.resize(std::max(2 * m_bytes.size(), m_used + count + 4096));
    return m_bytes.data() + m_used;
}

void LineWriter::reserve(qsizetype size)
{
    if (size > m_bytes.size())
        m_bytes.resize(size);
}

const QByteArray &LineWriter::bytes() const
{
    m_bytes.truncate(m_used);
    return m_bytes;
}

LineWriter &LineWriter::text(const QString &value)
{
    char *out = room(value.size() + 3);
    if (m_lineStarted)
        *out++ = ',';
    m_lineStarted = true;
    *out++ = '"';
    out = encodeCodePageTo(value, out, true);
    *out++ = '"';
    m_used = out - m_bytes.constData();
    return *this;
}

LineWriter &LineWriter::number(double value)
{
    const QByteArray digits = formatFileNumber(value).toLatin1();
    char *out = room(digits.size() + 1);
    if (m_lineStarted)
        *out++ = ',';
    m_lineStarted = true;
    out = std::copy(digits.cbegin(), digits.cend(), out);
    m_used = out - m_bytes.constData();
    return *this;
}

LineWriter &LineWriter::endLine()
{
    char *out = room(2);
    *out++ = '\r';
    *out++ = '\n';
    m_used += 2;
    m_lineStarted = false;
    return *this;
}

bool readAllFrom(QIODevice &device, QByteArray *bytes, QString *error)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        *error = device.errorString();
        return false;
    }
    // Bytes already in memory are shared, not copied.
    if (auto *buffer = qobject_cast<QBuffer *>(&device); buffer && buffer->pos() == 0) {
        *bytes = buffer->data();
        buffer->seek(buffer->size());
        return true;
    }
    bytes->clear();
    const qint64 expected = device.isSequential() ? 0 : device.size() - device.pos();
    if (expected > 0)
        bytes->reserve(expected);
    char chunk[16384];
    for (;;) {
        const qint64 n = device.read(chunk, sizeof chunk);
        if (n < 0) {
            *error = device.errorString().isEmpty() ? QStringLiteral("the data could not be read")
                                                    : device.errorString();
            return false;
        }
        if (n == 0)
            return true;
        bytes->append(chunk, n);
    }
}

bool writeAllTo(QIODevice &device, const QByteArray &bytes, QString *error)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            *error = device.errorString().isEmpty() ? QStringLiteral("the device accepted no more data")
                                                    : device.errorString();
            return false;
        }
        written += n;
    }
    return true;
}

namespace {
SaveFault &activeFault()
{
    static SaveFault fault;
    return fault;
}

// Applies an injected fault: writes what the "disk" still takes, then fails.
bool writeUnderFault(QIODevice &device, const QByteArray &bytes, QString *error)
{
    SaveFault &fault = activeFault();
    if (fault.failAfter < 0 || fault.failAfter >= bytes.size())
        return writeAllTo(device, bytes, error);
    if (!writeAllTo(device, bytes.left(fault.failAfter), error))
        return false;
    if (!fault.persistent)
        fault = SaveFault();
    *error = QStringLiteral("No space left on device");
    return false;
}
} // namespace

void setSaveFault(const SaveFault &fault) { activeFault() = fault; }

bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!writeUnderFault(file, bytes, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool readWholeFile(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace qm
