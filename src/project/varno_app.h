// CVARNOApp: the application object without its windows. It holds the one open project: the
// project file (a CXmlProfile), the data-file paths stored in it, the ladder display settings,
// the program list, the element comments, the version information and the four modified flags
// (settings, comments, programs, version), and it opens, creates and saves the project.
//
// Project file sections and keys: "PROJECT" with "LADDER DIR", "INSTRUCT DIR", "COMMENT DIR",
// "PARAM DIR", "VERSION DIR" (stored paths, default ".\<name>.vld" etc.); "LADDER" with
// "LADDER_FONT" (60-byte font record as letter pairs), "SHOW_GRID", "SHOW_LINE_NO",
// "SHOW_SYMBOL", "SHOW_COMMENT2", "GRID_COLOR", "WIDTH", "HEIGHT" (integers); "BUILD" with
// "ROM NAME". Unknown keys and sections are kept and written back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comments/comment_list.h"
#include "model/ladder_list.h"
#include "platform/message_service.h"
#include "project/font_record.h"
#include "project/profile.h"
#include "project/version_array.h"

namespace varno {

struct CLoadedRows;

// The data files of the project as the project file stores them (Windows form, GBK).
struct CProjectFiles {
    std::string ladder;
    std::string instruct;
    std::string comment;
    std::string param;
    std::string version;
    std::string romName;  // the target file

    bool operator==(const CProjectFiles&) const = default;
};

struct CDisplaySettings {
    static constexpr int MIN_CELL_WIDTH = 10;
    static constexpr int MIN_CELL_HEIGHT = 5;

    int showGrid = 1;
    int showLineNo = 1;
    int showSymbol = 0;
    int showComment2 = 0;
    std::uint32_t gridColor = 0xC0C0C0;  // red in the lowest byte
    int cellWidth = 100;
    int cellHeight = 56;
    CLogFont font;  // all zero until a project sets it

    bool operator==(const CDisplaySettings&) const = default;
};

inline constexpr const char* DEFAULT_ROM_NAME = "DST.PLC";

class CVARNOApp {
public:
    explicit CVARNOApp(IMessageService& messages) : messages_(messages) {}
    CVARNOApp(const CVARNOApp&) = delete;
    CVARNOApp& operator=(const CVARNOApp&) = delete;

    // Loads the project file and the program, comment and version data. A new project starts
    // with every modified flag set, LEVEL1 and LEVEL2 when the ladder file supplied no
    // program, and nothing written to disk until it is saved. `loaded` receives the ladder
    // file's rows as read (see ReadProgramSet).
    bool OpenProject(const std::string& path, bool isNew, CLoadedRows* loaded = nullptr);
    // Reads the project file into the paths and settings. Opening an existing project fails
    // when the file is missing or empty; creating one takes the keys of a file already there
    // and deletes existing files at the data paths it has to default.
    bool LoadProjectProfile(const std::string& path, bool isNew);
    // Stores the settings into the profile and writes the project file. False when the file
    // could not be written (the reason goes to error; the settings stay modified).
    bool SaveProjectProfile(std::string* error = nullptr);
    // Writes the project file, the comment file, the ladder file and the version file, in that
    // order, each replacing its old file only once complete. A file that failed to write keeps
    // its modified flag; the result says whether all were written (the reasons go to error,
    // one line each). A data file that exists but could not be read at opening is not
    // overwritten until its data changes.
    bool SaveProject(std::string* error = nullptr);
    // Yes (also when nothing changed), No or Cancel. Yes saves; when that fails the user is
    // told and the answer is Cancel, so that nothing is given up unsaved.
    MbAnswer SaveModifiedProject();
    bool IsProjectModified() const;

    // The operating-system path of a stored data-file path, resolved in the project directory.
    std::string GetFullPath(std::string_view stored) const;
    // The project directory (absolute, ending in "/"); empty before the first project.
    const std::string& ProjectDirectory() const { return projectDirectory_; }
    const std::string& ProjectPath() const { return profile_.Path(); }

    // Typed values of the project profile.
    std::string GetProjectString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const;
    bool WriteProjectString(std::string_view section, std::string_view key, std::string_view value);
    int GetProjectInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool WriteProjectInt(std::string_view section, std::string_view key, int value);
    std::optional<std::vector<std::uint8_t>> GetProjectBinary(std::string_view section,
                                                              std::string_view key) const;
    bool WriteProjectBinary(std::string_view section, std::string_view key,
                            std::span<const std::uint8_t> bytes);

    // Paths and settings; the setters mark the settings modified.
    const CProjectFiles& Files() const { return files_; }
    void SetFiles(const CProjectFiles& files);
    const CDisplaySettings& Display() const { return display_; }
    void SetDisplay(const CDisplaySettings& display);

    CXmlProfile& Profile() { return profile_; }
    CLadderList& Programs() { return programs_; }
    CCommentList& Comments() { return comments_; }
    CVersionArray& Versions() { return versions_; }
    const CLadderList& Programs() const { return programs_; }
    const CCommentList& Comments() const { return comments_; }
    const CVersionArray& Versions() const { return versions_; }

    bool IsSettingsModified() const { return profile_.IsModified(); }
    bool IsCommentModified() const { return comments_.IsModified(); }
    bool IsLaddersModified() const { return laddersModified_; }
    bool IsVersionModified() const { return versionModified_; }
    void SetSettingsModified(bool on) { profile_.SetModified(on); }
    void SetCommentModified(bool on) { comments_.SetModified(on); }
    void SetLaddersModified(bool on) { laddersModified_ = on; }
    void SetVersionModified(bool on) { versionModified_ = on; }

    IMessageService& Messages() { return messages_; }

    enum DataFile { COMMENT_FILE, LADDER_FILE, VERSION_FILE, DATA_FILES };
    // Whether the data file was there at opening but could not be read completely (it is
    // then kept on disk until its data is edited).
    bool WasUnreadable(DataFile file) const { return keepOnDisk_[file]; }

private:
    // Notes a data file that is there but did not read completely, and tells the user.
    void NoteUnreadable(DataFile file, const std::string& stored);
    bool SaveDataFile(DataFile file, std::string& error);

    IMessageService& messages_;
    std::string projectDirectory_;
    CProjectFiles files_;
    CDisplaySettings display_;
    CXmlProfile profile_;
    CLadderList programs_;
    CCommentList comments_;
    CVersionArray versions_;
    bool laddersModified_ = false;
    bool versionModified_ = false;
    bool keepOnDisk_[DATA_FILES] = {};
};

}  // namespace varno
