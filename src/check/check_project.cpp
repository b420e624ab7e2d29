#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#include "check/check_rules.h"
#include "check/diagnostics.h"
#include "check/stable_radix_sort.h"
#include "compiler/compile.h"

namespace varno {

namespace {

// What one program contributes: the compiler's errors and the program's uses and linked blocks.
struct CProgramPart {
    std::vector<CFinding> compiled;
    std::vector<CAddressUse> uses;
    std::vector<CLinkBlock> links;
};

// Compiles the program alone, under its own name, and keeps what the compiler reports.
void ScanProgram(CLadder& ladder, std::uint32_t program, CProgramPart& part) {
    CLDCmdList scratch;
    CErrorList errors;
    errors.SetProgramName(ladder.Name());
    CompileLadder(ladder, scratch, errors);
    for (const CErrorInfo& error : errors) {
        CFinding finding;
        finding.at = CCellRef{program, error.row, -1};
        finding.severity = Severity::Error;
        finding.rule = CheckRule::Compile;
        finding.kind = error.kind;
        part.compiled.push_back(finding);
    }
    // Rarely more than two uses a row; growing the list step by step would cost more than
    // filling it.
    constexpr std::size_t USES_PER_ROW = 2;
    part.uses.reserve(ladder.GetCount() * USES_PER_ROW);
    CollectUses(ladder, program, part.uses, &part.links);
}

// Compiling is most of a check, and programs compile independently: with more than one core the
// programs are shared out among workers, each taking whole programs (a ladder is used by one
// thread at a time). Each part lands in its program's slot, so the result never depends on who
// did what.
std::vector<CProgramPart> ScanPrograms(const std::vector<CLadder*>& ladders) {
    constexpr unsigned MAX_WORKERS = 4;
    std::vector<CProgramPart> parts(ladders.size());
    std::atomic<std::size_t> next{0};
    std::mutex failedLock;
    std::exception_ptr failed;
    auto work = [&] {
        try {
            for (std::size_t i; (i = next++) < ladders.size();) {
                ScanProgram(*ladders[i], static_cast<std::uint32_t>(i), parts[i]);
            }
        } catch (...) {
            // Out of memory, as a rule: the other workers stop at their next program.
            next = ladders.size();
            std::lock_guard lock(failedLock);
            failed = std::current_exception();
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t workers = std::min<std::size_t>({cores, MAX_WORKERS, ladders.size()});
    {
        std::vector<std::jthread> helpers;
        try {
            for (std::size_t w = 1; w < workers; ++w) {
                helpers.emplace_back(work);
            }
        } catch (const std::system_error&) {
            // No thread to be had: the workers there are share the programs.
        }
        work();
    }
    if (failed) {
        std::rethrow_exception(failed);
    }
    return parts;
}

// Program, row, column (an unknown column first), rule.
std::uint64_t PlaceKey(const CFinding& finding) {
    constexpr int RULE_BITS = 4;
    constexpr int COLUMN_BITS = 8;
    constexpr int ROW_BITS = 32;
    const auto column = static_cast<std::uint8_t>(finding.at.column + 1);
    const auto row = static_cast<std::uint32_t>(finding.at.row);
    std::uint64_t key = finding.at.program;
    key = key << ROW_BITS | row;
    key = key << COLUMN_BITS | column;
    return key << RULE_BITS | static_cast<std::uint8_t>(finding.rule);
}

}  // namespace

CCheckResult CheckProject(CLadderList& programs) {
    CCheckResult result;
    std::vector<CLadder*> ladders;
    for (CLadder& ladder : programs) {
        ladders.push_back(&ladder);
        result.programs.push_back(ladder.Name());
    }
    std::vector<CProgramPart> parts = ScanPrograms(ladders);
    std::vector<CAddressUse> uses;
    std::vector<CLinkBlock> links;
    std::size_t useCount = 0;
    for (const CProgramPart& part : parts) {
        useCount += part.uses.size();
    }
    uses.reserve(useCount);
    for (CProgramPart& part : parts) {
        result.findings.insert(result.findings.end(), part.compiled.begin(), part.compiled.end());
        uses.insert(uses.end(), part.uses.begin(), part.uses.end());
        links.insert(links.end(), part.links.begin(), part.links.end());
        part = CProgramPart();
    }
    AddLinkFindings(result.programs, links, result.findings);
    AddCoilFindings(uses, result.findings);
    AddRelayFindings(uses, result.findings);
    StableRadixSort(result.findings, PlaceKey);
    for (const CFinding& finding : result.findings) {
        switch (finding.severity) {
            case Severity::Error:
                ++result.errors;
                break;
            case Severity::Warning:
                ++result.warnings;
                break;
            case Severity::Note:
                ++result.notes;
                break;
        }
    }
    return result;
}

bool CheckFailed(const CCheckResult& result, bool warningsFail) {
    return result.errors > 0 || (warningsFail && result.warnings > 0);
}

}  // namespace varno
