// The check and the cross reference on whatever programs a damaged program set file yields:
// operands of any letter, bit and width, calls to anything, blocks cut short. Every finding and
// use must name a program of the project and a place inside its rows, and the cross reference
// must list each use once, in address order.
#include <cstdint>
#include <cstdlib>

#include "check/address_key.h"
#include "check/cross_reference.h"
#include "check/diagnostics.h"
#include "model/ladder_file.h"

using namespace varno;

namespace {

void CheckPlace(const CLadderList& list, const CCellRef& at) {
    const CLadder* ladder = list.GetAt(at.program);
    if (ladder == nullptr || at.row < 0 || at.column < -1 || at.column >= LADDER_WIDTH + 2) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CMemReadArchive ar(std::span<const std::uint8_t>(data, size));
    CLadderList list;
    ReadProgramSet(ar, list);

    const CCheckResult result = CheckProject(list);
    if (result.errors + result.warnings + result.notes != result.findings.size()) {
        std::abort();
    }
    for (const CFinding& finding : result.findings) {
        CheckPlace(list, finding.at);
        FindingText(result, finding);
    }

    CCommentList comments;
    const CCrossReference xref = BuildCrossReference(list, comments);
    std::size_t listed = 0;
    for (std::size_t i = 0; i < xref.addresses.size(); ++i) {
        const CXrefAddress& entry = xref.addresses[i];
        if (entry.first != listed || entry.count == 0 ||
            (i > 0 && AddressKey(xref.addresses[i - 1].address) >= AddressKey(entry.address))) {
            std::abort();
        }
        for (const CAddressUse& use : xref.UsesOf(entry)) {
            CheckPlace(list, use.at);
        }
        listed += entry.count;
    }
    if (listed != xref.uses.size()) {
        std::abort();
    }
    CrossReferenceLines(xref);
    CrossReferenceCsv(xref);
    return 0;
}
