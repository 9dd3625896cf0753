#include "core/LargePages.h"

#include <cstdint>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#endif

namespace qm {

void preferLargePages(void *data, qsizetype bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    // Only the whole large pages inside the block; smaller blocks gain nothing.
    constexpr std::uintptr_t kLarge = std::uintptr_t(2) << 20;
    if (!data || bytes < qsizetype(2 * kLarge))
        return;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kLarge - 1) & ~(kLarge - 1);
    const std::uintptr_t last = (begin + std::uintptr_t(bytes)) & ~(kLarge - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

} // namespace qm
