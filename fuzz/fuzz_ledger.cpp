// libFuzzer target: the ledger data file reader, with each of a few ad counts.

#include "FuzzTarget.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qm::fuzz::prepare();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = qm::fuzz::inputBytes(data, size);
    for (const int adCount : qm::fuzz::kLedgerAdCounts)
        qm::fuzz::require(qm::fuzz::checkLedger(bytes, adCount));
    return 0;
}
