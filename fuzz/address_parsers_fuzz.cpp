// The three address parsers on arbitrary text; whatever they accept must format and parse back
// to the same record.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/address.h"

using namespace varno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    LDADDR addr;
    if (ParseAddress(text, addr)) {
        LDADDR again;
        if (!ParseAddress(FormatAddress(addr, true), again) || !(again == addr)) {
            std::abort();
        }
        CheckAddressRange(addr);
    }

    CLDCmd cmd;
    if (ParseOperand(text, cmd)) {
        cmd.kind = LDCMD_OPERAND;
        CLDCmd again;
        if (!ParseOperand(FormatOperand(cmd, true), again) || again.code != cmd.code ||
            (cmd.code == LDOPD_CONST && again.operand != cmd.operand)) {
            std::abort();
        }
    }

    CLDCmd program;
    if (ParseProgramOperand(text, program) && program.kind != LDCMD_OPERAND) {
        std::abort();
    }
    return 0;
}
