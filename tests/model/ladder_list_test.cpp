#include "model/ladder_list.h"

#include <algorithm>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "ladder_builders.h"
#include "model/address.h"
#include "model/ladder_file.h"
#include "support/hex.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using test::Block;
using test::Contact;

std::unique_ptr<CLadder> Named(const std::string& name) {
    auto program = std::make_unique<CLadder>();
    program->SetName(name);
    return program;
}

std::string Names(const CLadderList& list) {
    std::string s;
    for (const CLadder& program : list) {
        s += (s.empty() ? "" : " ") + program.Name();
    }
    return s;
}

std::string Picture(const CLadder& ladder) {
    std::string s;
    for (const CLDRow& row : ladder) {
        for (int c = 0; c < 8 && !row.IsComment(); ++c) {
            const CLDCell& cell = *row.Cell(c);
            s += cell.IsFunc()                   ? 'F'
                 : cell.Kind() == LDCMD_FUNC_END ? 'E'
                 : cell.IsHLine()                ? '-'
                 : cell.Kind() == LDCMD_BASIC    ? 'C'
                 : cell.IsEmpty()                ? '.'
                                                 : '?';
        }
        s += row.IsComment() ? "/|" : "|";
    }
    return s;
}

class LadderList : public ::testing::Test {
protected:
    void TearDown() override { SetLanguage(Lang::English); }
};

TEST_F(LadderList, KeepsProgramsInKeyOrder) {
    CLadderList list;
    for (const char* name : {"P0020", "LEVEL2", "P0010", "LEVEL1"}) {
        list.AddSorted(Named(name));
    }
    EXPECT_EQ(Names(list), "LEVEL1 LEVEL2 P0010 P0020");
    list.AddSorted(Named("odd name"));
    list.AddSorted(Named("P0000"));
    list.AddSorted(Named("X0001"));
    list.AddSorted(Named("another"));  // P0000 has key 0 as well
    EXPECT_EQ(Names(list), "X0001 LEVEL1 LEVEL2 odd name P0000 another P0010 P0020");
    EXPECT_EQ(ProgramOrderKey("P9999"), 9999);
    EXPECT_EQ(ProgramOrderKey("P10000"), 0);
    EXPECT_EQ(ProgramOrderKey("level1"), 0);

    EXPECT_EQ(list.FindPosition("P0010"), 6u);
    EXPECT_EQ(list.FindByName("p0010"), nullptr);
    EXPECT_FALSE(list.RemoveByName("P0030"));
    EXPECT_EQ(list.GetCount(), 8u);
    EXPECT_TRUE(list.RemoveByName("odd name"));
    EXPECT_EQ(list.FindPosition("odd name"), std::nullopt);
    list.DeleteAll();
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(LadderList, MainProgramsAreNamedInTheRunningEdition) {
    SetLanguage(Lang::Chinese);
    CLadderList list;
    list.AddSorted(Named("P0001"));
    list.NewLevel2();
    list.NewLevel1();
    EXPECT_EQ(list.GetAt(0)->Name(), LoadString(IDS_LEVEL1, Lang::Chinese));
    EXPECT_EQ(list.GetAt(1)->Name(), LoadString(IDS_LEVEL2, Lang::Chinese));
    EXPECT_EQ(list.GetAt(2)->Name(), "P0001");
}

TEST_F(LadderList, NewProgramsCarryTheirFrame) {
    CLadderList list;
    list.NewSubprogram("P0012");
    list.AddSorted(Named("P0003"));
    list.ResetToNewProject();
    EXPECT_EQ(Names(list), "LEVEL1 LEVEL2");
    EXPECT_EQ(Picture(*list.GetAt(0)), "F.E-----|........|");
    EXPECT_EQ(list.GetAt(0)->GetCell(0, 0)->Code(), FUNC_END1);
    EXPECT_EQ(list.GetAt(1)->GetCell(0, 0)->Code(), FUNC_END2);
    EXPECT_EQ(list.TotalRows(), 4u);

    CLadder* sub = list.NewSubprogram("P10");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->Name(), "P0010");
    EXPECT_EQ(Picture(*sub), "F..E----|........|F.E-----|........|");
    const CLDCmd* name = sub->GetCell(0, 0)->Operand(0);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(FormatOperand(*name, false), "P0010");
    EXPECT_EQ(sub->GetCell(2, 0)->Code(), FUNC_SPE);
    EXPECT_EQ(Names(list), "LEVEL1 LEVEL2 P0010");
    EXPECT_EQ(list.NewSubprogram("P-1"), nullptr);
    EXPECT_EQ(list.TotalRows(), 8u);
}

