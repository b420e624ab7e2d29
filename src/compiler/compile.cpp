#include "compiler/compile.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "compiler/network_compiler.h"
#include "compiler/network_memo.h"
#include "model/ladder.h"
#include "model/ladder_list.h"

namespace varno {

namespace {

// A run of whole networks of one program, compiled on its own.
struct CChunk {
    CLadder* ladder = nullptr;
    std::size_t program = 0;
    int first = 0;
    std::vector<int> ends;  // of each network, in order
    CLDCmdList out;
    CErrorList errors;
    bool compiled = true;
};

// Networks are independent: each reads and marks only its own rows' cells. Large projects
// are split into runs of whole networks of about this many rows, compiled on several
// threads and joined in program order, which gives the same list as one pass.
constexpr int CHUNK_ROWS = 2048;
constexpr unsigned MAX_WORKERS = 4;
// Below this, starting threads costs more than it saves.
constexpr std::uint64_t PARALLEL_ROWS = 4 * CHUNK_ROWS;
// More than most rows compile to; a chunk whose rows need more grows its list.
constexpr std::size_t INSTRUCTIONS_PER_ROW = 4;

// Works out the layout of every program, different programs on different threads: the split
// below asks for network ends, which needs it, and on one thread that walk over every row of a
// large project is a long stretch that nothing else overlaps.
void PrepareLayouts(CLadderList& programs, unsigned workers) {
    std::vector<const CLadder*> ladders;
    for (const CLadder& ladder : programs) {
        ladders.push_back(&ladder);
    }
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < ladders.size(); i = next++) {
            ladders[i]->NetworkEnd(0);
        }
    };
    std::vector<std::jthread> threads;
    for (unsigned t = 1; t < std::min<std::size_t>(workers, ladders.size()); ++t) {
        threads.emplace_back(work);
    }
    work();
}

std::vector<CChunk> SplitIntoChunks(CLadderList& programs) {
    std::vector<CChunk> chunks;
    std::size_t program = 0;
    for (CLadder& ladder : programs) {
        const int rows = ladder.RowCount();
        int first = 0;
        // The ends are found here, so that the workers never touch the ladder's cached layout.
        for (int row = 0; row < rows;) {
            if (row == first) {
                CChunk& chunk = chunks.emplace_back();
                chunk.ladder = &ladder;
                chunk.program = program;
                chunk.first = first;
                chunk.errors.SetProgramName(ladder.Name());
            }
            row = ladder.NetworkEnd(row);
            chunks.back().ends.push_back(row);
            if (row - first >= CHUNK_ROWS) {
                first = row;
            }
        }
        ++program;
    }
    return chunks;
}

unsigned WorkerCount(const CLadderList& programs) {
    if (programs.TotalRows() < PARALLEL_ROWS) {
        return 1;
    }
    return std::min(std::max(1u, std::thread::hardware_concurrency()), MAX_WORKERS);
}

