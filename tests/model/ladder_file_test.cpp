#include "model/ladder_file.h"

#include <gtest/gtest.h>

#include "ladder_builders.h"
#include "support/hex.h"

namespace varno {
namespace {

using test::Block;
using test::Codb;
using test::Const;
using test::Contact;
using test::FromHex;
using test::ToHex;
using test::Wire;

const char* const HEADER_TWO_ROWS =
    "4C 41 44 00 40 00 C8 00 00 00 00 00 00 00 00 00 02 00 08 00 08 00 00 00 04 00 00 00"
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
    "00 00 00 00 00 00 00 00";

std::string Bytes(const CMemWriteArchive& ar) {
    return std::string(ar.Data().begin(), ar.Data().end());
}

std::string RowHex(const CLDRow& row) {
    CMemWriteArchive ar;
    EXPECT_TRUE(WriteRow(ar, row));
    EXPECT_EQ(RowRecordSize(row), ar.Data().size());
    return ToHex(ar.Data());
}

std::string ProgramBytes(const CLadder& ladder) {
    CMemWriteArchive ar;
    EXPECT_TRUE(WriteProgramFile(ar, ladder));
    return Bytes(ar);
}

CRowRead ReadRowFrom(const std::string& hex) {
    std::string bytes = FromHex(hex);
    CMemReadArchive ar(bytes);
    return ReadRow(ar);
}

TEST(LadderFile, RowsAreWrittenAsRunsRecordsAndOperands) {
    CLDRow empty;
    EXPECT_EQ(RowHex(empty), ToHex(FromHex("25000000 01000000 00000000 08000000")));

    CLDRow wires;
    for (int c = 0; c < 8; ++c) {
        wires.PutCell(c, Wire());
    }
    EXPECT_EQ(RowHex(wires), ToHex(FromHex("25000000 01000000 2D000000 08000000")));

    CLDRow rung;
    rung.PutCell(0, Contact('X', 0));
    for (int c = 1; c < 7; ++c) {
        rung.PutCell(c, Wire());
    }
    rung.PutCell(7, test::Coil('Y', 0));
    EXPECT_EQ(RowHex(rung), ToHex(FromHex("25000000 03000000 10000100 58000000"
                                          "2D000000 06000000 10000B00 59000000")));

    CLadder timer;
    timer.PlaceBlock(0, 0, Block(FUNC_TMR, {Const(3)}), true);
    EXPECT_EQ(RowHex(*timer.GetRow(0)),
              ToHex(FromHex("25000000 05000000 11000300 00000000 00000000 02000000"
                            "14000000 00000000 2D000000 04000000 12008100 03000000")));

    CLDRow flags;
    flags.SetVLine(3);
    EXPECT_EQ(RowHex(flags), ToHex(FromHex("25000000 03000000 00000000 03000000"
                                           "00010000 01000000 00000000 04000000")));

    EXPECT_EQ(RowHex(CLDRow("AB", "")), ToHex(FromHex("2F000000 02000000 4142")));
    EXPECT_EQ(RowHex(CLDRow("A", "xyz")), ToHex(FromHex("2F000000 01000300 41 78797A")));

    // A CODB block carries its table after the four operands.
    CLDRow codb;
    codb.PutCell(4, Codb(2, 2));
    EXPECT_EQ(RowRecordSize(codb), 8u + 8 * (3 + 6));
}

TEST(LadderFile, HeaderAndProgramBytes) {
    CLadder ladder;
    ladder.InsertRow(0);
    CLDRow comment("AB", "");
    ladder.InsertRow(1, &comment);
    EXPECT_EQ(ToHex(ProgramBytes(ladder)),
              ToHex(FromHex(HEADER_TWO_ROWS) +
                    FromHex("25000000 01000000 00000000 08000000 2F000000 02000000 4142")));
}

TEST(LadderFile, ReadingExpandsRunsWithinTheRow) {
    // Run 1, run 9 (one cell), a contact, then a run of 8 from column 3 clipped at column 7.
    CRowRead read = ReadRowFrom(
        "25000000 00000000 00000000 01000000 2D000000 09000000 10000100 58000300"
        "2D010000 08000000");
    ASSERT_TRUE(read.row);
    EXPECT_EQ(read.marker, 0);
    const CLDRow& row = *read.row;
    EXPECT_TRUE(row.Cell(0)->IsEmpty());
    EXPECT_TRUE(row.Cell(1)->IsHLine());
    EXPECT_TRUE(row.Cell(2)->IsContact());
    EXPECT_EQ(row.Cell(2)->Address(), (LDADDR{'X', 0, 3}));
    for (int c = 3; c < 8; ++c) {
        EXPECT_TRUE(row.Cell(c)->IsHLine()) << c;
        EXPECT_TRUE(row.Cell(c)->VLine()) << c;
    }
    EXPECT_EQ(RowHex(row), ToHex(FromHex("25000000 04000000 00000000 01000000 2D000000 01000000"
                                         "10000100 58000300 2D010000 05000000")));

    // A head's operand field is not taken from the file; the records follow the cells.
    read = ReadRowFrom(
        "25000000 05000000 1100 0300 EFBEADDE 00000000 02000000 14000000 00000000"
        "2D000000 04000000 12008100 07000000");
    ASSERT_TRUE(read.row);
    EXPECT_EQ(read.row->Cell(0)->Element().operand, 0u);
    EXPECT_EQ(read.row->Cell(0)->Operand(0)->Constant(), 7);
}

TEST(LadderFile, EndMarkersComeFromTheLastProgramHead) {
    CLadder ladder;
    ladder.PlaceBlock(0, 0, Block(FUNC_SP, {test::Addr('P', 10)}), false);
    ladder.PlaceBlock(0, 4, Block(FUNC_END2), false);
    ladder.InsertRow(2);
    ladder.PlaceBlock(2, 0, Block(FUNC_TMR), false);
    CMemWriteArchive ar;
    WriteRow(ar, *ladder.GetRow(0));
    WriteRow(ar, *ladder.GetRow(2));
    WriteRow(ar, CLDRow("x", "y"));
    CMemReadArchive in(ar.Data());
    EXPECT_EQ(ReadRow(in).marker, FUNC_END2);
    EXPECT_EQ(ReadRow(in).marker, 0);
    EXPECT_EQ(ReadRow(in).marker, 0);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(LadderFile, CellsAloneRoundTripForUndoAndClipboard) {
    const CLDCell cells[] = {Codb(4, 9), Contact('X', 7, 2), Block(FUNC_END1), Wire()};
    CMemWriteArchive ar;
    for (const CLDCell& cell : cells) {
        WriteCell(ar, cell);
        WriteCellOperands(ar, cell);
    }
    CMemReadArchive in(ar.Data());
    for (const CLDCell& cell : cells) {
        CLDCell back;
        ASSERT_TRUE(ReadCell(in, back));
        EXPECT_EQ(back.IsFunc(), cell.IsFunc());
        ASSERT_TRUE(ReadCellOperands(in, back));
        EXPECT_EQ(back.Element(), cell.Element());
        EXPECT_TRUE(std::ranges::equal(back.Operands(), cell.Operands()));
    }
    EXPECT_EQ(in.Remaining(), 0u);

    // A table longer than the data is refused without touching the cell.
    std::string bytes = FromHex(
        "11001B00 00000000 12008100 02000000 12008100 E8030000"
        "12008100 00000000 12008100 00000000 12008100 05000000");
    CMemReadArchive shortTable(bytes);
    CLDCell head = Block(FUNC_CODB, {Const(4), Const(0), Const(0), Const(0)});
    ASSERT_TRUE(ReadCell(shortTable, head));
    EXPECT_FALSE(ReadCellOperands(shortTable, head));
    EXPECT_EQ(head.Operands().size(), 4u);
    EXPECT_EQ(head.Operand(1)->Constant(), 0);
    CLDCell partial;
    std::string four = FromHex("11000300");
    CMemReadArchive cut(four);
    EXPECT_FALSE(ReadCell(cut, partial));
}

// Reads one row from the bytes and says whether the reader flagged them as exactly those the
// writer gives the row, and whether they are; nullopt when no row could be read.
std::optional<std::pair<bool, bool>> FlaggedAndSame(const std::string& bytes) {
    CMemReadArchive ar(bytes);
    const CRowRead read = ReadRowKeepingRecord(ar);
    if (!read.row) {
        return std::nullopt;
    }
    const std::string consumed = bytes.substr(0, ar.Position());
    EXPECT_EQ(std::string(read.record.begin(), read.record.end()),
              read.asWritten ? consumed : std::string());
    std::vector<std::uint8_t> again;
    const bool same =
        AppendRow(again, *read.row) && std::string(again.begin(), again.end()) == consumed;
    return std::pair(read.asWritten, same);
}

TEST(LadderFile, RowsReadAreFlaggedExactlyWhenTheWriterGivesTheSameBytes) {
    const struct {
        const char* hex;
        bool asWritten;
    } cases[] = {
        {"25000000 01000000 00000000 08000000", true},                     // a blank row
        {"25000000 02000000 00000000 03000000 00000000 05000000", false},  // a run cut in two
        {"25000000 02000000 00000000 03000000 00010000 05000000", true},   // flags differ
        {"25000000 02000000 00000000 03000000 2D000000 08000000", false},  // a clipped run
        {"25000000 02000000 00000000 00000000 2D000000 07000000", false},  // run length 0
        {"25000100 01000000 00000000 08000000", false},                    // padding set
        {"25000000 02000000 00000000 08000000", false},                    // count too high
        // A head with operand 0 and one operand record, and the same head with another.
        {"25000000 05000000 1100 0300 00000000 00000000 02000000 14000000 00000000"
         "2D000000 04000000 12008100 07000000",
         true},
        {"25000000 05000000 1100 0300 EFBEADDE 00000000 02000000 14000000 00000000"
         "2D000000 04000000 12008100 07000000",
         false},
        {"2F000000 02000100 6162 63", true},  // comment texts "ab" and "c"
        {"2F000000 02000000 6100", false},    // a text cut at its zero byte
        {"2F000001 00000000", false},         // padding set
    };
    for (const auto& c : cases) {
        const auto flagged = FlaggedAndSame(FromHex(c.hex));
        ASSERT_TRUE(flagged) << c.hex;
        EXPECT_EQ(flagged->first, c.asWritten) << c.hex;
        EXPECT_EQ(flagged->second, c.asWritten) << c.hex;
    }

    // Rows of random programs, then the same with a few bytes changed: whatever reads back is
    // flagged exactly when the writer gives it back its bytes.
    int flagged = 0;
    int refused = 0;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        std::unique_ptr<CLadder> program = test::RandomProgram(rng, 60);
        for (const CLDRow& row : *program) {
            std::vector<std::uint8_t> written;
            ASSERT_TRUE(AppendRow(written, row));
            const std::string bytes(written.begin(), written.end());
            EXPECT_EQ(FlaggedAndSame(bytes), std::pair(true, true)) << seed;
            for (int m = 0; m < 20; ++m) {
                std::string changed = bytes;
                const int count = 1 + static_cast<int>(rng() % 3);
                for (int k = 0; k < count; ++k) {
                    const std::size_t at = rng() % changed.size();
                    // Small values more often: run lengths, kinds and flags that still read.
                    changed[at] = static_cast<char>(rng() % 2 ? rng() % 10 : rng());
                }
                if (const auto result = FlaggedAndSame(changed)) {
                    EXPECT_EQ(result->first, result->second) << seed << " " << ToHex(changed);
                    flagged += result->first ? 1 : 0;
                    refused += result->first ? 0 : 1;
                }
            }
        }
    }
    // Both answers came up often enough to mean something.
    EXPECT_GT(flagged, 1000);
    EXPECT_GT(refused, 1000);
}

// A program of eight rows: a rung, a comment and a CODB block with a table of three items.
CLadder& SampleProgram(CLadder& ladder) {
    ladder.PutElement(0, 0, Contact('X', 1));
    ladder.FillLine(0, 1, 6);
    ladder.PutElement(0, 7, test::Coil('Y', 1));
    CLDRow comment("AB", "C");
    ladder.InsertRow(1, &comment);
    ladder.PlaceBlock(2, 0, Codb(4, 3), true);
    return ladder;
}

// Every row boundary of a file: the header end, then the end of each row.
std::vector<std::size_t> RowEnds(const CLadder& ladder) {
    std::vector<std::size_t> ends = {LADDER_HEADER_SIZE};
    for (const CLDRow& row : ladder) {
        ends.push_back(ends.back() + RowRecordSize(row));
    }
    return ends;
}

TEST(LadderFile, TruncatedProgramFilesKeepTheCompleteRows) {
    CLadder sample;
    SampleProgram(sample);
    ASSERT_EQ(sample.RowCount(), 8);
    const std::string bytes = ProgramBytes(sample);
    const std::vector<std::size_t> ends = RowEnds(sample);
    ASSERT_EQ(ends.back(), bytes.size());
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        const std::string prefix = bytes.substr(0, cut);
        CMemReadArchive ar(prefix);
        CLadder ladder;
        bool ok = ReadProgramFile(ar, ladder);
        int complete =
            static_cast<int>(std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin()) - 1;
        EXPECT_EQ(ok, cut == bytes.size()) << cut;
        EXPECT_EQ(ladder.RowCount(), std::max(complete, 0)) << cut;
    }
}

TEST(LadderFile, DamagedProgramFilesAreRefusedOrStopped) {
    CLadder sample;
    SampleProgram(sample);
    const std::string good = ProgramBytes(sample);
    auto patched = [&](std::size_t at, const std::string& hex) {
        std::string bytes = good;
        std::string patch = FromHex(hex);
        bytes.replace(at, patch.size(), patch);
        return bytes;
    };
    const std::size_t row1 = RowEnds(sample)[1];              // the comment row's header
    const std::size_t row2 = RowEnds(sample)[2];              // the CODB row's header
    const std::size_t codbLength = row2 + 8 + 8 * 4 + 8 + 4;  // value of its second operand
    struct Case {
        const char* what;
        std::string bytes;
        bool ok;
        int rows;
    } cases[] = {
        {"empty", "", false, 0},
        {"short header", good.substr(0, 63), false, 0},
        {"header only", good.substr(0, 64), false, 0},
        {"magic LAD blank", patched(0, "4C414420"), false, 0},
        {"magic lower case", patched(0, "6C616400"), false, 0},
        {"version 201", patched(6, "C900"), false, 0},
        {"version 65535", patched(6, "FFFF"), false, 0},
        {"version 0", patched(6, "0000"), true, 8},
        {"other header fields ignored", patched(4, "0000"), true, 8},
        {"more rows announced", patched(16, "0900"), false, 8},
        {"fewer rows announced", patched(16, "0200"), true, 2},
        {"unknown row tag", patched(row1, "26"), false, 1},
        {"comment longer than the data", patched(row1 + 4, "0200FFFF"), false, 1},
        {"table longer than the data", patched(codbLength, "FFFF0000"), false, 2},
        // No table is read: its items are then taken for the next row, whose tag is unknown.
        {"negative table length", patched(codbLength, "FFFFFFFF"), false, 3},
    };
    for (const Case& c : cases) {
        CMemReadArchive ar(c.bytes);
        CLadder ladder;
        EXPECT_EQ(ReadProgramFile(ar, ladder), c.ok) << c.what;
        EXPECT_EQ(ladder.RowCount(), c.rows) << c.what;
    }
}

TEST(LadderFile, RandomProgramsRoundTripByteForByte) {
    for (unsigned seed = 1; seed <= 25; ++seed) {
        std::mt19937 rng(seed);
        std::unique_ptr<CLadder> program = test::RandomProgram(rng, 80);
        const std::string first = ProgramBytes(*program);
        CMemReadArchive ar(first);
        CLadder back;
        ASSERT_TRUE(ReadProgramFile(ar, back)) << seed;
        EXPECT_EQ(back.RowCount(), program->RowCount());
        EXPECT_EQ(ToHex(ProgramBytes(back)), ToHex(first)) << seed;
        for (int r = 0; r < back.RowCount(); ++r) {
            EXPECT_EQ(back.GetRow(r)->Extent(), program->GetRow(r)->Extent()) << seed;
            EXPECT_EQ(back.GetRow(r)->Comment(1), program->GetRow(r)->Comment(1)) << seed;
        }
    }
}

TEST(LadderFile, WriterRefusesWhatWouldNotReadBack) {
    CLadder tooLong;
    CLDRow comment(std::string(65536, 'a'), "");
    tooLong.InsertRow(0, &comment);
    CMemWriteArchive ar;
    StrId why{};
    EXPECT_FALSE(WriteProgramFile(ar, tooLong, &why));
    EXPECT_EQ(why, IDS_COMMENT_TOO_LONG);
    EXPECT_TRUE(ar.Data().empty());
    EXPECT_FALSE(WriteRow(ar, comment));
    EXPECT_TRUE(ar.Data().empty());

    CLDRow zero(std::string("a\0b", 3), "");
    EXPECT_FALSE(RowFitsFile(zero));

    // The longest texts that fit come back whole.
    CLadder longest;
    CLDRow full(std::string(65535, 'x'), std::string(65535, 'y'));
    longest.InsertRow(0, &full);
    std::string bytes = ProgramBytes(longest);
    CMemReadArchive in(bytes);
    CLadder back;
    ASSERT_TRUE(ReadProgramFile(in, back));
    EXPECT_EQ(back.GetRow(0)->Comment(2).size(), 65535u);

    CLadder tooMany;
    for (int i = 0; i <= LADDER_FILE_MAX_ROWS; ++i) {
        tooMany.AppendRow(std::make_unique<CLDRow>());
    }
    EXPECT_FALSE(WriteProgramFile(ar, tooMany, &why));
    EXPECT_EQ(why, IDS_LADDER_TOO_MANY_ROWS);
    EXPECT_TRUE(ar.Data().empty());
    tooMany.RemoveRow(0);
    EXPECT_TRUE(WriteProgramFile(ar, tooMany));
}

}  // namespace
}  // namespace varno
