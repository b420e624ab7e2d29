#include <algorithm>
#include <exception>
#include <iterator>
#include <system_error>
#include <thread>

#include "check/check_rules.h"
#include "check/diagnostics.h"
#include "check/stable_radix_sort.h"
#include "compiler/compile.h"
#include "model/ladder_list.h"

namespace varno {

namespace {

// What the compiled chunks contribute, each chunk in its own slot, so that the result never
// depends on which thread did what: the compiler's errors, the linked blocks, and what the
// coil and relay rules need of the rows.
struct CScan {
    std::vector<std::vector<CFinding>> compiled;
    std::vector<std::vector<CLinkBlock>> links;
    std::vector<CRuleUses> rules;
};

// Each chunk is looked at right after it is compiled, on the thread that compiled it, while
// its rows are still in the cache.
CScan ScanPrograms(CLadderList& programs) {
    CScan scan;
    auto prepare = [&](std::size_t chunks) {
        scan.compiled.resize(chunks);
        scan.links.resize(chunks);
        scan.rules.resize(chunks);
    };
    CompileEachProgram(programs, prepare, [&](const CCompiledChunk& chunk) {
        const auto program = static_cast<std::uint32_t>(chunk.program);
        for (const CErrorInfo& error : chunk.errors) {
            CFinding finding;
            finding.at = CCellRef{program, error.row, -1};
            finding.severity = Severity::Error;
            finding.rule = CheckRule::Compile;
            finding.kind = error.kind;
            scan.compiled[chunk.index].push_back(finding);
        }
        CollectRuleUses(chunk.ladder, program, static_cast<std::size_t>(chunk.first),
                        static_cast<std::size_t>(chunk.end), scan.rules[chunk.index],
                        scan.links[chunk.index]);
    });
    return scan;
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

void SortByPlace(std::vector<CFinding>& findings) {
    StableRadixSort(findings, PlaceKey);
}

// Runs `aside` on a thread of its own while this thread runs `here`; an exception of either
// reaches the caller once both are done.
template <class Aside, class Here>
void SideBySide(Aside aside, Here here) {
    std::exception_ptr asideFailed;
    auto guarded = [&] {
        try {
            aside();
        } catch (...) {
            asideFailed = std::current_exception();
        }
    };
    {
        std::jthread thread;
        try {
            thread = std::jthread(guarded);
        } catch (const std::system_error&) {
            guarded();
        }
        here();
    }
    if (asideFailed) {
        std::rethrow_exception(asideFailed);
    }
}

bool ByPlace(const CFinding& a, const CFinding& b) {
    return PlaceKey(a) < PlaceKey(b);
}

}  // namespace

CCheckResult CheckProject(CLadderList& programs) {
    CCheckResult result;
    for (const CLadder& ladder : programs) {
        result.programs.push_back(ladder.Name());
    }
    const CScan scan = ScanPrograms(programs);
    // The relay rules on one side; the link and coil rules, which take about as long
    // together, on the other. Each list ends up sorted by place.
    std::vector<CFinding> relays;
    std::vector<CFinding> linked;
    std::vector<CFinding> coils;
    SideBySide(
        [&] {
            AddRelayFindings(scan.rules, relays);
            SortByPlace(relays);
        },
        [&] {
            std::vector<CLinkBlock> links;
            for (std::size_t chunk = 0; chunk < scan.rules.size(); ++chunk) {
                linked.insert(linked.end(), scan.compiled[chunk].begin(),
                              scan.compiled[chunk].end());
                links.insert(links.end(), scan.links[chunk].begin(), scan.links[chunk].end());
            }
            AddLinkFindings(result.programs, links, linked);
            SortByPlace(linked);
            AddCoilFindings(scan.rules, coils);
        });
    // No two rules share a key, so merging the sorted lists keeps the order a sort of all
    // would give.
    std::vector<CFinding> fewer;
    fewer.reserve(linked.size() + relays.size());
    std::merge(linked.begin(), linked.end(), relays.begin(), relays.end(),
               std::back_inserter(fewer), ByPlace);
    result.findings.reserve(fewer.size() + coils.size());
    std::merge(fewer.begin(), fewer.end(), coils.begin(), coils.end(),
               std::back_inserter(result.findings), ByPlace);
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
