// The Compile command: compile every program of the project, write the instruction list file
// when that succeeded, report in the output window and beep.
#pragma once

#include <cstddef>
#include <string>

#include "platform/message_service.h"
#include "platform/output.h"

namespace varno {

class CLadderList;

struct CCompileOutcome {
    bool compiled = false;         // no error of kind 1, 3 or 5: the file was written
    std::size_t instructions = 0;  // compiled, also those before a failure
    std::size_t errors = 0;        // every error reported, kinds 2, 6 and 7 included
};

// Clears the output, compiles, and on success writes the instruction list file at the given
// path; then writes the report and beeps (exclamation on success, error beep on failure). A
// failed compile leaves an existing file untouched. When the file cannot be written the
// CFileException goes to the caller before the report: the output stays cleared, no beep.
CCompileOutcome RunCompileCommand(CLadderList& programs, const std::string& instructionPath,
                                  IOutput& output, IMessageService& messages);

}  // namespace varno
