#include "platform/heap_policy.h"

// Any header of the C library says whether it is glibc.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace varno {

void UseLargeProjectHeap() {
#if defined(__GLIBC__)
    constexpr int HEAP_GROWTH = 32 << 20;
    // The largest block the heap may serve; larger ones are mapped and unmapped on their own.
    constexpr int LARGEST_HEAP_BLOCK = 32 << 20;
    constexpr int KEPT_FREE = 512 << 20;
    mallopt(M_TOP_PAD, HEAP_GROWTH);
    mallopt(M_MMAP_THRESHOLD, LARGEST_HEAP_BLOCK);
    mallopt(M_TRIM_THRESHOLD, KEPT_FREE);
#endif
}

}  // namespace varno
