#include <sys/stat.h>

#include <gtest/gtest.h>

#include "comment_helpers.h"
#include "comments/comment_list.h"
#include "platform/atomic_file.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using test::Addr;
using test::Items;

std::vector<std::string> Parse(std::string_view text) {
    CCommentList list;
    list.ParseCommentFile(text);
    return Items(list);
}

TEST(CommentFile, FieldsSplitAtTabs) {
    EXPECT_EQ(Parse("X0000.0\tSTART\r\n"), (std::vector<std::string>{"X0000.0|START||"}));
    EXPECT_EQ(Parse("X0000.0\t12345678\nX0000.1\t123456789\nX0000.2\t" + std::string(20, 'c')),
              (std::vector<std::string>{"X0000.0|12345678||", "X0000.1||123456789|",
                                        "X0000.2||" + std::string(20, 'c') + "|"}));
    EXPECT_EQ(Parse("R0010\tSPEED\tSpindle speed\r\n"
                    "R0011\tS\tc1\tc2\twith\ttabs\r\n"
                    "R0012\t\t\tonly two\r\n"),
              (std::vector<std::string>{"R0010|SPEED|Spindle speed|", "R0011|S|c1|c2\twith\ttabs",
                                        "R0012|||only two"}));
}

TEST(CommentFile, SkipsLinesThatNameNothing) {
    EXPECT_EQ(Parse("\r\n"
                    "   \t  \r\n"
                    "L0001\tlabel\r\n"         // no group for L
                    "x0001\tlower\r\n"         // group names compare exactly
                    "X0001 no tab\r\n"         // no TAB
                    "Xnonsense\tbad\r\n"       // address does not parse
                    "X0001.8\tbad bit\r\n"     // nor does this one
                    "X0001\tfirst\r\n"         // kept
                    "\xD6\xD0\tGBK first\r\n"  // a double-byte first character
                    "  \tY0002.1\tlead\r\n"),  // leading blanks go before the address
              (std::vector<std::string>{"X0001|first||", "Y0002.1|lead||"}));
}

TEST(CommentFile, ReadsTextModeLineEnds) {
    // CR LF and LF alike; a lone CR is text; Ctrl-Z ends the file; the last line needs no LF.
    EXPECT_EQ(Parse("X0000\tA\tc\r1\tc2\r\r\nY0000\tB\nY0001\tC\x1AY0002\tD"),
              (std::vector<std::string>{"X0000|A|c\r1|c2\r", "Y0000|B||", "Y0001|C||"}));
    // A later line for the same address replaces the earlier one.
    EXPECT_EQ(Parse("D0001\told\nD0001\tnew\n"), (std::vector<std::string>{"D0001|new||"}));
}

TEST(CommentFile, SaveWritesTabSeparatedCrLfLines) {
    CCommentList list;
    EXPECT_EQ(list.FormatCommentFile(), "");
    list.AddOrReplace({Addr('Y', 1, 0), "LAMP", "\xB5\xC6", ""});
    list.AddOrReplace({Addr('D', 10), "", "only comment 1", "x"});
    list.AddOrReplace({Addr('X', 0, 1), "", "", "only comment 2"});
    list.AddOrReplace({Addr('C', 0), "", "", ""});
    EXPECT_EQ(list.FormatCommentFile(),
              "D0010\t\tonly comment 1\tx\r\n"
              "Y0001.0\tLAMP\t\xB5\xC6\t\r\n");

    test::CTempDir dir;
    ASSERT_TRUE(list.SaveCommentFile(dir.File("a.cmt")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("a.cmt")), list.FormatCommentFile());
    CCommentList read;
    ASSERT_TRUE(read.LoadCommentFile(dir.File("a.cmt")));
    // Only the item holding nothing but comment 2 (and the empty one) did not survive.
    EXPECT_EQ(Items(read),
              (std::vector<std::string>{"D0010||only comment 1|x", "Y0001.0|LAMP|\xB5\xC6|"}));
}

TEST(CommentFile, FailuresLeaveFilesAndListAlone) {
    test::CTempDir dir;
    CCommentList list;
    EXPECT_FALSE(list.LoadCommentFile(dir.File("missing.cmt")));
    EXPECT_EQ(list.TotalCount(), 0u);

    list.SetComment(Addr('X', 0, 0), "NEW", "", "");
    const std::string path = dir.File("a.cmt");
    test::WriteFileBytes(path, "X0000.0\tOLD\r\n");
    CFileArchive::SetWriteFaultForTesting(3);
    std::string error;
    EXPECT_FALSE(list.SaveCommentFile(path, &error));
    CFileArchive::SetWriteFaultForTesting(std::nullopt);
    EXPECT_NE(error.find("a.cmt"), std::string::npos);
    chmod(path.c_str(), 0444);
    EXPECT_FALSE(list.SaveCommentFile(path));
    EXPECT_EQ(test::ReadFileBytes(path), "X0000.0\tOLD\r\n");
    EXPECT_TRUE(list.IsModified());  // a failed save is no save
}

}  // namespace
}  // namespace varno
