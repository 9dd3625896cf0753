#pragma once

#include <QIODevice>

// A device that accepts `limit` bytes and then fails, once or for good.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 limit, bool persistent = true) : m_limit(limit), m_persistent(persistent)
    {
        open(QIODevice::ReadWrite);
    }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 len) override
    {
        if (m_failed && m_persistent)
            return -1;
        const qint64 room = m_limit - written.size();
        if (!m_failed && room <= 0) {
            m_failed = true;
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = m_failed ? len : std::min(len, room);
        written.append(data, n);
        return n;
    }

private:
    qint64 m_limit;
    bool m_persistent;
    bool m_failed = false;
};
