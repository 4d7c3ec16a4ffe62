#include "platform/MemoryHints.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void AdviseLargePages(void* data, std::size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only the whole large pages inside the buffer: the hint takes page-aligned ranges.
    constexpr std::uintptr_t LargePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + LargePage - 1) & ~(LargePage - 1);
    const std::uintptr_t end = (begin + size) & ~(LargePage - 1);
    if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}
