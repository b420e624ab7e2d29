#include "platform/heap_policy.h"

// Any header of the C library says whether it is glibc.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace varno {

#if defined(__GLIBC__)

namespace {

constexpr std::uintptr_t HUGE_PAGE = 2 << 20;
// Heap faulted in ahead, in huge pages: about what compiling the largest program set takes.
constexpr std::uintptr_t FAULTED_AHEAD = 8 << 20;

// Holds the heap below the first huge page. Volatile, or the compiler drops an allocation
// nobody reads.
void* volatile belowHugePages = nullptr;

// Grows the heap now and asks for transparent huge pages on the new part: one fault then maps
// 2 MiB, where ordinary pages take 512 faults, and on virtual machines each fault is dear. A
// huge page is only used where no ordinary page of its 2 MiB was touched first, and the heap
// writes a header at the end of every block it cuts, so the first pages are faulted in here,
// from inside one block, before anything else is written there.
void GrowHeapInHugePages() {
    const auto before = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    // More than the room left at the top, less than the mapped-block threshold: the heap has
    // to grow, by this block plus the growth step. The block's end header lies past the
    // pages faulted below.
    constexpr std::uintptr_t PROBE = FAULTED_AHEAD + 2 * HUGE_PAGE;
    auto* probe = static_cast<char*>(std::malloc(PROBE));
    const auto after = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    const std::uintptr_t first = (before + HUGE_PAGE - 1) / HUGE_PAGE * HUGE_PAGE;
    const std::uintptr_t last = after / HUGE_PAGE * HUGE_PAGE;
    const auto begin = reinterpret_cast<std::uintptr_t>(probe);
    // Under a sanitizer's allocator the heap does not move.
    const bool grown = probe != nullptr && first < last;
    if (grown) {
        // Without huge pages this asks for nothing and the heap faults page by page.
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
        for (std::uintptr_t at = first; at < first + FAULTED_AHEAD && at < begin + PROBE;
             at += HUGE_PAGE) {
            probe[at - begin] = 0;
        }
    }
    std::free(probe);
    // The freed block went back to the top, where the next blocks are cut, from `begin` on.
    // The part below the first huge page goes to a block that is never used, so that they
    // start on huge pages; the 16 bytes more put the next block's header past the boundary.
    if (grown && begin < first) {
        belowHugePages = std::malloc(first - begin + 16);
    }
}

}  // namespace

void UseLargeProjectHeap(HeapRun run) {
    constexpr int HEAP_GROWTH = 64 << 20;
    // The largest block the heap may serve; larger ones are mapped and unmapped on their own.
    constexpr int LARGEST_HEAP_BLOCK = 32 << 20;
    constexpr int KEPT_FREE = 512 << 20;
    mallopt(M_TOP_PAD, HEAP_GROWTH);
    mallopt(M_MMAP_THRESHOLD, LARGEST_HEAP_BLOCK);
    mallopt(M_TRIM_THRESHOLD, KEPT_FREE);
    if (run == HeapRun::Once) {
        mallopt(M_ARENA_MAX, 1);
    }
    GrowHeapInHugePages();
}

#else

void UseLargeProjectHeap(HeapRun) {}

#endif

}  // namespace varno
