// Memory for ladder rows. A large program is tens of thousands of rows, and taking each one's
// memory from the general heap first-touches its pages one fault at a time, which costs more
// than reading the rows. Rows are all of one size, so they are cut from slabs that are each one
// transparent huge page, mapped by a single fault where the system has huge pages. Freed blocks
// are used again first, newest first; after them every thread cuts from a slab of its own, and
// what is left of it when the thread ends goes to the next thread that needs one. The memory
// stays with the process.
#pragma once

#include <cstddef>

// AddressSanitizer watches the general heap only: under it rows come from there, so that it
// still finds rows used after they were freed.
#if defined(__SANITIZE_ADDRESS__)
#define VARNO_ROW_MEMORY_POOLED 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VARNO_ROW_MEMORY_POOLED 0
#endif
#endif
#ifndef VARNO_ROW_MEMORY_POOLED
#define VARNO_ROW_MEMORY_POOLED 1
#endif

namespace varno {

// A block of sizeof(CLDRow) bytes, aligned for it. Throws std::bad_alloc.
void* AllocateRowMemory();
// Gives back a block from AllocateRowMemory.
void FreeRowMemory(void* block) noexcept;

}  // namespace varno