// Bulk replacement gives the same list as removing and adding one program at a time.
TEST_F(LadderList, ReplaceAndAddAllMatchesOneByOne) {
    const char* names[] = {"LEVEL1", "LEVEL2", "P0001", "P0002", "P0010", "Q0001", "zz", ""};
    std::mt19937 rng(3);
    for (int round = 0; round < 200; ++round) {
        CLadderList bulk;
        CLadderList single;
        for (int i = static_cast<int>(rng() % 4); i > 0; --i) {
            std::string name = names[rng() % std::size(names)];
            if (bulk.FindByName(name) == nullptr) {
                bulk.AddSorted(Named(name));
                single.AddSorted(Named(name));
            }
        }
        std::vector<std::unique_ptr<CLadder>> incoming;
        for (int i = static_cast<int>(rng() % 8); i > 0; --i) {
            std::string name = names[rng() % std::size(names)];
            auto program = Named(name);
            program->InsertRow(0);
            for (int r = static_cast<int>(rng() % 3); r > 0; --r) {
                program->InsertRow(0);
            }
            auto copy = Named(name);
            for (int r = 0; r < program->RowCount(); ++r) {
                copy->InsertRow(r);
            }
            single.RemoveByName(name);
            single.AddSorted(std::move(copy));
            incoming.push_back(std::move(program));
        }
        bulk.ReplaceAndAddAll(std::move(incoming));
        ASSERT_EQ(Names(bulk), Names(single)) << round;
        for (std::size_t i = 0; i < bulk.GetCount(); ++i) {
            ASSERT_EQ(bulk.GetAt(i)->RowCount(), single.GetAt(i)->RowCount()) << round;
        }
    }
}

// --- Program set file ------------------------------------------------------------------------

class ProgramSet : public LadderList {
protected:
    std::string Path() const { return dir_.File("Demo.vld"); }
    test::CTempDir dir_;
};

TEST_F(ProgramSet, ProjectRoundTripsThroughTheFile) {
    CLadderList list;
    list.ResetToNewProject();
    list.NewSubprogram("P0010");
    list.GetAt(0)->InsertRow(0);
    list.GetAt(0)->PutElement(0, 0, Contact('X', 3, 1));
    CLDRow comment("第一", "");
    list.GetAt(2)->InsertRow(1, &comment);
    ASSERT_TRUE(WriteProgramSet(Path(), list));
    const std::string bytes = test::ReadFileBytes(Path());
    EXPECT_EQ(test::ToHex(bytes.substr(0, 20)),
              test::ToHex(test::FromHex("4C414400 4000 C800 0000000000000000 0A00 0800")));

    CLadderList back;
    ASSERT_TRUE(ReadProgramSet(Path(), back));
    EXPECT_EQ(Names(back), "LEVEL1 LEVEL2 P0010");
    for (std::size_t i = 0; i < list.GetCount(); ++i) {
        EXPECT_EQ(Picture(*back.GetAt(i)), Picture(*list.GetAt(i))) << i;
    }
    EXPECT_EQ(back.GetAt(2)->GetRow(1)->Comment(1), "第一");
    ASSERT_TRUE(WriteProgramSet(dir_.File("again.vld"), back));
    EXPECT_EQ(test::ReadFileBytes(dir_.File("again.vld")), bytes);
    CMemWriteArchive memory;
    ASSERT_TRUE(WriteProgramSet(memory, back));
    EXPECT_EQ(std::string(memory.Data().begin(), memory.Data().end()), bytes);
}

