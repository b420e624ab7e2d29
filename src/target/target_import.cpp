#include "target/target_import.h"

#include <array>

#include "model/ladder_file.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "project/varno_app.h"
#include "target/target_reader.h"

namespace varno {

namespace {

void ShowError(CVARNOApp& app, const std::string& text) {
    app.Messages().ShowMessage(LoadString(IDS_CAPTION_ERROR), text, MbIcon::Error, MbButtons::Ok);
}

ImportResult Refuse(CVARNOApp& app, const std::string& why) {
    ShowError(app, why + "\n" + LoadString(IDS_TARGET_IMPORT_REFUSED));
    return ImportResult::Refused;
}

struct CNewFile {
    std::string path;
    const std::string* bytes;
};

// Writes every file to its temporary file first and puts them in place only when all are
// complete, so that a file that cannot be written changes none of them.
void WriteAll(const std::vector<CNewFile>& files) {
    std::vector<std::unique_ptr<CAtomicFile>> pending;
    for (const CNewFile& file : files) {
        pending.push_back(std::make_unique<CAtomicFile>(file.path));
        pending.back()->Archive().WriteBytes(*file.bytes);
    }
    for (auto& atomic : pending) {
        atomic->Commit();
    }
}

}  // namespace

ImportResult ImportTargetFile(CVARNOApp& app, const std::string& targetPath, IOutput& output) {
    std::string error;
    std::optional<std::string> bytes = ReadWholeFile(targetPath, TARGET_MAX_FILE, &error);
    if (!bytes) {
        return Refuse(app, Utf8ToGbk(targetPath + ": " + error));
    }
    std::string why;
    std::optional<CTargetImage> image = ReadTargetFile(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()), &why);
    if (!image) {
        return Refuse(app, why);
    }

    const std::string commentText = image->comments.FormatCommentFile();
    const std::string versionText = image->versions.FormatVersionFile();
    std::vector<CNewFile> files;
    if (image->paramFile) {
        files.push_back({app.GetFullPath(app.Files().param), &*image->paramFile});
    }
    files.push_back({app.GetFullPath(app.Files().comment), &commentText});
    files.push_back({app.GetFullPath(app.Files().ladder), &image->ladderFile});
    files.push_back({app.GetFullPath(app.Files().version), &versionText});
    try {
        WriteAll(files);
    } catch (const CFileException& e) {
        ShowError(app, Utf8ToGbk(e.what()));
        return ImportResult::Failed;
    }

    if (!image->paramFile) {
        output.AppendLine(LoadString(IDS_TARGET_NO_PARAMETERS));
    }
    output.AppendLine(LoadString(IDS_IMPORT_FINISHED));
    app.Messages().Beep(BeepKind::Exclamation);

    app.Comments().Reset();
    const bool commentsRead = app.Comments().LoadCommentFile(app.GetFullPath(app.Files().comment));
    app.Programs().DeleteAll();
    const bool programsRead = ReadProgramSet(app.GetFullPath(app.Files().ladder), app.Programs());
    app.Versions() = image->versions;
    if (!commentsRead || !programsRead) {
        ShowError(app, LoadString(IDS_TARGET_RELOAD_FAILED));
        return ImportResult::Failed;
    }
    // Every data file is saved again from what was just read, as the project's own files.
    app.SetCommentModified(true);
    app.SetLaddersModified(true);
    app.SetVersionModified(true);
    if (!app.SaveProject(&error)) {
        ShowError(app, LoadString(IDS_PROJECT_SAVE_FAILED) + "\n" + Utf8ToGbk(error));
        return ImportResult::Failed;
    }
    return ImportResult::Imported;
}

ImportResult RunImportCommand(CVARNOApp& app, const std::string& targetPath, IOutput& output) {
    if (app.SaveModifiedProject() == MbAnswer::Cancel) {
        return ImportResult::Cancelled;
    }
    return ImportTargetFile(app, targetPath, output);
}

}  // namespace varno
