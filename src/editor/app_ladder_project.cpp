#include "editor/app_ladder_project.h"

#include <filesystem>
#include <system_error>

#include "model/ladder_file.h"
#include "platform/codepage.h"

namespace varno {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) {
        return true;
    }
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

}  // namespace

bool CAppLadderProject::SavePrograms(const std::string& path, std::string* error) {
    const std::string target = path.empty() ? LadderFile() : path;
    StrId why{};
    if (!WriteProgramSet(target, app_.Programs(), &why)) {
        if (error != nullptr) {
            *error = Utf8ToGbk(target) + ": " + LoadString(why);
        }
        return false;
    }
    app_.SetLaddersModified(false);
    return true;
}

void CAppLadderProject::ReloadPrograms(const std::string& savedFile) {
    const std::string ladderFile = LadderFile();
    if (app_.IsLaddersModified() && !SameFile(savedFile, ladderFile)) {
        std::string error;
        if (!SavePrograms("", &error)) {
            // Keeping the list in memory is better than reading over unsaved programs.
            app_.Messages().ShowMessage(LoadString(IDS_CAPTION_ERROR), error, MbIcon::Error,
                                        MbButtons::Ok);
            return;
        }
    }
    if (closeProgramDocuments) {
        closeProgramDocuments();
    }
    app_.Programs().DeleteAll();
    ReadProgramSet(ladderFile, app_.Programs());
    app_.SetLaddersModified(false);
}

void CAppLadderProject::RefreshProjectViews() {
    if (refreshProjectViews) {
        refreshProjectViews();
    }
}

}  // namespace varno
