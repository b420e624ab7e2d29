#include "compiler/compile_report.h"

namespace varno {

void OutputCompileError(const CErrorInfo& error, IOutput& output) {
    const char* program = error.program.c_str();
    switch (error.kind) {
        case 0:
            return;
        case ERR_CONNECT:
            output.OutputMessage(IDS_CONNECT_ERROR, program, error.row);
            return;
        case ERR_SHORT_CONNECT:
            output.OutputMessage(IDS_SHORT_CONNECT, program, error.row);
            return;
        case ERR_OUTPUT:
            output.OutputMessage(IDS_OUTPUT_ERROR, program, error.row);
            return;
        case ERR_REFLUENCE:
            output.OutputMessage(IDS_REFLUENCE_ERROR, program, error.row);
            return;
        case ERR_FUNC_IN_BRANCH:
            output.OutputMessage(IDS_FUNCTION_CONNECT_ERROR, program, error.row);
            return;
        case ERR_FUNC_OUTPUT:
            output.OutputMessage(IDS_FUNCTION_OUTPUT_ERROR, error.row);
            return;
        default:
            output.OutputMessage(IDS_SYNTAX_ERROR, program, error.row);
            return;
    }
}

void WriteCompileReport(const CLDCmdList& cmds, const CErrorList& errors, IOutput& output) {
    output.ClearOutput();
    for (const CErrorInfo& error : errors) {
        OutputCompileError(error, output);
    }
    output.OutputMessage(IDS_COMPILE_FINISHED, static_cast<int>(errors.GetCount()), 0);
    if (errors.IsEmpty()) {
        output.OutputMessage(IDS_GENERATE_INSTRUCTIONS, static_cast<int>(cmds.GetCount()));
    }
}

}  // namespace varno
