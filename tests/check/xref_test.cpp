// The cross reference of small drawn projects: order, symbols, counts, patterns, CSV.
#include <gtest/gtest.h>

#include "check/caret_address.h"
#include "check/cross_reference.h"
#include "model/address.h"
#include "platform/codepage.h"
#include "platform/string_table.h"
#include "project_picture.h"

namespace varno {
namespace {

using test::DrawProject;

class CrossReferenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetLanguage(Lang::English);
        DrawProject(programs_, {
                                   {"LEVEL1",
                                    {"R5.1 X0.3 ... (Y1)",        // 0
                                     "A [MOVB:R5,R6] # # # ...",  // 1: operands on rows 1, 2
                                     "", "", "[END1] # # ..."}},
                                   {"LEVEL2", {"/R5.1 ... (R5.1)", "[END2] # # ..."}},
                               });
        LDADDR start;
        ASSERT_TRUE(ParseAddress("R0005.1", start));
        comments_.SetComment(start, "START", "Start, \"main\"", "");
    }
    void TearDown() override { SetLanguage(Lang::English); }

    std::vector<std::string> Lines(const std::string& pattern) {
        std::vector<std::string> lines;
        for (const std::string& line : CrossReferenceLines(
                 BuildCrossReference(programs_, comments_, CAddressPattern(pattern)))) {
            lines.push_back(GbkToUtf8(line));
        }
        return lines;
    }

    // The addresses the pattern selects.
    std::vector<std::string> Selected(const std::string& pattern) {
        std::vector<std::string> texts;
        for (const CXrefAddress& entry :
             BuildCrossReference(programs_, comments_, CAddressPattern(pattern)).addresses) {
            texts.push_back(FormatAddress(entry.address, true));
        }
        return texts;
    }

    CLadderList programs_;
    CCommentList comments_;
};

// What the cross reference is asked for at the caret: the element's address, on a block the
// operand of the caret's row or else the block's first address operand, nothing elsewhere.
TEST_F(CrossReferenceTest, AddressUnderTheCaret) {
    const CLadder& level1 = *programs_.begin();
    auto at = [&](int row, int column) {
        const std::optional<LDADDR> address = AddressAt(level1, row, column);
        return address ? FormatAddress(*address, true) : std::string("none");
    };
    EXPECT_EQ(at(0, 0), "R0005.1");
    EXPECT_EQ(at(0, 1), "X0000.3");
    EXPECT_EQ(at(0, 7), "Y0000.1");
    EXPECT_EQ(at(0, 4), "none");  // a line
    EXPECT_EQ(at(1, 1), "R0005");
    EXPECT_EQ(at(2, 3), "R0006");  // the operand drawn in that row, anywhere in the block
    EXPECT_EQ(at(3, 2), "R0005");  // a row without an operand: the first one
    EXPECT_EQ(at(4, 0), "none");   // END1 names no address
    EXPECT_EQ(at(9, 0), "none");   // past the end
}

TEST_F(CrossReferenceTest, EveryUseByAddressThenInProjectOrder) {
    EXPECT_EQ(Lines(""), (std::vector<std::string>{
                             "R0005  (1 read, 0 writes)",
                             "  LEVEL1:1:3      MOVB operand 1  read",
                             "R0005.1  START  Start, \"main\"  (2 reads, 1 write)",
                             "  LEVEL1:0:0      -| |-  read",
                             "  LEVEL2:0:0      -|/|-  read",
                             "  LEVEL2:0:7      -( )-  write",
                             "R0006  (0 reads, 1 write)",
                             "  LEVEL1:2:3      MOVB operand 2  write",
                             "X0000.0  (1 read, 0 writes)",
                             "  LEVEL1:1:0      -| |-  read",
                             "X0000.3  (1 read, 0 writes)",
                             "  LEVEL1:0:1      -| |-  read",
                             "Y0000.1  (0 reads, 1 write)",
                             "  LEVEL1:0:7      -( )-  write",
                             "6 addresses, 8 uses",
                         }));
}