TEST_F(ProgramSet, RandomProjectsRoundTripByteForByte) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        std::mt19937 rng(seed);
        CLadderList list;
        list.ResetToNewProject();
        for (int s = 0; s < 3; ++s) {
            list.NewSubprogram("P" + std::to_string(rng() % 100));
        }
        for (CLadder& program : list) {
            std::unique_ptr<CLadder> body = test::RandomProgram(rng, 30, false);
            const int at = program.GetCell(0, 0)->Code() == FUNC_SP ? 2 : 0;
            for (int r = body->RowCount() - 1; r >= 0; --r) {
                program.InsertRow(at, body->GetRow(r));
            }
            if (at == 0) {
                program.InsertRow(0).PutCell(0, Contact('X', 1));
            }
        }
        ASSERT_TRUE(WriteProgramSet(Path(), list)) << seed;
        const std::string first = test::ReadFileBytes(Path());
        CLadderList back;
        ASSERT_TRUE(ReadProgramSet(Path(), back)) << seed;
        EXPECT_EQ(Names(back), Names(list)) << seed;
        EXPECT_EQ(back.TotalRows(), list.TotalRows()) << seed;
        ASSERT_TRUE(WriteProgramSet(Path(), back));
        EXPECT_EQ(test::ReadFileBytes(Path()), first) << seed;
    }
}

// Writes rows as a program set file with the given row count.
void WriteRows(const std::string& path, const std::vector<const CLDRow*>& rows, int count = -1) {
    CMemWriteArchive ar;
    WriteLadderHeader(ar, static_cast<std::uint16_t>(count < 0 ? rows.size() : count));
    for (const CLDRow* row : rows) {
        WriteRow(ar, *row);
    }
    test::WriteFileBytes(path, std::string(ar.Data().begin(), ar.Data().end()));
}

CLDRow BlockRow(const CLDCell& block) {
    CLadder ladder;
    ladder.PlaceBlock(0, 0, block, true);
    return *ladder.GetRow(0);
}

CLDRow ContactRow() {
    CLDRow row;
    row.PutCell(0, Contact('X', 9));
    return row;
}

struct CRows {
    CLDRow END1 = BlockRow(Block(FUNC_END1));
    CLDRow END2 = BlockRow(Block(FUNC_END2));
    CLDRow SP10 = BlockRow(Block(FUNC_SP, {test::Addr('P', 10)}));
    CLDRow SP20 = BlockRow(Block(FUNC_SP, {test::Addr('P', 20)}));
    CLDRow SPE = BlockRow(Block(FUNC_SPE));
    CLDRow BLANK;
    CLDRow CONTACT = ContactRow();
    CLDRow COMMENT{"c", ""};
};

TEST_F(ProgramSet, RowStreamIsCutIntoPrograms) {
    CRows r;
    // LEVEL1's rows, its END1 row and a trailing blank row, then LEVEL2's.
    WriteRows(Path(), {&r.CONTACT, &r.END1, &r.BLANK, &r.BLANK, &r.COMMENT, &r.END2, &r.BLANK});
    CLadderList list;
    ASSERT_TRUE(ReadProgramSet(Path(), list));
    EXPECT_EQ(Names(list), "LEVEL1 LEVEL2");
    EXPECT_EQ(Picture(*list.GetAt(0)), "C.......|F.E-----|........|");
    EXPECT_EQ(Picture(*list.GetAt(1)), "/|F.E-----|........|");

    // Two programs named P0010: the later one wins; a program in the list is replaced.
    list.NewSubprogram("P0020");
    WriteRows(Path(), {&r.SP10, &r.CONTACT, &r.SPE, &r.SP20, &r.SPE, &r.SP10, &r.SPE});
    ASSERT_TRUE(ReadProgramSet(Path(), list));
    EXPECT_EQ(Names(list), "LEVEL1 LEVEL2 P0010 P0020");
    EXPECT_EQ(Picture(*list.FindByName("P0010")), "F..E----|F.E-----|........|");
    EXPECT_EQ(Picture(*list.FindByName("P0020")), "F..E----|F.E-----|........|");

    // Rows after the last closing row are lost, as the format has no place for them.
    CLadderList tail;
    WriteRows(Path(), {&r.END1, &r.CONTACT, &r.COMMENT});
    EXPECT_TRUE(ReadProgramSet(Path(), tail));
    EXPECT_EQ(Names(tail), "LEVEL1");
}

