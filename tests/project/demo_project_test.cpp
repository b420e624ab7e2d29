#include "demo_project.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "project/varno_app.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

const std::string DEMO_DIR = std::string(VARNO_SOURCE_DIR) + "/examples/Demo";
const char* const DEMO_FILES[] = {"Demo.KPJ", "Demo.vld", "Demo.cmt", "Demo.ver", "Demo.par"};

// The committed example is exactly what the generator writes: re-make it with make_demo when
// the generator changes.
TEST(DemoProject, CommittedFilesAreWhatTheGeneratorWrites) {
    test::CTempDir dir;
    std::string error;
    ASSERT_TRUE(WriteDemoProject(dir.Path().string(), error)) << error;
    for (const char* name : DEMO_FILES) {
        EXPECT_EQ(test::ReadFileBytes(dir.File(name)), test::ReadFileBytes(DEMO_DIR + "/" + name))
            << name << " differs: run make_demo examples/Demo";
    }
}

TEST(DemoProject, OpensWithItsProgramsCommentsAndVersion) {
    test::CRecordingMessages messages;
    CVARNOApp app(messages);
    ASSERT_TRUE(app.OpenProject(DEMO_DIR + "/Demo.KPJ", false));
    EXPECT_TRUE(messages.boxes.empty());
    std::vector<std::string> names;
    for (const CLadder& program : app.Programs()) {
        names.push_back(program.Name());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"LEVEL1", "LEVEL2", "P0001", "P0002"}));
    EXPECT_EQ(app.Comments().AddressOfSymbol("START"), "X0000.0");
    EXPECT_EQ(app.Versions().GetVersionLine(2, 0), "V1.0");
    EXPECT_FALSE(app.IsProjectModified());
}

}  // namespace
}  // namespace varno
