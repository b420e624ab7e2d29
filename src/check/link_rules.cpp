#include <deque>

#include "check/check_rules.h"
#include "model/catalog.h"
#include "model/ladder_list.h"
#include "target/linker.h"

namespace varno {

namespace {

// The linker names what it cannot resolve; the check reports it at the block instead.
class CDiscardedOutput final : public IOutput {
public:
    void AppendLine(const std::string&) override {}
    void ClearOutput() override {}
};

bool IsCall(std::uint8_t number) {
    return number == FUNC_CALL || number == FUNC_CALLU;
}

bool IsAddressOperand(const CLDCmd& cmd) {
    return cmd.kind == LDCMD_OPERAND && cmd.code == LDOPD_ADDR;
}

bool IsMainProgram(const std::string& name) {
    const int key = ProgramOrderKey(name);
    return key == -2 || key == -1;
}

}  // namespace

void AddLinkFindings(const std::vector<std::string>& programs, const std::vector<CLinkBlock>& links,
                     std::vector<CFinding>& findings) {
    // Each block and its first operand, as the compiler would emit them, linked by the linker
    // itself: whatever it resolves here it resolves in a build.
    CLDCmdList list;
    list.Reserve(links.size() * 2);
    for (const CLinkBlock& block : links) {
        list.Add(block.head);
        list.Add(block.operand);
    }
    CDiscardedOutput discarded;
    LinkInstructions(list, discarded);

    std::vector<std::vector<std::uint32_t>> callees(programs.size());
    for (std::size_t i = 0; i < links.size(); ++i) {
        const CLinkBlock& block = links[i];
        if (!IsCall(block.number) && block.number != FUNC_JMPB) {
            continue;
        }
        const CLDCmd& linked = list[2 * i + 1];
        // A resolved operand holds the 1-based position of its SP or LBL head.
        const bool resolved = IsAddressOperand(block.operand) && linked.code == LDOPD_CONST &&
                              linked.Constant() >= 1 &&
                              static_cast<std::size_t>(linked.Constant()) <= list.GetCount();
        if (!resolved) {
            CFinding finding;
            finding.at = block.at;
            finding.severity = Severity::Error;
            finding.rule =
                IsCall(block.number) ? CheckRule::UndefinedSubprogram : CheckRule::UndefinedLabel;
            finding.subject = block.operand;
            findings.push_back(finding);
            continue;
        }
        if (IsCall(block.number)) {
            const std::size_t target = static_cast<std::size_t>(linked.Constant() - 1) / 2;
            callees[block.at.program].push_back(links[target].at.program);
        }
    }

    std::vector<bool> reached(programs.size(), false);
    std::deque<std::uint32_t> pending;
    for (std::uint32_t p = 0; p < programs.size(); ++p) {
        if (IsMainProgram(programs[p])) {
            reached[p] = true;
            pending.push_back(p);
        }
    }
    while (!pending.empty()) {
        const std::uint32_t caller = pending.front();
        pending.pop_front();
        for (std::uint32_t callee : callees[caller]) {
            if (!reached[callee]) {
                reached[callee] = true;
                pending.push_back(callee);
            }
        }
    }

    std::vector<const CLinkBlock*> firstHead(programs.size(), nullptr);
    for (const CLinkBlock& block : links) {
        if (block.number == FUNC_SP && firstHead[block.at.program] == nullptr) {
            firstHead[block.at.program] = &block;
        }
    }
    for (std::uint32_t p = 0; p < programs.size(); ++p) {
        if (reached[p]) {
            continue;
        }
        CFinding finding;
        finding.at = firstHead[p] != nullptr ? firstHead[p]->at : CCellRef{p, 0, -1};
        finding.severity = Severity::Note;
        finding.rule = CheckRule::UncalledSubprogram;
        findings.push_back(finding);
    }
}

}  // namespace varno
