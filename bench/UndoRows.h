#pragma once

namespace qm::bench {

// Undoing `changes` committed cell changes of a 1,000-ad ledger one by one,
// back to the ledger as loaded: the median of `runs` timings in milliseconds
// (the changes are made untimed before each run).
double measureUndoMs(int changes, int runs);

} // namespace qm::bench
