#include "target/linker.h"

#include <unordered_map>

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

void InsertEdgeWorkBits(std::vector<CLDCmd>& cmds) {
    std::size_t edges = 0;
    for (const CLDCmd& cmd : cmds) {
        edges += IsEdgeContact(cmd) ? 1 : 0;
    }
    if (edges == 0) {
        return;
    }
    std::vector<CLDCmd> linked;
    linked.reserve(cmds.size() + edges);
    std::uint32_t bit = 0;
    for (const CLDCmd& cmd : cmds) {
        linked.push_back(cmd);
        if (IsEdgeContact(cmd)) {
            // A list too long for the byte numbers is refused by the target file's checks.
            linked.push_back(CLDCmd::Basic(BASIC_EDGE_WORK_BIT, WORK_BIT_LETTER,
                                           static_cast<std::uint16_t>(bit / 8),
                                           static_cast<std::int8_t>(bit % 8)));
            ++bit;
        }
    }
    cmds = std::move(linked);
}

}  // namespace

bool LinkInstructions(CLDCmdList& list, IOutput& output) {
    std::vector<CLDCmd>& cmds = list.Items();
    InsertEdgeWorkBits(cmds);

    // Position numbers of the first SP and LBL head of each target; emplace keeps the first.
    std::unordered_map<std::uint32_t, std::uint32_t> subprograms;
    std::unordered_map<std::uint32_t, std::uint32_t> labels;
    for (std::size_t i = 0; i + 1 < cmds.size(); ++i) {
        const CLDCmd& next = cmds[i + 1];
        if (!IsAddressOperand(next)) {
            continue;
        }
        const auto position = static_cast<std::uint32_t>(i + 1);
        if (IsHead(cmds[i], FUNC_SP)) {
            subprograms.emplace(TargetKey(next.Address()), position);
        } else if (IsHead(cmds[i], FUNC_LBL)) {
            labels.emplace(TargetKey(next.Address()), position);
        }
    }

    bool linked = true;
    for (std::size_t i = 0; i + 1 < cmds.size(); ++i) {
        const bool call = IsHead(cmds[i], FUNC_CALL) || IsHead(cmds[i], FUNC_CALLU);
        const bool jump = IsHead(cmds[i], FUNC_JMPB);
        if (!call && !jump) {
            continue;
        }
        CLDCmd& operand = cmds[i + 1];
        const auto& index = call ? subprograms : labels;
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
