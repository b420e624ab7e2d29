#include "target/generate_rom.h"

#include "comments/compiled_comments.h"
#include "compiler/compile.h"
#include "compiler/compile_report.h"
#include "params/param_doc.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "project/project_paths.h"
#include "project/varno_app.h"
#include "target/linker.h"
#include "target/rom_ahead.h"
#include "target/target_reader.h"
#include "target/target_writer.h"

namespace varno {

namespace {

// Writes the reasons and the error line and sounds the error beep.
CRomOutcome Failure(RomResult result, const std::vector<std::string>& reasons, IOutput& output,
                    IMessageService& messages) {
    for (const std::string& line : reasons) {
        output.AppendLine(line);
    }
    output.AppendLine(LoadString(IDS_GENERATE_ROM_ERROR));
    messages.Beep(BeepKind::Error);
    return CRomOutcome{result, reasons.empty() ? std::string() : reasons.front()};
}

// The parameter file's bytes: nullopt when it cannot be opened (the section is then left
// out); a file that opens but is no sound parameter file is an error.
bool ReadParamFile(const std::string& path, std::optional<std::string>& bytes, std::string& why) {
    std::unique_ptr<CFileArchive> file = CFileArchive::Open(path, CFileArchive::Mode::Read);
    if (!file) {
        bytes.reset();
        return true;
    }
    std::optional<std::string> read;
    if (file->Remaining() <= MAX_PARAM_FILE) {
        read = file->ReadBytes(static_cast<std::size_t>(file->Remaining()));
    }
    if (!read || !ParamSectionSound(std::span(reinterpret_cast<const std::uint8_t*>(read->data()),
                                              read->size()))) {
        why = Format(LoadString(IDS_TARGET_PARAM_DAMAGED).c_str(), Utf8ToGbk(path).c_str());
        return false;
    }
    bytes = std::move(read);
    return true;
}

}  // namespace

CRomOutcome RunGenerateRom(const CRomBuild& build, IOutput& output, IMessageService& messages) {
    output.ClearOutput();
    CRomAhead ahead(*build.comments, build.compiledCommentPath, *build.programs, build.loadedRows);
    CLDCmdList cmds;
    CErrorList errors;
    const bool compiled = build.ownLadder != nullptr
                              ? CompileLadder(*build.ownLadder, cmds, errors)
                              : CompileLadderList(*build.programs, cmds, errors);
    WriteCompileReport(cmds, errors, output);
    if (!compiled) {
        return Failure(RomResult::CompileFailed, {}, output, messages);
    }
    cmds.Add(CLDCmd{});
    output.AppendLine(LoadString(IDS_GENERATING_ROM));
    if (!LinkInstructions(cmds, output)) {
        return Failure(RomResult::LinkFailed, {}, output, messages);
    }

    const CLadderImage& ladder = ahead.Ladder();
    std::vector<std::string> refusals = TargetFileRefusals(cmds, ladder, *build.versions);
    if (const std::optional<std::string>& comments = ahead.CommentRefusal()) {
        refusals.push_back(*comments);
    }
    if (!refusals.empty()) {
        return Failure(RomResult::DoesNotFit, refusals, output, messages);
    }
    std::optional<std::string> paramFile;
    std::string why;
    if (!ReadParamFile(build.paramPath, paramFile, why)) {
        return Failure(RomResult::FileError, {why}, output, messages);
    }

    try {
        ahead.CommitCommentFile();
        SaveFileAtomically(build.targetPath, [&](CArchive& ar) {
            WriteTargetFile(ar, cmds, paramFile, ahead.CommentBytes(), *build.versions, ladder);
        });
    } catch (const CFileException& e) {
        return Failure(
            RomResult::FileError,
            {Format(LoadString(IDS_TARGET_WRITE_FAILED).c_str(), Utf8ToGbk(e.what()).c_str())},
            output, messages);
    }
    output.AppendLine(LoadString(IDS_ROM_GENERATED));
    output.OutputMessage(IDS_ROM_OUTPUT_FILE, Utf8ToGbk(build.targetPath).c_str());
    messages.Beep(BeepKind::Exclamation);
    return {};
}

CRomBuild ProjectRomBuild(CVARNOApp& app) {
    CRomBuild build;
    build.programs = &app.Programs();
    build.comments = &app.Comments();
    build.versions = &app.Versions();
    build.paramPath = app.GetFullPath(app.Files().param);
    build.compiledCommentPath = app.GetFullPath(CompiledCommentStoredPath(app.Files().comment));
    build.targetPath = app.GetFullPath(app.Files().romName);
    return build;
}

std::string TargetFilePath(std::string_view documentPath, std::string_view romName) {
    const std::size_t slash = documentPath.find_last_of("/\\");
    const std::string directory(
        slash == std::string_view::npos ? std::string_view() : documentPath.substr(0, slash + 1));
    return ResolveStoredPath(directory, romName);
}

std::string BuildPageRomName(std::string_view text) {
    return text.empty() ? std::string(DEFAULT_ROM_NAME) : std::string(text);
}

}  // namespace varno
