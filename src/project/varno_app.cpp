#include "project/varno_app.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "model/ladder_file.h"
#include "platform/codepage.h"
#include "project/profile_values.h"
#include "project/project_paths.h"

namespace varno {

namespace {

constexpr const char* SECTION_PROJECT = "PROJECT";
constexpr const char* SECTION_LADDER = "LADDER";
constexpr const char* SECTION_BUILD = "BUILD";
constexpr const char* KEY_ROM_NAME = "ROM NAME";
constexpr const char* KEY_FONT = "LADDER_FONT";

struct CPathKey {
    const char* key;
    const char* extension;
    std::string CProjectFiles::*member;
};

constexpr CPathKey PATH_KEYS[] = {
    {"LADDER DIR", ".vld", &CProjectFiles::ladder},
    {"INSTRUCT DIR", ".txt", &CProjectFiles::instruct},
    {"COMMENT DIR", ".cmt", &CProjectFiles::comment},
    {"PARAM DIR", ".par", &CProjectFiles::param},
    {"VERSION DIR", ".ver", &CProjectFiles::version},
};

struct CIntKey {
    const char* key;
    int CDisplaySettings::*member;
};

constexpr CIntKey INT_KEYS[] = {
    {"SHOW_GRID", &CDisplaySettings::showGrid},
    {"SHOW_LINE_NO", &CDisplaySettings::showLineNo},
    {"SHOW_SYMBOL", &CDisplaySettings::showSymbol},
    {"SHOW_COMMENT2", &CDisplaySettings::showComment2},
};
constexpr const char* KEY_GRID_COLOR = "GRID_COLOR";
constexpr const char* KEY_WIDTH = "WIDTH";
constexpr const char* KEY_HEIGHT = "HEIGHT";

std::string AbsoluteDirectory(const std::string& directory) {
    std::filesystem::path dir(directory.empty() ? std::string(".") : directory);
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(dir, ec);
    std::string text = (ec ? dir : absolute).lexically_normal().string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

void AppendLine(std::string* text, const std::string& line) {
    if (text == nullptr) {
        return;
    }
    if (!text->empty()) {
        *text += '\n';
    }
    *text += line;
}

}  // namespace

bool CVARNOApp::LoadProjectProfile(const std::string& path, bool isNew) {
    const CProjectPathParts parts = SplitProjectPath(path);
    projectDirectory_ = AbsoluteDirectory(parts.directory);
    const std::string projectFile =
        (std::filesystem::path(projectDirectory_) / path.substr(parts.directory.size()))
            .lexically_normal()
            .string();

    if (!profile_.LoadIni(path) && !isNew) {
        return false;
    }
    for (const CPathKey& pathKey : PATH_KEYS) {
        std::string stored = GetProjectString(SECTION_PROJECT, pathKey.key, "");
        if (stored.empty()) {
            stored = DefaultStoredPath(parts.name, pathKey.extension);
            const std::string full = GetFullPath(stored);
            if (isNew && full != projectFile) {
                // A new project must not pick up the data of an old one that used its names.
                ::unlink(full.c_str());
            }
            WriteProjectString(SECTION_PROJECT, pathKey.key, stored);
        }
        files_.*pathKey.member = std::move(stored);
    }
    for (const CIntKey& intKey : INT_KEYS) {
        display_.*intKey.member =
            GetProjectInt(SECTION_LADDER, intKey.key, display_.*intKey.member);
    }
    display_.gridColor = static_cast<std::uint32_t>(
        GetProjectInt(SECTION_LADDER, KEY_GRID_COLOR, static_cast<int>(display_.gridColor)));
    display_.cellWidth = std::max(GetProjectInt(SECTION_LADDER, KEY_WIDTH, display_.cellWidth),
                                  CDisplaySettings::MIN_CELL_WIDTH);
    display_.cellHeight = std::max(GetProjectInt(SECTION_LADDER, KEY_HEIGHT, display_.cellHeight),
                                   CDisplaySettings::MIN_CELL_HEIGHT);
    if (auto font = GetProjectBinary(SECTION_LADDER, KEY_FONT)) {
        display_.font.SetBytes(*font);
    } else {
        display_.font = CLogFont::Default();
        WriteProjectBinary(SECTION_LADDER, KEY_FONT, display_.font.ToBytes());
    }
    files_.romName = GetProjectString(SECTION_BUILD, KEY_ROM_NAME, files_.romName);
    if (files_.romName.empty()) {
        files_.romName = DEFAULT_ROM_NAME;
    }
    profile_.SetModified(false);
    return true;
}

bool CVARNOApp::OpenProject(const std::string& path, bool isNew, CLoadedRows* loaded) {
    if (!LoadProjectProfile(path, isNew)) {
        return false;
    }
    std::fill(std::begin(keepOnDisk_), std::end(keepOnDisk_), false);

    comments_.Reset();
    if (!comments_.LoadCommentFile(GetFullPath(files_.comment))) {
        NoteUnreadable(COMMENT_FILE, files_.comment);
    }
    programs_.DeleteAll();
    if (!ReadProgramSet(GetFullPath(files_.ladder), programs_, loaded)) {
        NoteUnreadable(LADDER_FILE, files_.ladder);
    }
    if (!versions_.LoadVersion(GetFullPath(files_.version))) {
        NoteUnreadable(VERSION_FILE, files_.version);
    }

    const bool modified = isNew;
    if (isNew && programs_.IsEmpty()) {
        programs_.ResetToNewProject();
    }
    profile_.SetModified(modified);
    comments_.SetModified(modified);
    laddersModified_ = modified;
    versionModified_ = modified;
    return true;
}

void CVARNOApp::NoteUnreadable(DataFile file, const std::string& stored) {
    const std::string full = GetFullPath(stored);
    std::error_code ec;
    if (!std::filesystem::exists(full, ec)) {
        return;  // a missing file is an empty one; the next save creates it
    }
    keepOnDisk_[file] = true;
    messages_.ShowMessage(
        LoadString(IDS_CAPTION_WARNING),
        Format(LoadString(IDS_PROJECT_FILE_UNREADABLE).c_str(), Utf8ToGbk(full).c_str()),
        MbIcon::Warning, MbButtons::Ok);
}

bool CVARNOApp::SaveProjectProfile(std::string* error) {
    // The version path is in the profile from opening already; storing it again changes
    // nothing there unless it was changed since, and then the file must say so.
    for (const CPathKey& pathKey : PATH_KEYS) {
        WriteProjectString(SECTION_PROJECT, pathKey.key, files_.*pathKey.member);
    }
    for (const CIntKey& intKey : INT_KEYS) {
        WriteProjectInt(SECTION_LADDER, intKey.key, display_.*intKey.member);
    }
    WriteProjectInt(SECTION_LADDER, KEY_GRID_COLOR, static_cast<int>(display_.gridColor));
    WriteProjectInt(SECTION_LADDER, KEY_WIDTH, display_.cellWidth);
    WriteProjectInt(SECTION_LADDER, KEY_HEIGHT, display_.cellHeight);
    WriteProjectBinary(SECTION_LADDER, KEY_FONT, display_.font.ToBytes());
    WriteProjectString(SECTION_BUILD, KEY_ROM_NAME, files_.romName);
    if (!profile_.SaveIni(error)) {
        return false;
    }
    profile_.SetModified(false);
    return true;
}

bool CVARNOApp::SaveDataFile(DataFile file, std::string& error) {
    switch (file) {
        case COMMENT_FILE:
            if (keepOnDisk_[file] && !comments_.IsModified()) {
                return true;
            }
            if (!comments_.SaveCommentFile(GetFullPath(files_.comment), &error)) {
                return false;
            }
            comments_.SetModified(false);
            break;
        case LADDER_FILE:
            if (keepOnDisk_[file] && !laddersModified_) {
                return true;
            }
            try {
                StrId why{};
                if (!WriteProgramSet(GetFullPath(files_.ladder), programs_, &why)) {
                    error = GetFullPath(files_.ladder) + ": " + GbkToUtf8(LoadString(why));
                    return false;
                }
            } catch (const CFileException& e) {
                error = e.what();
                return false;
            }
            laddersModified_ = false;
            break;
        case VERSION_FILE:
            if (keepOnDisk_[file] && !versionModified_) {
                return true;
            }
            if (!versions_.SaveVersion(GetFullPath(files_.version), &error)) {
                return false;
            }
            versionModified_ = false;
            break;
        case DATA_FILES:
            return false;
    }
    keepOnDisk_[file] = false;
    return true;
}

bool CVARNOApp::SaveProject(std::string* error) {
    bool all = true;
    std::string reason;
    if (!SaveProjectProfile(&reason)) {
        all = false;
        AppendLine(error, reason);
    }
    for (DataFile file : {COMMENT_FILE, LADDER_FILE, VERSION_FILE}) {
        reason.clear();
        if (!SaveDataFile(file, reason)) {
            all = false;
            AppendLine(error, reason);
        }
    }
    return all;
}

MbAnswer CVARNOApp::SaveModifiedProject() {
    if (!IsProjectModified()) {
        return MbAnswer::Yes;
    }
    MbAnswer answer = messages_.ShowMessage(IDS_CAPTION_NOTE, IDS_PROJECT_MODIFIED,
                                            MbIcon::Information, MbButtons::YesNoCancel);
    if (answer != MbAnswer::Yes) {
        return answer;
    }
    std::string error;
    if (!SaveProject(&error)) {
        messages_.ShowMessage(LoadString(IDS_CAPTION_ERROR),
                              LoadString(IDS_PROJECT_SAVE_FAILED) + "\n" + Utf8ToGbk(error),
                              MbIcon::Error, MbButtons::Ok);
        return MbAnswer::Cancel;
    }
    return MbAnswer::Yes;
}

bool CVARNOApp::IsProjectModified() const {
    return profile_.IsModified() || comments_.IsModified() || laddersModified_ || versionModified_;
}

std::string CVARNOApp::GetFullPath(std::string_view stored) const {
    return ResolveStoredPath(projectDirectory_, stored);
}

std::string CVARNOApp::GetProjectString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const {
    return GetProfileString(profile_, section, key, defaultValue);
}

bool CVARNOApp::WriteProjectString(std::string_view section, std::string_view key,
                                   std::string_view value) {
    return WriteProfileString(profile_, section, key, value);
}

int CVARNOApp::GetProjectInt(std::string_view section, std::string_view key,
                             int defaultValue) const {
    return GetProfileInt(profile_, section, key, defaultValue);
}

bool CVARNOApp::WriteProjectInt(std::string_view section, std::string_view key, int value) {
    return WriteProfileInt(profile_, section, key, value);
}

std::optional<std::vector<std::uint8_t>> CVARNOApp::GetProjectBinary(std::string_view section,
                                                                     std::string_view key) const {
    return GetProfileBinary(profile_, section, key);
}

bool CVARNOApp::WriteProjectBinary(std::string_view section, std::string_view key,
                                   std::span<const std::uint8_t> bytes) {
    return WriteProfileBinary(profile_, section, key, bytes);
}

void CVARNOApp::SetFiles(const CProjectFiles& files) {
    files_ = files;
    profile_.SetModified(true);
}

void CVARNOApp::SetDisplay(const CDisplaySettings& display) {
    display_ = display;
    profile_.SetModified(true);
}

}  // namespace varno
