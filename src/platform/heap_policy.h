// How the programs ask the C library to manage the heap.
//
// A large project is tens of thousands of small rows, read on several threads, and each
// compile, check or cross reference of one allocates and frees lists of megabytes. Growing the
// heaps in large steps saves most of the system calls that growing them row by row makes, and
// keeping freed blocks for the next run saves touching fresh pages again: each such page costs
// a fault of several microseconds, and on virtual machines most of a repeated check or cross
// reference of a large project went into faulting its memory in anew. The first megabytes of
// the heap are faulted in at start-up as transparent huge pages, 2 MiB a fault, where the system
// has them: a compile's file bytes and lists then cost no faults of their own.
#pragma once

namespace varno {

// How long a program runs: a command does its work once and ends; the editor runs on and does
// the same work again and again.
enum class HeapRun { Once, Repeatedly };

// Call once at start-up, before any thread is started. Does nothing where the C library has no
// such settings. A program that runs once also has its worker threads take their memory from
// the heap faulted in ahead, instead of from heaps of their own that fault it in page by page;
// one that runs on keeps a heap for each thread, warm from one run to the next, so that its
// threads never wait for one another's allocations.
void UseLargeProjectHeap(HeapRun run);

}  // namespace varno
