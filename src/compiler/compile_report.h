// The report of a compile run in the output window: one line per error and the summary, or,
// without errors, the summary and the instruction count.
#pragma once

#include "compiler/error_list.h"
#include "compiler/ldcmd_list.h"
#include "platform/output.h"

namespace varno {

// Appends the message of one error; kind 0 has none.
void OutputCompileError(const CErrorInfo& error, IOutput& output);

// Clears the output and writes the report. The warning count is always 0.
void WriteCompileReport(const CLDCmdList& cmds, const CErrorList& errors, IOutput& output);

}  // namespace varno
