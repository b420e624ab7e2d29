#include "target/target_writer.h"

#include <gtest/gtest.h>

#include "comments/compiled_comments.h"
#include "model/catalog.h"
#include "model/ladder_builders.h"
#include "model/ladder_file.h"
#include "support/hex.h"
#include "support/temp_dir.h"
#include "target/target_reader.h"

namespace varno {
namespace {

std::string Written(const std::function<void(CArchive&)>& write) {
    CMemWriteArchive ar;
    write(ar);
    return std::string(ar.Data().begin(), ar.Data().end());
}

CLDCmd Head(std::uint8_t number) {
    CLDCmd cmd;
    cmd.kind = LDCMD_FUNC;
    cmd.code = number;
    return cmd;
}

CLadder& AddProgram(CLadderList& list, const std::string& name) {
    auto program = std::make_unique<CLadder>();
    program->SetName(name);
    return list.AddSorted(std::move(program));
}

TEST(TargetWriter, FileHeaderAndInstructionSection) {
    EXPECT_EQ(test::ToHex(Written(WriteTargetHeader)),
              test::ToHex(test::FromHex("50 4C 43 00 20 00 C8 00") + std::string(24, '\0')));

    CLDCmdList linked;
    linked.Add(Head(FUNC_END1));
    CLDCmd constant;
    constant.kind = LDCMD_OPERAND;
    constant.code = LDOPD_CONST;
    constant.SetConstant(0x01020304);
    linked.Add(constant);
    linked.Add(CLDCmd{});
    // Checksum: 0x11 + 1, then index 1 + 0x12 + 0x81 + 1 + 2 + 3 + 4, then index 2.
    EXPECT_EQ(InstructionChecksum(linked), 0x12u + 0x9Eu + 2u);
    EXPECT_EQ(test::ToHex(Written([&](CArchive& ar) { WriteInstructionSection(ar, linked); })),
              test::ToHex(test::FromHex("45 58 45 00 20 00 C8 00 38 00 00 00 20 00 00 00 "
                                        "03 00 00 00 B2 00 00 00 00 00 00 00 00 00 00 00 "
                                        "00 00 11 01 00 00 00 00 "
                                        "01 00 12 81 04 03 02 01 "
                                        "02 00 00 00 00 00 00 00")));
}

TEST(TargetWriter, EndInstructionAloneHasChecksumZero) {
    CLDCmdList linked;
    linked.Add(CLDCmd{});
    EXPECT_EQ(InstructionChecksum(linked), 0u);
    const std::string section = Written([&](CArchive& ar) { WriteInstructionSection(ar, linked); });
    EXPECT_EQ(section.size(), 40u);
    EXPECT_EQ(section.substr(8, 16), test::FromHex("28 00 00 00 20 00 00 00 01 00 00 00 00 00 "
                                                   "00 00"));
}

TEST(TargetWriter, LadderSectionHoldsProgramTableRowIndexAndRows) {
    SetLanguage(Lang::English);
    CLadderList programs;
    CLadder& level1 = AddProgram(programs, "LEVEL1");
    level1.InsertRow(0);
    level1.PutElement(0, 0, CLDCell(CLDCmd::Basic(BASIC_RD, 'X', 0, 0)));
    level1.FillLine(0, 1, 6);
    level1.PutElement(0, 7, CLDCell(CLDCmd::Basic(BASIC_WRT, 'Y', 0, 0)));
    CLDRow ab("AB", "");
    level1.InsertRow(1, &ab);
    AddProgram(programs, "P0010").InsertRow(0);
    CLDRow lines("1\n2\n3", "");
    AddProgram(programs, "odd").InsertRow(0, &lines);
    AddProgram(programs, "X0001").InsertRow(0);

    const std::string blank = "25 00 00 00 01 00 00 00 00 00 00 00 08 00 00 00 ";
    EXPECT_EQ(test::ToHex(Written(
                  [&](CArchive& ar) { WriteLadderSection(ar, MakeLadderImage(programs)); })),
              test::ToHex(test::FromHex(
                  // S = 64 + 8 * 4 + 4 * 5 = 116
                  "4C 41 44 00 40 00 C8 00 74 00 00 00 74 00 00 00 05 00 08 00 08 00 04 00 "
                  "04 00 05 00 " +
                  test::ToHex(std::string(36, '\0')) +
                  // X0001 (another letter), LEVEL1, odd (no address), P0010
                  " FD FF 01 00 40 00 00 00 FE FF 02 00 40 00 00 00 "
                  "00 00 01 00 40 00 00 00 0A 00 01 00 40 00 00 00 "
                  // length, height, extent or height
                  "10 00 01 01 20 00 01 01 0A 00 01 01 0D 00 02 02 10 00 01 01 " +
                  blank +
                  "25 00 00 00 03 00 00 00 10 00 01 00 58 00 00 00 2D 00 00 00 06 00 00 00 "
                  "10 00 0B 00 59 00 00 00 "
                  "2F 00 00 00 02 00 00 00 41 42 "
                  "2F 00 00 00 05 00 00 00 31 0A 32 0A 33 " +
                  blank)));
}

TEST(TargetWriter, LongLadderSectionHoldsEveryRowInOrderWithItsLength) {
    CLadderList programs;
    CLadder& level1 = AddProgram(programs, "LEVEL1");
    // Rows of different lengths, far more bytes than one piece of the writer holds.
    for (int r = 0; r < 6000; ++r) {
        if (r % 7 == 3) {
            CLDRow comment(std::string(static_cast<std::size_t>(r % 50), 'c'), "d");
            level1.InsertRow(r, &comment);
            continue;
        }
        level1.InsertRow(r);
        level1.PutElement(r, r % 5, CLDCell(CLDCmd::Basic(BASIC_RD, 'X', r % 100, r % 8)));
        if (r % 3 == 0) {
            level1.FillLine(r, r % 5 + 1, 6);
        }
    }
    std::string rows;
    std::string lengths;
    for (const CLDRow& row : level1) {
        CMemWriteArchive one;
        WriteRow(one, row);
        rows.append(one.Data().begin(), one.Data().end());
        const auto length = static_cast<std::uint16_t>(one.Data().size());
        lengths.append({static_cast<char>(length & 0xFF), static_cast<char>(length >> 8)});
    }
    ASSERT_GT(rows.size(), 3u * 64 * 1024);

    const std::string section =
        Written([&](CArchive& ar) { WriteLadderSection(ar, MakeLadderImage(programs)); });
    const std::size_t tables = 64 + 8 + 4 * 6000;
    ASSERT_EQ(section.size(), tables + rows.size());
    EXPECT_TRUE(section.compare(tables, rows.size(), rows) == 0);
    for (std::size_t r = 0; r < 6000; ++r) {
        ASSERT_EQ(section.substr(64 + 8 + 4 * r, 2), lengths.substr(2 * r, 2)) << r;
    }
}

// The bytes of a program of random rows between its opening and closing heads: an SP head
// naming `sp` when given, and the closing head `end`.
std::vector<std::string> ProgramRows(std::mt19937& rng, int rows, std::optional<int> sp, int end) {
    std::unique_ptr<CLadder> program = test::RandomProgram(rng, rows, false);
    if (sp) {
        program->InsertRow(0);
        program->PlaceBlock(0, 0, test::Block(FUNC_SP, {test::Addr('P', *sp)}), false);
    }
    const int last = program->RowCount();
    program->InsertRow(last);
    program->PlaceBlock(last, 0, test::Block(end), false);
    std::vector<std::string> bytes;
    for (const CLDRow& row : *program) {
        std::vector<std::uint8_t> record;
        EXPECT_TRUE(AppendRow(record, row));
        bytes.emplace_back(record.begin(), record.end());
    }
    return bytes;
}

// Rows read unchanged from the ladder file are copied into the image, and the image is the one
// written anew: with programs out of order and one named twice, rows whose bytes the writer
// would not give them, and files small and large enough to be read on several threads.
TEST(TargetWriter, LadderImageCopiesRowsReadUnchangedAndStaysTheSame) {
    SetLanguage(Lang::English);
    test::CTempDir dir;
    const std::string path = dir.File("P.vld");
    // A run cut in two, header padding set, and a comment text cut at a zero byte.
    const std::vector<std::string> odd = {
        test::FromHex("25000000 03000000 10000100 58000300 00000000 03000000 00000000 04000000"),
        test::FromHex("25000001 01000000 2D000000 08000000"),
        test::FromHex("2F000000 03000000 610062")};
    for (const int rows : {40, 3000}) {
        std::mt19937 rng(static_cast<unsigned>(rows));
        std::vector<std::vector<std::string>> programs = {
            ProgramRows(rng, rows, 2, FUNC_SPE), ProgramRows(rng, rows, std::nullopt, FUNC_END1),
            ProgramRows(rng, rows, 2, FUNC_SPE), ProgramRows(rng, rows, std::nullopt, FUNC_END2)};
        for (std::vector<std::string>& program : programs) {
            program.insert(program.begin() + 2, odd.begin(), odd.end());
        }
        std::string rowBytes;
        std::uint16_t count = 0;
        for (const std::vector<std::string>& program : programs) {
            for (const std::string& row : program) {
                rowBytes += row;
                ++count;
            }
        }
        test::WriteFileBytes(
            path, Written([&](CArchive& ar) { WriteLadderHeader(ar, count); }) + rowBytes);

        CLadderList list;
        CLoadedRows loaded;
        ASSERT_TRUE(ReadProgramSet(path, list, &loaded));
        ASSERT_EQ(list.GetCount(), 3u);
        ASSERT_EQ(loaded.programs.size(), 3u);
        std::size_t copied = 0;
        for (const CLadder& program : list) {
            const auto* records = loaded.Records(program);
            ASSERT_NE(records, nullptr) << program.Name();
            ASSERT_EQ(records->size(), static_cast<std::size_t>(program.RowCount()));
            for (const std::span<const std::uint8_t> record : *records) {
                copied += record.empty() ? 0 : 1;
            }
        }
        // All rows but the odd ones and the blank row the reader adds to each program.
        EXPECT_EQ(copied, list.TotalRows() - 3 * (odd.size() + 1)) << rows;

        const CLadderImage fresh = MakeLadderImage(list);
        const CLadderImage fromFile = MakeLadderImage(list, &loaded);
        EXPECT_EQ(fromFile.rows, fresh.rows);
        EXPECT_EQ(fromFile.head, fresh.head) << rows;
        EXPECT_EQ(fromFile.body, fresh.body) << rows;
        EXPECT_EQ(fromFile.rowRefusal, fresh.rowRefusal);

        // Records that no longer match the programs' rows are not used.
        list.begin()->InsertRow(0);
        EXPECT_EQ(MakeLadderImage(list, &loaded).body, MakeLadderImage(list).body);
    }
}

TEST(TargetWriter, ProgramCodesFollowTheOrderKey) {
    SetLanguage(Lang::English);
    EXPECT_EQ(ProgramCode("LEVEL1"), 0xFFFE);
    EXPECT_EQ(ProgramCode("LEVEL2"), 0xFFFF);
    EXPECT_EQ(ProgramCode("P0000"), 0);
    EXPECT_EQ(ProgramCode("P9999"), 9999);
    EXPECT_EQ(ProgramCode("R0005"), 0xFFFD);
    EXPECT_EQ(ProgramCode("main"), 0);
    SetLanguage(Lang::Chinese);
    EXPECT_EQ(ProgramCode("LEVLE2"), 0xFFFF);
    EXPECT_EQ(ProgramCode("LEVEL2"), 0);
    SetLanguage(Lang::English);
}

TEST(TargetWriter, RefusesWhatTheNarrowFieldsCannotHold) {
    SetLanguage(Lang::English);
    CVersionArray versions;
    CLDCmdList fits;
    for (std::uint32_t i = 0; i < TARGET_MAX_INSTRUCTIONS; ++i) {
        fits.Add(CLDCmd{});
    }
    CLadderList programs;
    CLadder& level1 = AddProgram(programs, "LEVEL1");
    level1.InsertRow(0);
    auto Refusals = [&](const CLDCmdList& linked) {
        return TargetFileRefusals(linked, MakeLadderImage(programs), versions);
    };
    EXPECT_TRUE(Refusals(fits).empty());

    CLDCmdList tooMany = fits;
    tooMany.Add(CLDCmd{});
    EXPECT_EQ(Refusals(tooMany),
              std::vector<std::string>{
                  "The programs make 65537 instructions with the work bits and the end "
                  "instruction; a target file holds at most 65536."});

    // A comment row of 65527 text bytes is a record of 65535 bytes; one more does not fit.
    CLDRow longest(std::string(65000, 'a'), std::string(527, 'b'));
    level1.InsertRow(1, &longest);
    EXPECT_TRUE(Refusals(fits).empty());
    CLDRow tooLong(std::string(65000, 'a'), std::string(528, 'b'));
    level1.InsertRow(2, &tooLong);
    EXPECT_EQ(Refusals(fits),
              std::vector<std::string>{"LEVEL1:The 2th row takes 65536 bytes; a row of a target "
                                       "file takes at most 65535."});
    level1.RemoveRow(2);

    // 510 lines are 255 display rows; 511 lines are 256.
    std::string lines(509, '\n');
    CLDRow highest(lines, "");
    level1.InsertRow(0, &highest);
    EXPECT_TRUE(Refusals(fits).empty());
    CLDRow tooHigh(lines + "\n\n", "");
    AddProgram(programs, "P0001").InsertRow(0, &tooHigh);
    EXPECT_EQ(Refusals(fits),
              std::vector<std::string>{
                  "P0001:The 0th row is 256 rows high; a target file allows at most 255."});
    programs.RemoveByName("P0001");

    CLDRow zero(std::string("a\0b", 3), "");
    level1.InsertRow(0, &zero);
    versions.GetVersionLine(2, 1) = std::string("1\0", 2);
    EXPECT_EQ(Refusals(fits),
              (std::vector<std::string>{"LEVEL1:The 0th row is a comment row with a zero byte, "
                                        "which a target file cannot store.",
                                        "The version information holds a zero byte, which a "
                                        "target file cannot store."}));
    level1.RemoveRow(0);
    versions.ResetVersion();

    // 65535 rows fit, 65536 do not.
    for (auto i = programs.TotalRows(); i < 65535; ++i) {
        level1.InsertRow(level1.RowCount());
    }
    EXPECT_TRUE(Refusals(fits).empty());
    AddProgram(programs, "P0002").InsertRow(0);
    EXPECT_EQ(Refusals(fits),
              std::vector<std::string>{
                  "The programs have 65536 rows; a target file holds at most 65535."});
}

TEST(TargetWriter, SectionsFollowInOrderAndReadBack) {
    SetLanguage(Lang::English);
    CLadderList programs;
    programs.ResetToNewProject();
    CLDCmdList linked;
    linked.Add(Head(FUNC_END1));
    linked.Add(Head(FUNC_END2));
    linked.Add(CLDCmd{});
    CCommentList comments;
    comments.AddOrReplace({LDADDR{'X', 0, 0}, "START", "", ""});
    CVersionArray versions;
    versions.GetVersionLine(0, 0) = "ACME";
    const std::string params = test::FromHex(
                                   "50 41 52 00 20 00 C8 00 20 00 00 00 20 00 00 00 "
                                   "08 00 00 00") +
                               std::string(12, '\0');
    CMemWriteArchive cmt;
    WriteCompiledComments(cmt, comments);
    const std::string file = Written([&](CArchive& ar) {
        WriteTargetFile(ar, linked, params, cmt.Data(), versions, MakeLadderImage(programs));
    });
    EXPECT_EQ(file.substr(0, 4), std::string("PLC\0", 4));
    EXPECT_EQ(file.substr(32, 4), std::string("EXE\0", 4));
    EXPECT_EQ(file.substr(88, 32), params);
    EXPECT_EQ(file.substr(120, 4), std::string("CMT\0", 4));
    EXPECT_EQ(file.substr(256, 4), std::string("VER\0", 4));

    std::string why;
    std::optional<CTargetImage> image = ReadTargetFile(
        std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()), &why);
    ASSERT_TRUE(image) << why;
    EXPECT_EQ(image->instructions, 3u);
    EXPECT_EQ(image->paramFile, params);
    EXPECT_EQ(image->comments.FindItem(LDADDR{'X', 0, 0})->symbol, "START");
    EXPECT_EQ(image->versions, versions);
    CLadderList read;
    CMemReadArchive ladder(image->ladderFile);
    ASSERT_TRUE(ReadProgramSet(ladder, read));
    CMemWriteArchive again, original;
    ASSERT_TRUE(WriteProgramSet(again, read));
    ASSERT_TRUE(WriteProgramSet(original, programs));
    EXPECT_EQ(again.Data(), original.Data());
    // The ladder file keeps the row total and the first row's offset, with no tables.
    EXPECT_EQ(image->ladderFile.substr(16, 12), test::FromHex("04 00 08 00 08 00 00 00 04 00 00 "
                                                              "00"));
}

}  // namespace
}  // namespace varno
