#pragma once

// What every fuzz target shares.

#include "core/Clock.h"
#include "ReaderChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace qm::fuzz {

// The same year every run, so an input behaves the same when replayed.
inline void prepare() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }

// The input as the readers get it: bytes without a terminating zero, so a read
// past the end is caught.
inline QByteArray inputBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A broken promise is a crash for the fuzzer: it keeps the input.
inline void require(const QString &failure)
{
    if (failure.isEmpty())
        return;
    std::fprintf(stderr, "broken promise: %s\n", qPrintable(failure));
    std::abort();
}

} // namespace qm::fuzz
