// What compiling a network gives depends on its shape and its elements' own cells alone, so the
// check and the compile of large lists compile each shape once. Random networks, each followed
// by a copy with other contact and coil kinds on other addresses and blocks on other operand
// addresses, must get exactly the errors and instructions a compile of every network gives.
#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <vector>

#include "compiler/compile.h"
#include "compiler/network_shape.h"
#include "ladder_picture.h"
#include "model/catalog.h"
#include "model/ladder_list.h"
#include "random_network.h"

namespace varno::test {
namespace {

// Appends the network's rows to the program, each block's operand an address; with `repaint`,
// each contact and coil becomes another kind of its sort on another address, and each block
// operand another address.
void AppendNetwork(CLadder& program, const CLadder& network, CNetworkMaker& random, bool repaint) {
    static constexpr std::uint8_t CONTACTS[] = {BASIC_RD, BASIC_RD_NOT, BASIC_RDPT, BASIC_RDNT};
    static constexpr std::uint8_t COILS[] = {BASIC_WRT, BASIC_WRT_NOT, BASIC_SET, BASIC_RST};
    for (int r = 0; r < network.RowCount(); ++r) {
        const int row = program.RowCount();
        program.InsertRow(row, network.GetRow(r));
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            const CLDCell& cell = *network.GetRow(r)->Cell(c);
            if (cell.IsFunc() && !cell.Operands().empty()) {
                std::vector<CLDCmd> operands(cell.Operands().begin(), cell.Operands().end());
                for (CLDCmd& operand : operands) {
                    const int number = repaint ? random.Pick(0, 999) : operand.Constant();
                    operand.code = LDOPD_ADDR;
                    operand.SetAddress(LDADDR{'D', 0, static_cast<std::uint16_t>(number)});
                }
                program.GetRow(row)->Cell(c)->SetOperands(operands);
            }
            if (!repaint || (!cell.IsContact() && !cell.IsCoil())) {
                continue;
            }
            const std::uint8_t code =
                cell.IsContact() ? CONTACTS[random.Pick(0, 3)] : COILS[random.Pick(0, 3)];
            const char letter = cell.IsContact() ? 'R' : 'Y';
            program.PutElement(
                row, c,
                CLDCell(CLDCmd::Basic(code, letter, static_cast<std::uint16_t>(random.Pick(0, 999)),
                                      static_cast<std::int8_t>(random.Pick(0, 7)))));
        }
    }
}

std::pmr::string ShapeOf(const CPicture& picture) {
    const auto ladder = LadderFromPicture(picture);
    std::pmr::string shape;
    NetworkShape(*ladder, 0, ladder->RowCount(), shape);
    return shape;
}

TEST(NetworkShape, LeavesOutAddressesAndWhichContactOrCoilKindOnly) {
    const std::pmr::string shape = ShapeOf({"A B ... (Y)", "C |D |."});
    EXPECT_EQ(shape, ShapeOf({"/X7.3 P:R5.1 ... (S:Y9)", "N:F1.0 |E |."}));
    EXPECT_NE(shape, ShapeOf({"A B ... (Y)", "C D |."}));      // a vertical line
    EXPECT_NE(shape, ShapeOf({"A - ... (Y)", "C |D |."}));     // wire for a contact
    EXPECT_NE(shape, ShapeOf({"A B ... (Y)", "C |D |(Y1)"}));  // a coil for a wire
    EXPECT_NE(ShapeOf({"A [TMR:1] # # # - - (Y)", ". . # # #"}),
              ShapeOf({"A [TMR:2] # # # - - (Y)", ". . # # #"}));  // a block's constant
    EXPECT_NE(ShapeOf({"// note", "A ... (Y)"}), ShapeOf({"A ... (Y)", "// note"}));
    // Rows after a row with a block keep their own places in the shape.
    const std::pmr::string block = ShapeOf({"A [TMR:1] # # # - - (Y)", ". . # # #", "B ... (Y2)"});
    EXPECT_EQ(block, ShapeOf({"/C [TMR:1] # # # - - (S:Y3)", ". . # # #", "N:D ... (Y4)"}));
    EXPECT_NE(block, ShapeOf({"A [TMR:1] # # # - - (Y)", ". . # # #", "- ... (Y2)"}));
    EXPECT_NE(block, ShapeOf({"A [TMR:1] # # # - - (Y)", ". . # # #", "B ... (Y2)", "C ... (Y)"}));
}

constexpr int NETWORKS = 3000;

// Random networks, each followed by a repainted copy: several chunks' worth, for several threads.
CLadderList RepeatedShapes(CNetworkMaker& maker) {
    auto program = std::make_unique<CLadder>();
    program->SetName("LEVEL1");
    for (int n = 0; n < NETWORKS; ++n) {
        const auto network = maker.Make();
        AppendNetwork(*program, *network, maker, false);
        AppendNetwork(*program, *network, maker, true);
    }
    CLadderList programs;
    programs.AddSorted(std::move(program));
    return programs;
}

TEST(NetworkShape, NetworksOfOneShapeGetTheSameErrors) {
    CNetworkMaker maker(20261210);
    CLadderList programs = RepeatedShapes(maker);
    CLadder& ladder = *programs.begin();
    ASSERT_GT(programs.TotalRows(), 4u * 2048u);  // several chunks on several threads

    CLDCmdList cmds;
    CErrorList expected;
    expected.SetProgramName("LEVEL1");
    CompileLadder(ladder, cmds, expected);
    std::vector<std::vector<CErrorInfo>> byChunk;
    std::mutex lock;
    CompileEachProgram(
        programs, [&](std::size_t count) { byChunk.resize(count); },
        [&](const CCompiledChunk& chunk) {
            std::lock_guard guard(lock);
            byChunk[chunk.index].assign(chunk.errors.begin(), chunk.errors.end());
        });
    std::vector<CErrorInfo> found;
    for (const auto& errors : byChunk) {
        found.insert(found.end(), errors.begin(), errors.end());
    }
    EXPECT_GT(expected.GetCount(), static_cast<std::size_t>(NETWORKS / 4));
    EXPECT_EQ(found, std::vector<CErrorInfo>(expected.begin(), expected.end()));
}

TEST(NetworkShape, NetworksOfOneShapeCompileToTheirOwnInstructions) {
    for (const std::uint32_t seed : {20261211u, 7u}) {
        CNetworkMaker maker(seed);
        CLadderList programs = RepeatedShapes(maker);
        CLDCmdList expected;
        CErrorList expectedErrors;
        expectedErrors.SetProgramName("LEVEL1");
        CompileLadder(*programs.begin(), expected, expectedErrors);

        CLDCmdList found;
        CErrorList foundErrors;
        CompileLadderList(programs, found, foundErrors);
        ASSERT_EQ(found.GetCount(), expected.GetCount()) << seed;
        for (std::size_t i = 0; i < found.GetCount(); ++i) {
            ASSERT_EQ(std::memcmp(&found[i], &expected[i], sizeof(CLDCmd)), 0)
                << seed << " instruction " << i;
        }
        EXPECT_EQ(std::vector<CErrorInfo>(foundErrors.begin(), foundErrors.end()),
                  std::vector<CErrorInfo>(expectedErrors.begin(), expectedErrors.end()));
    }
}

}  // namespace
}  // namespace varno::test
