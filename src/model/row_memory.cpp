#include "model/row_memory.h"

#include <sys/mman.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <new>

#include "model/ladder_row.h"

namespace varno {

#if !VARNO_ROW_MEMORY_POOLED

void* AllocateRowMemory() {
    return ::operator new(sizeof(CLDRow));
}

void FreeRowMemory(void* block) noexcept {
    ::operator delete(block);
}

#else

namespace {

// Blocks follow one another at the row's own alignment, not the heap's 16 bytes: that packs
// 5 % more rows into every page.
constexpr std::size_t BLOCK =
    (sizeof(CLDRow) + alignof(CLDRow) - 1) / alignof(CLDRow) * alignof(CLDRow);
// Every slab is one transparent huge page, mapped in a single fault when the kernel has one to
// give; a large program's rows then cost a few faults instead of one for every 4 KiB.
constexpr std::size_t SLAB = 2 * 1024 * 1024;

// Kept inside the free memory itself, so that giving memory back never allocates.
struct CFreeBlock {
    CFreeBlock* next;
};
struct CSpareRange {
    CSpareRange* next;
    char* end;
};
static_assert(sizeof(CFreeBlock) <= BLOCK && sizeof(CSpareRange) <= BLOCK &&
              BLOCK % alignof(CFreeBlock) == 0 && BLOCK % alignof(CSpareRange) == 0);

struct CShared {
    std::mutex mutex;
    CFreeBlock* freeBlocks = nullptr;
    CSpareRange* spareRanges = nullptr;
    // Whether freeBlocks may hold a block: lets a long read skip the lock for every row.
    std::atomic<bool> mayHaveFree{false};
};

// Never destroyed: rows may be freed while the program shuts down.
CShared& Shared() {
    static CShared* shared = new CShared;
    return *shared;
}

class CThreadSlab {
public:
    CThreadSlab() = default;
    CThreadSlab(const CThreadSlab&) = delete;
    CThreadSlab& operator=(const CThreadSlab&) = delete;
    ~CThreadSlab() {
        if (static_cast<std::size_t>(end_ - next_) < BLOCK) {
            return;
        }
        CShared& shared = Shared();
        const std::lock_guard lock(shared.mutex);
        shared.spareRanges = new (next_) CSpareRange{shared.spareRanges, end_};
    }

    // Freed blocks first, the newest one first; then the slab.
    void* Allocate() {
        CShared& shared = Shared();
        if (shared.mayHaveFree.load(std::memory_order_relaxed)) {
            const std::lock_guard lock(shared.mutex);
            if (CFreeBlock* block = shared.freeBlocks) {
                shared.freeBlocks = block->next;
                shared.mayHaveFree.store(shared.freeBlocks != nullptr, std::memory_order_relaxed);
                return block;
            }
        }
        if (static_cast<std::size_t>(end_ - next_) < BLOCK) {
            Refill(shared);
        }
        void* block = next_;
        next_ += BLOCK;
        return block;
    }

private:
    // A range left by a thread that ended, else a new slab.
    void Refill(CShared& shared) {
        {
            const std::lock_guard lock(shared.mutex);
            if (CSpareRange* range = shared.spareRanges) {
                shared.spareRanges = range->next;
                end_ = range->end;
                next_ = reinterpret_cast<char*>(range);
                return;
            }
        }
        next_ = static_cast<char*>(MapSlab());
        end_ = next_ + SLAB;
    }

    // SLAB bytes at a multiple of SLAB, so that the whole slab can be one huge page.
    static void* MapSlab() {
        void* mapped =
            ::mmap(nullptr, 2 * SLAB, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED) {
            throw std::bad_alloc();
        }
        char* const start = static_cast<char*>(mapped);
        const std::size_t head = (SLAB - reinterpret_cast<std::uintptr_t>(start) % SLAB) % SLAB;
        if (head != 0) {
            ::munmap(start, head);
        }
        ::munmap(start + head + SLAB, SLAB - head);
        // Without huge pages the slab just faults page by page.
        ::madvise(start + head, SLAB, MADV_HUGEPAGE);
        return start + head;
    }

    char* next_ = nullptr;
    char* end_ = nullptr;
};

}  // namespace

void* AllocateRowMemory() {
    thread_local CThreadSlab slab;
    return slab.Allocate();
}

void FreeRowMemory(void* block) noexcept {
    if (block == nullptr) {
        return;
    }
    CShared& shared = Shared();
    const std::lock_guard lock(shared.mutex);
    shared.freeBlocks = new (block) CFreeBlock{shared.freeBlocks};
    shared.mayHaveFree.store(true, std::memory_order_relaxed);
}

#endif

}  // namespace varno
