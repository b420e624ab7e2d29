#include "compiler/compile_command.h"

#include "compiler/compile.h"
#include "compiler/compile_report.h"
#include "compiler/instruction_file.h"

namespace varno {

CCompileOutcome RunCompileCommand(CLadderList& programs, const std::string& instructionPath,
                                  IOutput& output, IMessageService& messages) {
    CLDCmdList cmds;
    CErrorList errors;
    output.ClearOutput();
    CCompileOutcome outcome;
    outcome.compiled = CompileLadderList(programs, cmds, errors);
    if (outcome.compiled) {
        WriteInstructionList(instructionPath, cmds);
    }
    WriteCompileReport(cmds, errors, output);
    messages.Beep(outcome.compiled ? BeepKind::Exclamation : BeepKind::Error);
    outcome.instructions = cmds.GetCount();
    outcome.errors = errors.GetCount();
    return outcome;
}

}  // namespace varno