// Runs `work` on this thread and workers - 1 others. The first exception any of them throws
// (out of memory, as a rule) reaches the caller once all have stopped; `stop` is called when it
// happens so that the others give up early. A thread that cannot be started leaves its share to
// the others.
template <class Work, class Stop>
void RunWorkers(unsigned workers, Work work, Stop stop) {
    std::mutex failedLock;
    std::exception_ptr failed;
    auto guarded = [&] {
        try {
            work();
        } catch (...) {
            stop();
            std::lock_guard lock(failedLock);
            if (!failed) {
                failed = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> threads;
        try {
            for (unsigned t = 1; t < workers; ++t) {
                threads.emplace_back(guarded);
            }
        } catch (const std::system_error&) {
        }
        guarded();
    }
    if (failed) {
        std::rethrow_exception(failed);
    }
}

// Compiles every network of the chunk, appending to `out` when given; false when any failed.
// The chunk's errors go to `errors`, cleared first and named after the chunk's program.
bool CompileNetworks(CMemoCompiler& compiler, CErrorList& errors, const CChunk& chunk,
                     CLDCmdList* out) {
    errors.Clear();
    errors.SetProgramName(chunk.ladder->Name());
    bool compiled = true;
    int first = chunk.first;
    for (const int end : chunk.ends) {
        compiled = compiler.Compile(*chunk.ladder, first, end, out) && compiled;
        first = end;
    }
    return compiled;
}

void CompileChunks(std::vector<CChunk>& chunks, unsigned workers) {
    std::atomic<std::size_t> next{0};
    // Programs after one that failed are not reported: their chunks not yet begun are skipped.
    std::atomic<std::size_t> failedProgram{SIZE_MAX};
    auto work = [&] {
        // One compiler a worker, so that its graph and check keep their room and the shapes it
        // has compiled from chunk to chunk; each chunk's errors move to the chunk when it is
        // done.
        CErrorList errors;
        CMemoCompiler compiler(errors);
        for (std::size_t i = next++; i < chunks.size(); i = next++) {
            CChunk& chunk = chunks[i];
            if (chunk.program > failedProgram) {
                continue;
            }
            chunk.compiled = CompileNetworks(compiler, errors, chunk, &chunk.out);
            chunk.errors.Append(errors);
            if (!chunk.compiled) {
                std::size_t failed = failedProgram;
                while (chunk.program < failed &&
                       !failedProgram.compare_exchange_weak(failed, chunk.program)) {
                }
            }
        }
    };
    RunWorkers(workers, work, [&] { next = chunks.size(); });
}

}  // namespace

bool CompileLadder(CLadder& ladder, CLDCmdList& out, CErrorList& errors) {
    CNetworkCompiler compiler(errors);
    bool result = true;
    for (int first = 0; first < ladder.RowCount();) {
        const int end = ladder.NetworkEnd(first);
        result = compiler.Compile(ladder, first, end, out) && result;
        first = end;
    }
    return result;
}

bool CompileLadderList(CLadderList& programs, CLDCmdList& out, CErrorList& errors) {
    if (programs.TotalRows() < PARALLEL_ROWS) {
        for (CLadder& ladder : programs) {
            errors.SetProgramName(ladder.Name());
            if (!CompileLadder(ladder, out, errors)) {
                return false;
            }
        }
        return true;
    }
    const unsigned threads = WorkerCount(programs);
    PrepareLayouts(programs, threads);
    std::vector<CChunk> chunks = SplitIntoChunks(programs);
    // Growing a list step by step would copy it into fresh memory each time; room reserved and
    // never written costs nothing. It is taken here, before the workers start: from the heap of
    // this thread, which a program may have faulted in ahead (heap_policy.h), where a worker's
    // own heap would fault it in page by page.
    for (CChunk& chunk : chunks) {
        chunk.out.Reserve(static_cast<std::size_t>(chunk.ends.back() - chunk.first) *
                          INSTRUCTIONS_PER_ROW);
    }
    CompileChunks(chunks, std::min(threads, static_cast<unsigned>(chunks.size())));

    std::size_t total = out.GetCount();
    for (const CChunk& chunk : chunks) {
        total += chunk.out.GetCount();
    }
    out.Reserve(total);
    // Stop after the first program that fails, as a pass program by program would.
    std::size_t i = 0;
    std::size_t program = 0;
    for (CLadder& ladder : programs) {
        errors.SetProgramName(ladder.Name());
        bool compiled = true;
        for (; i < chunks.size() && chunks[i].program == program; ++i) {
            out.Append(chunks[i].out);
            errors.Append(chunks[i].errors);
            compiled = compiled && chunks[i].compiled;
        }
        if (!compiled) {
            return false;
        }
        ++program;
    }
    return true;
}

void CompileEachProgram(CLadderList& programs, const std::function<void(std::size_t)>& prepare,
                        const std::function<void(const CCompiledChunk&)>& compiled) {
    const unsigned threads = WorkerCount(programs);
    if (threads > 1) {
        PrepareLayouts(programs, threads);
    }
    const std::vector<CChunk> chunks = SplitIntoChunks(programs);
    prepare(chunks.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        CErrorList errors;
        CMemoCompiler compiler(errors);
        for (std::size_t i = next++; i < chunks.size(); i = next++) {
            const CChunk& chunk = chunks[i];
            CompileNetworks(compiler, errors, chunk, nullptr);
            compiled(CCompiledChunk{i, chunk.program, *chunk.ladder, chunk.first, chunk.ends.back(),
                                    errors});
        }
    };
    RunWorkers(static_cast<unsigned>(std::min<std::size_t>(threads, chunks.size())), work,
               [&] { next = chunks.size(); });
}

}  // namespace varno
