// libFuzzer target: the help file reader.

#include "FuzzTarget.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qm::fuzz::prepare();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = qm::fuzz::inputBytes(data, size);
    qm::fuzz::require(qm::fuzz::checkHelp(bytes));
    return 0;
}
