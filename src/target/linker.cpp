#include "target/linker.h"

#include <unordered_map>
#include <vector>

#include "model/address.h"
#include "model/catalog.h"

namespace varno {

namespace {

bool IsEdgeContact(const CLDCmd& cmd) {
    return cmd.kind == LDCMD_BASIC && cmd.code >= BASIC_RDPT && cmd.code <= BASIC_RDNT_STK;
}

bool IsHead(const CLDCmd& cmd, std::uint8_t number) {
    return cmd.kind == LDCMD_FUNC && cmd.code == number;
}

bool IsAddressOperand(const CLDCmd& cmd) {
    return cmd.kind == LDCMD_OPERAND && cmd.code == LDOPD_ADDR;
}

// What a call or jump and its target must share: the letter and the byte number.
std::uint32_t TargetKey(const LDADDR& addr) {
    return std::uint32_t{addr.letter} << 16 | addr.number;
}

// What linking needs to know about the list: where the targets are and which heads name one.
struct CTargets {
    // Position numbers of the first SP and LBL head of each target; emplace keeps the first.
    std::unordered_map<std::uint32_t, std::uint32_t> subprograms;
    std::unordered_map<std::uint32_t, std::uint32_t> labels;
    std::vector<std::size_t> references;  // indices of the CALL, CALLU and JMPB heads
};

// Notes the instruction at `at` in the linked list, followed there by `next`.
void Note(CTargets& targets, const CLDCmd& cmd, const CLDCmd& next, std::size_t at) {
    if (cmd.kind != LDCMD_FUNC) {
        return;
    }
    if (IsHead(cmd, FUNC_CALL) || IsHead(cmd, FUNC_CALLU) || IsHead(cmd, FUNC_JMPB)) {
        targets.references.push_back(at);
    } else if (IsAddressOperand(next)) {
        const auto position = static_cast<std::uint32_t>(at + 1);
        if (IsHead(cmd, FUNC_SP)) {
            targets.subprograms.emplace(TargetKey(next.Address()), position);
        } else if (IsHead(cmd, FUNC_LBL)) {
            targets.labels.emplace(TargetKey(next.Address()), position);
        }
    }
}

// Inserts the work bits and notes the targets, in one pass over the list.
CTargets InsertWorkBitsAndFindTargets(std::vector<CLDCmd>& cmds) {
    std::size_t edges = 0;
    for (const CLDCmd& cmd : cmds) {
        edges += IsEdgeContact(cmd) ? 1 : 0;
    }
    CTargets targets;
    std::vector<CLDCmd> linked;
    linked.reserve(edges == 0 ? 0 : cmds.size() + edges);
    std::uint32_t bit = 0;
    for (std::size_t i = 0; i < cmds.size(); ++i) {
        const CLDCmd& cmd = cmds[i];
        if (i + 1 < cmds.size()) {
            // A head is never an edge contact: what follows it is the same in both lists.
            Note(targets, cmd, cmds[i + 1], edges == 0 ? i : linked.size());
        }
        if (edges == 0) {
            continue;
        }
        linked.push_back(cmd);
        if (IsEdgeContact(cmd)) {
            // A list too long for the byte numbers is refused by the target file's checks.
            linked.push_back(CLDCmd::Basic(BASIC_EDGE_WORK_BIT, WORK_BIT_LETTER,
                                           static_cast<std::uint16_t>(bit / 8),
                                           static_cast<std::int8_t>(bit % 8)));
            ++bit;
        }
    }
    if (edges != 0) {
        cmds = std::move(linked);
    }
    return targets;
}

}  // namespace

bool LinkInstructions(CLDCmdList& list, IOutput& output) {
    std::vector<CLDCmd>& cmds = list.Items();
    const CTargets targets = InsertWorkBitsAndFindTargets(cmds);
    bool linked = true;
    for (const std::size_t at : targets.references) {
        const bool call = !IsHead(cmds[at], FUNC_JMPB);
        CLDCmd& operand = cmds[at + 1];
        const auto& index = call ? targets.subprograms : targets.labels;
        // Only an address names a target; a constant operand matches nothing.
        auto found =
            IsAddressOperand(operand) ? index.find(TargetKey(operand.Address())) : index.end();
        if (found == index.end()) {
            output.OutputMessage(call ? IDS_UNDEFINED_SUBPROGRAM : IDS_UNDEFINED_LABEL,
                                 FormatOperand(operand, false).c_str());
            linked = false;
            continue;
        }
        operand.code = LDOPD_CONST;
        operand.SetConstant(static_cast<std::int32_t>(found->second));
    }
    return linked;
}

}  // namespace varno
