#include <filesystem>

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "run_tool.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using test::RunTool;

void CopyDemo(const test::CTempDir& dir) {
    const std::string demo = std::string(VARNO_SOURCE_DIR) + "/examples/Demo";
    for (const char* name : {"Demo.KPJ", "Demo.vld", "Demo.cmt", "Demo.ver", "Demo.par"}) {
        std::filesystem::copy_file(demo + "/" + name, dir.File(name));
    }
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

TEST(CliExportSvg, TheWholeProgramAsTheWindowDrawsIt) {
    test::CTempDir dir;
    CopyDemo(dir);
    const test::CliResult r =
        RunTool({"--lang", "en", "export-svg", dir.File("Demo.KPJ"), "LEVEL1", dir.File("l1.svg")});
    ASSERT_EQ(r.status, EXIT_OK) << r.err;
    const std::string svg = test::ReadFileBytes(dir.File("l1.svg"));
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
    EXPECT_NE(svg.find(">0000</text>"), std::string::npos);
    EXPECT_NE(svg.find(">END1</text>"), std::string::npos);
    EXPECT_NE(svg.find("font-family=\"'Courier New', monospace\""), std::string::npos);
    // The coil comments right of the rail, in green.
    EXPECT_NE(svg.find("fill=\"#009000\" xml:space=\"preserve\">Spindle motor contactor</text>"),
              std::string::npos);
    EXPECT_EQ(Count(svg, "<svg "), 1u);
}

TEST(CliExportSvg, PagesOfA4WithHeaderAndFooter) {
    test::CTempDir dir;
    CopyDemo(dir);
    const std::string out = dir.File("pages");
    const test::CliResult r =
        RunTool({"--lang", "zh", "export-svg", "--pages", dir.File("Demo.KPJ"), "LEVEL1", out});
    ASSERT_EQ(r.status, EXIT_OK) << r.err;
    const std::string page = test::ReadFileBytes(out + "/page-001.svg");
    EXPECT_NE(page.find("width=\"210mm\" height=\"297mm\""), std::string::npos);
    EXPECT_NE(page.find(">第1页(共1页)</text>"), std::string::npos);  // UTF-8, not GBK
    EXPECT_NE(page.find(">Demo Machine Works Spindle and feed station V1.0</text>"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out + "/page-002.svg"));
    EXPECT_EQ(r.out, out + "/page-001.svg\n");
}

TEST(CliExportSvg, BadArgumentsAndUnknownProgramsAreRefused) {
    test::CTempDir dir;
    CopyDemo(dir);
    EXPECT_EQ(RunTool({"export-svg", dir.File("Demo.KPJ"), "LEVEL1"}).status, EXIT_USAGE);
    EXPECT_EQ(RunTool({"export-svg", "--page", dir.File("Demo.KPJ"), "LEVEL1", "x"}).status,
              EXIT_USAGE);
    const test::CliResult r =
        RunTool({"--lang", "en", "export-svg", dir.File("Demo.KPJ"), "P0404", dir.File("x.svg")});
    EXPECT_EQ(r.status, EXIT_USAGE);
    EXPECT_EQ(r.err,
              "varnoc: no program 'P0404' in the project (it has: LEVEL1, LEVEL2, P0001, "
              "P0002)\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.svg")));
    // A folder that cannot be created: a file is in its place.
    test::WriteFileBytes(dir.File("taken"), "x");
    EXPECT_EQ(RunTool({"export-svg", "--pages", dir.File("Demo.KPJ"), "LEVEL1", dir.File("taken")})
                  .status,
              EXIT_USAGE);
    EXPECT_EQ(test::ReadFileBytes(dir.File("taken")), "x");
}

}  // namespace
}  // namespace varno
