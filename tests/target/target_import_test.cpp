#include "target/target_import.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>

#include <gtest/gtest.h>

#include "demo_project.h"
#include "model/ladder_file.h"
#include "params/param_doc.h"
#include "project/varno_app.h"
#include "support/hex.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"
#include "target/generate_rom.h"

namespace varno {
namespace {

using Files = std::map<std::string, std::string>;

// Every file of a folder with its bytes.
Files Snapshot(const std::filesystem::path& folder) {
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = test::ReadFileBytes(entry.path().string());
    }
    return files;
}

std::string ProgramSetBytes(const CLadderList& programs) {
    CMemWriteArchive ar;
    EXPECT_TRUE(WriteProgramSet(ar, programs));
    return std::string(ar.Data().begin(), ar.Data().end());
}

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

void Put32(std::string& bytes, std::size_t at, std::uint32_t v) {
    std::memcpy(bytes.data() + at, &v, 4);
}

// Where the sections of a target file start.
struct CSections {
    std::size_t exe = 32, par, cmt, ver, lad, index, rows;
};

CSections Locate(const std::string& file) {
    CSections s;
    s.par = s.exe + Le32(file, s.exe + 8);
    s.cmt = s.par + Le32(file, s.par + 8);
    s.ver = s.cmt + Le32(file, s.cmt + 8);
    s.lad = s.ver + Le32(file, s.ver + 8);
    std::uint16_t programs = 0;
    std::memcpy(&programs, file.data() + s.lad + 22, 2);
    s.index = s.lad + 64 + 8 * programs;
    s.rows = s.lad + Le32(file, s.lad + 8);
    return s;
}

class TargetImport : public ::testing::Test {
protected:
    void SetUp() override {
        SetLanguage(Lang::English);
        std::string error;
        ASSERT_TRUE(WriteDemoProject(demoDir.Path().string(), error)) << error;
        test::CRecordingMessages messages;
        test::CRecordingOutput buildOutput;
        CVARNOApp demo(messages);
        ASSERT_TRUE(demo.OpenProject(demoDir.File("Demo.KPJ"), false));
        ASSERT_EQ(RunGenerateRom(ProjectRomBuild(demo), buildOutput, messages).result,
                  RomResult::Generated);
        target = test::ReadFileBytes(demoDir.File("DST.PLC"));
        MakeProject();
    }

    // A project of its own, with parameters, comments, version and instruction file, so that
    // an import that wrongly wrote anything shows.
    void MakeProject() {
        test::CRecordingMessages messages;
        CVARNOApp app(messages);
        ASSERT_TRUE(app.OpenProject(project(), true));
        app.Comments().SetComment(LDADDR{'X', 0, 7}, "MINE", "my comment", "");
        app.Versions().GetVersionLine(0, 0) = "Mill works";
        ASSERT_TRUE(app.SaveProject());
        CParamDoc params(&app.Comments());
        params.Tables().Find("T")->SetValue(0, 1234);
        ASSERT_TRUE(params.Save(projectDir.File("Mill.par")));
        test::WriteFileBytes(projectDir.File("Mill.txt"), "instructions\r\n");
    }

    std::string project() const { return projectDir.File("Mill.KPJ"); }

    // Imports bytes as a target file that lies outside the project folder.
    ImportResult Import(const std::string& bytes, test::CRecordingMessages& messages) {
        const std::string path = scratch.File("IN.PLC");
        test::WriteFileBytes(path, bytes);
        CVARNOApp app(messages);
        EXPECT_TRUE(app.OpenProject(project(), false));
        output.lines.clear();
        return ImportTargetFile(app, path, output);
    }

