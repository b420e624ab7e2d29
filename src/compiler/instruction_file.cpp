#include "compiler/instruction_file.h"

#include "model/address.h"
#include "model/catalog.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/string_table.h"

namespace varno {

namespace {

// Only basic instructions and functional heads have a mnemonic in the file; every other
// record, operands included, gets a blank one.
std::string FileMnemonic(const CLDCmd& cmd) {
    if (cmd.kind == LDCMD_BASIC && cmd.code < BASIC_CODE_COUNT) {
        return std::string(BasicMnemonic(cmd.code));
    }
    if (cmd.kind == LDCMD_FUNC && cmd.code < FUNC_SLOT_COUNT) {
        return std::string(FuncName(cmd.code).value_or(""));
    }
    return " ";
}

}  // namespace

std::string InstructionLine(const CLDCmd& cmd) {
    std::string line = Format("%-11s", FileMnemonic(cmd).c_str());
    if (cmd.kind == LDCMD_BASIC) {
        if (cmd.code != BASIC_NONE && cmd.code != BASIC_AND_STK && cmd.code != BASIC_OR_STK) {
            line += FormatAddress(cmd.Address(), true);
        }
    } else if (cmd.kind == LDCMD_OPERAND) {
        line += FormatOperand(cmd, false);
    }
    return line;
}

bool StartsRung(const CLDCmd& cmd) {
    if (cmd.kind == LDCMD_BASIC) {
        return cmd.code == BASIC_RD || cmd.code == BASIC_RD_NOT || cmd.code == BASIC_RDPT ||
               cmd.code == BASIC_RDNT;
    }
    return cmd.kind == LDCMD_FUNC && FuncInputCount(cmd.code) == 0;
}

std::string InstructionListText(const CLDCmdList& cmds) {
    const std::string& separator = LoadString(IDS_RUNG_SEPARATOR);
    std::string text;
    int rung = 0;
    for (const CLDCmd& cmd : cmds) {
        if (StartsRung(cmd)) {
            text += Format(separator.c_str(), ++rung);
        }
        text += InstructionLine(cmd);
        text += "\r\n";
    }
    return text;
}

void WriteInstructionList(const std::string& path, const CLDCmdList& cmds) {
    const std::string text = InstructionListText(cmds);
    SaveFileAtomically(path, [&](CArchive& ar) { ar.WriteBytes(text); });
}

}  // namespace varno
