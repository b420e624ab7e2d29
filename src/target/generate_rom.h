// The Generate ROM command: compile, link and write the target file the controller loads,
// together with the compiled comment file "plc.pro".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "comments/comment_list.h"
#include "model/ladder_list.h"
#include "platform/message_service.h"
#include "platform/output.h"
#include "project/version_array.h"

namespace varno {

class CVARNOApp;
struct CLoadedRows;

// What one run works on. Paths are operating-system paths.
struct CRomBuild {
    CLadderList* programs = nullptr;  // the project's programs: the ladder image, and what
                                      // is compiled unless ownLadder is given
    CLadder* ownLadder = nullptr;     // a ladder document opened from its own file
    const CCommentList* comments = nullptr;
    const CVersionArray* versions = nullptr;
    std::string paramPath;            // the project's parameter file
    std::string compiledCommentPath;  // plc.pro
    std::string targetPath;
    // The programs' rows as read from the ladder file, when nothing changed the programs since:
    // the image then copies their records.
    const CLoadedRows* loadedRows = nullptr;
};

enum class RomResult {
    Generated,
    CompileFailed,  // an error of kind 1, 3 or 5
    LinkFailed,     // a call or jump that names nothing
    DoesNotFit,     // the project exceeds a field of the target file
    FileError,      // a file could not be read or written, or the parameter file is damaged
};

struct CRomOutcome {
    RomResult result = RomResult::Generated;
    std::string reason;  // for a file error: what went wrong (GBK)
};

// The command's sequence: clear the output; compile (only ownLadder when given, the error
// list then naming no program; else every program); the compile report; the end instruction;
// "Generating ROM file..."; link; check that everything fits the target file; write plc.pro;
// write the target file: header, instructions, the parameter file if it can be opened (a
// damaged one fails the run), the comment section, the version block and the ladder image of
// all programs; then "ROM file has generated!" and the output file, and the exclamation beep.
// Any failure writes its reason and "Generate ROM file error!" and sounds the error beep.
// Both files replace their old versions only once complete: a failed run leaves them as they
// were, and neither changes when the project cannot be compiled, linked or does not fit. (plc.pro
// and the ladder image are made while the programs compile, rom_ahead.h; a failure in writing
// plc.pro is reported in the place above.)
CRomOutcome RunGenerateRom(const CRomBuild& build, IOutput& output, IMessageService& messages);

// The run for the open project: its programs, comments and version information, its parameter
// file, plc.pro in the comment file's folder and the target file in the project folder.
CRomBuild ProjectRomBuild(CVARNOApp& app);

// The target file's path: the directory part of a document's path (up to and including its
// last separator; none leaves the name as it is) followed by the target file name.
std::string TargetFilePath(std::string_view documentPath, std::string_view romName);

// The target name the Build page stores: an empty text becomes "DST.PLC".
std::string BuildPageRomName(std::string_view text);

}  // namespace varno
