#pragma once

#include <QtGlobal>

namespace qm {

// Asks the system to back a large, not yet touched block of memory with large
// pages where it can (on Linux, transparent huge pages on request). A ledger
// of many ads takes megabytes at start-up, and touching them a small page at a
// time costs more than reading the file. Only a hint: without it, or on other
// systems, the memory is the same.
void preferLargePages(void *data, qsizetype bytes);

} // namespace qm
