#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace varno {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, LinesReadAsTextModeDid) {
    EXPECT_EQ(SplitTextLines(""), Lines{});
    EXPECT_EQ(SplitTextLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(SplitTextLines("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitTextLines("\r\r\nx\ry\r"), (Lines{"\r", "x\ry\r"}));
    EXPECT_EQ(SplitTextLines("a\nb\x1A\nc\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines(std::string("a\0b\n", 4)), (Lines{std::string("a\0b", 3)}));
}

TEST(TextFile, WholeFilesAreReadWithinALimit) {
    test::CTempDir dir;
    test::WriteFileBytes(dir.File("t.txt"), "one\r\ntwo\r\n");
    EXPECT_EQ(ReadTextFileLines(dir.File("t.txt")), (Lines{"one", "two"}));
    std::string error;
    EXPECT_EQ(ReadWholeFile(dir.File("t.txt"), 9, &error), std::nullopt);
    EXPECT_EQ(error, "the file is too large");
    EXPECT_EQ(ReadWholeFile(dir.File("t.txt"), 10), "one\r\ntwo\r\n");
    EXPECT_EQ(ReadTextFileLines(dir.File("missing.txt"), &error), std::nullopt);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadTextFileLines(dir.Path().string()), std::nullopt);
}

}  // namespace
}  // namespace varno