// Large files are read on several threads; whatever the bytes, the result must be the one
// read row after row from the same bytes (the archive overload reads that way).
TEST_F(ProgramSet, LargeFilesReadAsOneSequentialReadDoes) {
    std::mt19937 rng(5);
    CLadderList list;
    list.ResetToNewProject();
    list.NewSubprogram("P0001");
    for (CLadder& program : list) {
        std::unique_ptr<CLadder> body = test::RandomProgram(rng, 4000, false);
        const int at = program.GetCell(0, 0)->Code() == FUNC_SP ? 2 : 0;
        for (int r = body->RowCount() - 1; r >= 0; --r) {
            program.InsertRow(at, body->GetRow(r));
        }
    }
    ASSERT_GT(list.TotalRows(), 10000u);
    ASSERT_TRUE(WriteProgramSet(Path(), list));
    const std::string good = test::ReadFileBytes(Path());

    auto expectSameAsSequential = [&](const std::string& bytes, const std::string& what) {
        test::WriteFileBytes(Path(), bytes);
        CMemReadArchive ar(bytes);
        CLadderList sequential;
        const bool sequentialRead = ReadProgramSet(ar, sequential);
        CMemWriteArchive b;
        WriteProgramSet(b, sequential);
        CLadderList fromFile;
        EXPECT_EQ(ReadProgramSet(Path(), fromFile), sequentialRead) << what;
        EXPECT_EQ(Names(fromFile), Names(sequential)) << what;
        CMemWriteArchive a;
        WriteProgramSet(a, fromFile);
        EXPECT_TRUE(a.Data().size() == b.Data().size() &&
                    std::equal(a.Data().begin(), a.Data().end(), b.Data().begin()))
            << what;
        return sequentialRead;
    };
    EXPECT_TRUE(expectSameAsSequential(good, "whole file"));
    // A row header that claims another size than its cells take: the cut points are wrong.
    std::string lying = good;
    std::size_t at = 64;
    for (int row = 0; row < 5000; ++row) {
        std::uint32_t value = 0;
        std::memcpy(&value, &lying[at + 4], 4);
        at += 8 + (lying[at] == ROW_TAG_COMMENT ? (value & 0xFFFF) + (value >> 16) : value * 8);
    }
    ASSERT_EQ(lying[at], static_cast<char>(ROW_TAG_ELEMENTS));
    lying[at + 4] = static_cast<char>(lying[at + 4] + 1);
    expectSameAsSequential(lying, "header one record longer");
    for (const std::size_t cut : {good.size() / 3, good.size() / 2 + 3, good.size() - 1}) {
        EXPECT_FALSE(expectSameAsSequential(good.substr(0, cut), "cut"));
    }
    std::string unknownTag = good;
    unknownTag[at] = 0x26;
    EXPECT_FALSE(expectSameAsSequential(unknownTag, "unknown tag"));
}