    test::CTempDir demoDir, projectDir, scratch;
    test::CRecordingOutput output;
    std::string target;
};

TEST_F(TargetImport, RoundTripGivesTheProjectBackAndTheSameTargetFile) {
    test::CRecordingMessages messages;
    ASSERT_EQ(Import(target, messages), ImportResult::Imported);
    EXPECT_EQ(output.lines, std::vector<std::string>{"The file import finished!"});
    EXPECT_EQ(messages.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_TRUE(messages.boxes.empty());

    CVARNOApp demo(messages), imported(messages);
    ASSERT_TRUE(demo.OpenProject(demoDir.File("Demo.KPJ"), false));
    ASSERT_TRUE(imported.OpenProject(project(), false));
    EXPECT_EQ(ProgramSetBytes(imported.Programs()), ProgramSetBytes(demo.Programs()));
    EXPECT_EQ(imported.Comments().FormatCommentFile(), demo.Comments().FormatCommentFile());
    EXPECT_EQ(imported.Comments().TotalCount(), demo.Comments().TotalCount());
    EXPECT_TRUE(imported.Versions() == demo.Versions());
    EXPECT_EQ(test::ReadFileBytes(projectDir.File("Mill.par")),
              test::ReadFileBytes(demoDir.File("Demo.par")));
    // Neither the instruction file nor the target name are the import's business.
    EXPECT_EQ(test::ReadFileBytes(projectDir.File("Mill.txt")), "instructions\r\n");
    EXPECT_EQ(imported.Files().romName, "DST.PLC");
    EXPECT_FALSE(imported.IsProjectModified());

    test::CRecordingOutput buildOutput;
    ASSERT_EQ(RunGenerateRom(ProjectRomBuild(imported), buildOutput, messages).result,
              RomResult::Generated);
    EXPECT_EQ(test::ReadFileBytes(projectDir.File("DST.PLC")), target);
}

TEST_F(TargetImport, FileWithoutParameterSectionImportsAndKeepsTheParameterFile) {
    const CSections s = Locate(target);
    const std::string withoutParams = target.substr(0, s.par) + target.substr(s.cmt);
    const std::string params = test::ReadFileBytes(projectDir.File("Mill.par"));
    test::CRecordingMessages messages;
    ASSERT_EQ(Import(withoutParams, messages), ImportResult::Imported);
    EXPECT_EQ(output.lines,
              (std::vector<std::string>{"The target file holds no parameter section; the "
                                        "parameter file was left unchanged.",
                                        "The file import finished!"}));
    EXPECT_EQ(test::ReadFileBytes(projectDir.File("Mill.par")), params);
    CVARNOApp imported(messages);
    ASSERT_TRUE(imported.OpenProject(project(), false));
    EXPECT_NE(imported.Programs().FindByName("P0002"), nullptr);
}

// One damaged file: its name, and the bytes.
struct CDamage {
    std::string name;
    std::string bytes;
};

TEST_F(TargetImport, DamagedTruncatedOrForeignFilesChangeNoProjectFile) {
    const CSections s = Locate(target);
    std::vector<CDamage> cases;
    const std::pair<const char*, std::size_t> boundaries[] = {{"file header", 0},
                                                              {"EXE", s.exe},
                                                              {"PAR", s.par},
                                                              {"CMT", s.cmt},
                                                              {"VER", s.ver},
                                                              {"LAD", s.lad},
                                                              {"program table", s.lad + 64},
                                                              {"row index", s.index},
                                                              {"row records", s.rows}};
    for (const auto& [name, at] : boundaries) {
        for (std::size_t cut : {at, at + 1, at + 31}) {
            cases.push_back(
                {"truncated at " + std::to_string(cut) + " (" + name + ")", target.substr(0, cut)});
        }
    }
    for (std::size_t cut = 97; cut < target.size(); cut += 97) {
        cases.push_back({"truncated at " + std::to_string(cut), target.substr(0, cut)});
    }
    cases.push_back({"truncated by one byte", target.substr(0, target.size() - 1)});
    for (const auto& [name, at] : boundaries) {
        if (std::string(name).size() == 3 || at == 0) {
            std::string bytes = target;
            bytes[at + 1] ^= 0x20;
            cases.push_back({std::string("wrong tag of ") + name, bytes});
        }
    }
    for (std::size_t at : {s.exe, s.par, s.cmt, s.ver}) {
        for (std::uint32_t grow : {1u, 0x7FFFFFFFu}) {
            std::string bytes = target;
            Put32(bytes, at + 8, Le32(bytes, at + 8) + grow);
            cases.push_back(
                {"size of the section at " + std::to_string(at) + " + " + std::to_string(grow),
                 bytes});
        }
    }
    auto patched = [&](const std::string& name, std::size_t at, const char* hex) {
        std::string bytes = target;
        const std::string patch = test::FromHex(hex);
        bytes.replace(at, patch.size(), patch);
        cases.push_back({name, bytes});
    };
    patched("more rows than there are", s.lad + 16, "FF FF");
    patched("row counts that disagree", s.lad + 26, "01 00");
    patched("more programs than there are", s.lad + 22, "FF 00");
    patched("program table rows that disagree", s.lad + 64 + 2, "FF 00");
    patched("row length that disagrees", s.index, "FF 00");
    patched("row height that disagrees", s.index + 2, "07");
    patched("unknown row tag", s.rows, "41");
    patched("instruction record changed", s.exe + 32 + 2, "FF");
    patched("record index out of order", s.exe + 32 + 8, "05 00");
    patched("comment item count", s.cmt + 22, "FF FF");
    patched("version count above 4", s.ver + 18, "05 00");
    patched("parameter directory beyond the section", s.par + 18, "FF 00");
    patched("newer file version", 6, "C9 00");
    cases.push_back({"data after the last section", target + "x"});
    cases.push_back({"empty file", ""});
    cases.push_back({"a ladder file", test::ReadFileBytes(demoDir.File("Demo.vld"))});
    cases.push_back({"a text file", "PLC program\r\n"});

    const Files before = Snapshot(projectDir.Path());
    const bool print = std::getenv("VARNO_PRINT_IMPORT_TABLE") != nullptr;
    for (const CDamage& damage : cases) {
        test::CRecordingMessages messages;
        const ImportResult result = Import(damage.bytes, messages);
        const bool unchanged = Snapshot(projectDir.Path()) == before;
        EXPECT_EQ(result, ImportResult::Refused) << damage.name;
        EXPECT_TRUE(unchanged) << damage.name;
        EXPECT_TRUE(output.lines.empty()) << damage.name;
        ASSERT_EQ(messages.boxes.size(), 1u) << damage.name;
        EXPECT_EQ(messages.boxes[0].caption, "Error");
        EXPECT_NE(
            messages.boxes[0].text.find("Nothing was imported; the project files are unchanged."),
            std::string::npos);
        if (print) {
            std::cout << damage.name << " | " << damage.bytes.size() << " bytes | "
                      << (result == ImportResult::Refused ? "refused" : "IMPORTED") << " | "
                      << (unchanged ? "all files unchanged" : "FILES CHANGED") << " | "
                      << messages.boxes[0].text.substr(0, messages.boxes[0].text.find('\n'))
                      << "\n";
        }
    }
}

TEST_F(TargetImport, ReasonsNameTheSectionAndWhere) {
    const CSections s = Locate(target);
    test::CRecordingMessages messages;
    Import("LAD", messages);
    EXPECT_EQ(messages.boxes.back().text,
              "The file is not a PLC target file.\nNothing was imported; the project files are "
              "unchanged.");
    std::string wrongTag = target;
    wrongTag[s.ver] = 'X';
    Import(wrongTag, messages);
    EXPECT_EQ(messages.boxes.back().text.substr(0, messages.boxes.back().text.find('\n')),
              "At byte " + std::to_string(s.ver) +
                  " the section \"VER\" was expected; the file is damaged or not a PLC target "
                  "file.");
    Import(target.substr(0, s.ver + 40), messages);
    EXPECT_EQ(messages.boxes.back().text.substr(0, messages.boxes.back().text.find('\n')),
              "The section \"VER\" at byte " + std::to_string(s.ver) +
                  " goes past the end of the file; the file is truncated or damaged.");
    std::string flipped = target;
    flipped[s.exe + 32 + 4] ^= 1;
    Import(flipped, messages);
    EXPECT_EQ(messages.boxes.back().text.substr(0, messages.boxes.back().text.find('\n')),
              "The checksum of the instruction section does not match; the file is damaged.");
}

TEST_F(TargetImport, UnwritableProjectFileChangesNone) {
    const Files before = Snapshot(projectDir.Path());
    chmod(projectDir.File("Mill.ver").c_str(), 0444);
    test::CRecordingMessages messages;
    EXPECT_EQ(Import(target, messages), ImportResult::Failed);
    chmod(projectDir.File("Mill.ver").c_str(), 0644);
    EXPECT_EQ(Snapshot(projectDir.Path()), before);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_NE(messages.boxes[0].text.find("Mill.ver"), std::string::npos);

    // A target file that cannot be read at all.
    CVARNOApp app(messages);
    ASSERT_TRUE(app.OpenProject(project(), false));
    EXPECT_EQ(ImportTargetFile(app, scratch.File("missing.PLC"), output), ImportResult::Refused);
    EXPECT_NE(messages.boxes.back().text.find("missing.PLC"), std::string::npos);
    EXPECT_EQ(Snapshot(projectDir.Path()), before);
}

TEST_F(TargetImport, CancelOnTheSaveQuestionLeavesEverything) {
    const Files before = Snapshot(projectDir.Path());
    const std::string path = scratch.File("IN.PLC");
    test::WriteFileBytes(path, target);
    test::CRecordingMessages messages;
    messages.answers = {MbAnswer::Cancel};
    CVARNOApp app(messages);
    ASSERT_TRUE(app.OpenProject(project(), false));
    app.SetVersionModified(true);
    EXPECT_EQ(RunImportCommand(app, path, output), ImportResult::Cancelled);
    EXPECT_EQ(Snapshot(projectDir.Path()), before);
    EXPECT_EQ(app.Versions().GetVersionLine(0, 0), "Mill works");

    messages.answers = {MbAnswer::No};
    EXPECT_EQ(RunImportCommand(app, path, output), ImportResult::Imported);
    EXPECT_NE(app.Versions().GetVersionLine(0, 0), "Mill works");
    EXPECT_NE(app.Programs().FindByName("P0001"), nullptr);
}

}  // namespace
}  // namespace varno
