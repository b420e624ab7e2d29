#include "cli/cli.h"

#include <sstream>

#include <gtest/gtest.h>

#include "platform/string_table.h"
#include "run_tool.h"

namespace varno {
namespace {

using Result = test::CliResult;
using test::RunTool;

TEST(Cli, HelpAndVersion) {
    Result help = RunTool({"--help"});
    EXPECT_EQ(help.status, EXIT_OK);
    EXPECT_NE(help.out.find("Usage: varnoc"), std::string::npos);
    EXPECT_EQ(help.err, "");

    Result version = RunTool({"--version"});
    EXPECT_EQ(version.status, EXIT_OK);
    EXPECT_EQ(version.out, "varnoc 3.3.2\n");
}

TEST(Cli, UsageErrorsExitWithStatusTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"--bogus"}, {"--lang"}, {"--lang", "de", "--help"}}) {
        Result r = RunTool(args);
        EXPECT_EQ(r.status, EXIT_USAGE);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("varnoc: "), std::string::npos);
        EXPECT_NE(r.err.find("--help"), std::string::npos);
    }
    EXPECT_NE(RunTool({"frobnicate"}).err.find("unknown command 'frobnicate'"), std::string::npos);
}

TEST(Cli, LanguageOptionSelectsTheEdition) {
    RunTool({"--lang", "zh", "nothing"});
    EXPECT_EQ(CurrentLanguage(), Lang::Chinese);
    RunTool({"--lang=en", "nothing"});
    EXPECT_EQ(CurrentLanguage(), Lang::English);
}

}  // namespace
}  // namespace varno