TEST_F(ProgramSet, DamagedFilesKeepTheProgramsClosedBeforeTheDamage) {
    CRows r;
    CLadderList list;
    EXPECT_FALSE(ReadProgramSet(dir_.File("missing.vld"), list));
    test::WriteFileBytes(Path(), "");
    EXPECT_FALSE(ReadProgramSet(Path(), list));
    test::WriteFileBytes(Path(), test::FromHex("4C414400 4000 C900") + std::string(56, '\0'));
    EXPECT_FALSE(ReadProgramSet(Path(), list));
    EXPECT_TRUE(list.IsEmpty());

    // More rows announced than present: LEVEL1 is complete, LEVEL2 was still open.
    WriteRows(Path(), {&r.END1, &r.CONTACT}, 5);
    EXPECT_FALSE(ReadProgramSet(Path(), list));
    EXPECT_EQ(Names(list), "LEVEL1");

    // An unknown row tag never becomes a row.
    list.DeleteAll();
    WriteRows(Path(), {&r.SP10, &r.SPE, &r.CONTACT, &r.END2});
    std::string bytes = test::ReadFileBytes(Path());
    const std::size_t contactAt = 64 + RowRecordSize(r.SP10) + RowRecordSize(r.SPE);
    bytes[contactAt] = 0x26;
    test::WriteFileBytes(Path(), bytes);
    EXPECT_FALSE(ReadProgramSet(Path(), list));
    EXPECT_EQ(Names(list), "P0010");

    // Every truncation of a good file reads without harm.
    WriteRows(Path(), {&r.CONTACT, &r.END1, &r.BLANK, &r.SP10, &r.COMMENT, &r.SPE, &r.BLANK});
    const std::string good = test::ReadFileBytes(Path());
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        test::WriteFileBytes(Path(), good.substr(0, cut));
        CLadderList partial;
        EXPECT_FALSE(ReadProgramSet(Path(), partial)) << cut;
        EXPECT_LE(partial.GetCount(), 2u);
    }
}

TEST_F(ProgramSet, SavingNeverDestroysTheOldFile) {
    CLadderList list;
    list.ResetToNewProject();
    test::WriteFileBytes(Path(), "old");
    CLDRow tooLong(std::string(70000, 'x'), "");
    list.GetAt(1)->InsertRow(0, &tooLong);
    StrId why{};
    EXPECT_FALSE(WriteProgramSet(Path(), list, &why));
    EXPECT_EQ(why, IDS_COMMENT_TOO_LONG);
    EXPECT_EQ(test::ReadFileBytes(Path()), "old");
    list.GetAt(1)->RemoveRow(0);

    // LEVEL1 grown to one row more than a file holds (appended: rows before its END1 row).
    list.RemoveByName("LEVEL1");
    auto grown = std::make_unique<CLadder>();
    grown->SetName("LEVEL1");
    const CLDRow rung = ContactRow();
    while (grown->RowCount() < LADDER_FILE_MAX_ROWS - 3) {
        grown->AppendRow(std::make_unique<CLDRow>(rung));
    }
    grown->PlaceBlock(grown->RowCount(), 0, Block(FUNC_END1), true);
    CLadder& big = list.AddSorted(std::move(grown));
    EXPECT_EQ(list.TotalRows(), 65536u);
    EXPECT_FALSE(WriteProgramSet(Path(), list, &why));
    EXPECT_EQ(why, IDS_LADDER_TOO_MANY_ROWS);
    EXPECT_EQ(test::ReadFileBytes(Path()), "old");
    big.RemoveRow(0);

    CFileArchive::SetWriteFaultForTesting(1000);
    EXPECT_THROW(WriteProgramSet(Path(), list), CFileException);
    CFileArchive::SetWriteFaultForTesting(std::nullopt);
    EXPECT_EQ(test::ReadFileBytes(Path()), "old");

    EXPECT_FALSE(WriteProgramSet(dir_.File("no/such/folder.vld"), list, &why));
    EXPECT_EQ(why, IDS_LADDER_CANNOT_CREATE);
    ASSERT_TRUE(WriteProgramSet(Path(), list));
    CLadderList back;
    ASSERT_TRUE(ReadProgramSet(Path(), back));
    EXPECT_EQ(back.TotalRows(), 65535u);
}

}  // namespace
}  // namespace varno