TEST_F(CrossReferenceTest, LettersInTheirOwnOrderThenByteThenBit) {
    DrawProject(programs_,
                {{"LEVEL1",
                  {"Y0.1 X2.0 R1.0 K0.0 G3.0 F0.0 D1.0 (A0.0)", "C0.1 X1.7 X2 R0.7 ... (X1.0)"}}});
    EXPECT_EQ(Selected("*"),
              (std::vector<std::string>{"A0000.0", "C0000.1", "D0001.0", "F0000.0", "G0003.0",
                                        "K0000.0", "R0000.7", "R0001.0", "X0001.0", "X0001.7",
                                        "X0002", "X0002.0", "Y0000.1"}));
}

TEST_F(CrossReferenceTest, PatternsPickAddressesOrSymbols) {
    EXPECT_EQ(Selected("R0005.1"), (std::vector<std::string>{"R0005.1"}));
    EXPECT_EQ(Selected(" r5.1 "), (std::vector<std::string>{"R0005.1"}));
    EXPECT_EQ(Selected("R0005"), (std::vector<std::string>{"R0005"}));
    EXPECT_EQ(Selected("R0005.*"), (std::vector<std::string>{"R0005", "R0005.1"}));
    EXPECT_EQ(Selected("R00*"), (std::vector<std::string>{"R0005", "R0005.1", "R0006"}));
    EXPECT_EQ(Selected("x*.?"), (std::vector<std::string>{"X0000.0", "X0000.3"}));
    EXPECT_EQ(Selected("START"), (std::vector<std::string>{"R0005.1"}));
    EXPECT_EQ(Selected("ST*"), (std::vector<std::string>{"R0005.1"}));
    EXPECT_EQ(Selected("start"), std::vector<std::string>{});  // symbols are exact
    EXPECT_EQ(Selected("R0009"), std::vector<std::string>{});
    EXPECT_EQ(Lines("NOPE"), (std::vector<std::string>{"0 addresses, 0 uses"}));
}

TEST_F(CrossReferenceTest, CountsAndOperandsThatOnlyName) {
    DrawProject(
        programs_,
        {{"LEVEL1",
          {"A [SFT:R50] # # # - - (Y)", "B >", "C >", "D >", "", "[CALLU:P0001] # # # ...", ""}}});
    CCrossReference xref = BuildCrossReference(programs_, comments_);
    std::vector<std::string> counts;
    for (const CXrefAddress& entry : xref.addresses) {
        counts.push_back(FormatAddress(entry.address, true) + " " + UseCountText(entry));
    }
    EXPECT_EQ(counts, (std::vector<std::string>{
                          "P0001 0 reads, 0 writes, 1 other use",
                          "R0050 1 read, 1 write",
                          "X0000.0 1 read, 0 writes",
                          "X0000.1 1 read, 0 writes",
                          "X0000.2 1 read, 0 writes",
                          "X0000.3 1 read, 0 writes",
                          "Y0000.0 0 reads, 1 write",
                      }));
}

TEST_F(CrossReferenceTest, CsvQuotesWhatNeedsQuotingAndEndsLinesWithCrLf) {
    EXPECT_EQ(CrossReferenceCsv(BuildCrossReference(programs_, comments_, CAddressPattern("R5.*"))),
              "address,symbol,comment,program,row,column,use,access\r\n"
              "R0005,,,LEVEL1,1,3,MOVB operand 1,read\r\n"
              "R0005.1,START,\"Start, \"\"main\"\"\",LEVEL1,0,0,-| |-,read\r\n"
              "R0005.1,START,\"Start, \"\"main\"\"\",LEVEL2,0,0,-|/|-,read\r\n"
              "R0005.1,START,\"Start, \"\"main\"\"\",LEVEL2,0,7,-( )-,write\r\n");
}

TEST_F(CrossReferenceTest, ChineseEdition) {
    SetLanguage(Lang::Chinese);
    EXPECT_EQ(Lines("R0006"), (std::vector<std::string>{
                                  "R0006  (读0次，写1次)",
                                  "  LEVEL1:2:3      MOVB 操作数2  写",
                                  "1 个地址, 1 处使用",
                              }));
}

}  // namespace
}  // namespace varno
