#include "comments/compiled_comments.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "comment_helpers.h"
#include "support/hex.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using test::Addr;
using test::Items;

std::string Bytes(const CCommentList& list) {
    const std::vector<std::uint8_t> bytes = CompiledCommentBytes(list);
    return std::string(bytes.begin(), bytes.end());
}

std::optional<std::vector<std::string>> ReadBack(const std::string& bytes) {
    CCommentList list;
    CMemReadArchive ar(bytes);
    if (!ReadCompiledComments(ar, list)) {
        return std::nullopt;
    }
    EXPECT_EQ(ar.Remaining(), 0u);
    return Items(list);
}

TEST(CompiledComments, OneSymbolGivesTheSectionOf136Bytes) {
    CCommentList list;
    list.AddOrReplace({Addr('X', 0, 0), "START", "", ""});
    const std::string empty = "00 00 78 00 00 00 ";
    EXPECT_EQ(
        test::ToHex(Bytes(list)),
        test::ToHex(test::FromHex(
            "43 4D 54 00 20 00 C8 00 88 00 00 00 80 00 00 00 08 00 0B 00 08 00 01 00 "
            "00 00 00 00 00 00 00 00 "
            "41 00 " +
            empty + "43 00 " + empty + "44 00 " + empty + "46 00 " + empty + "47 00 " + empty +
            "4B 00 " + empty + "50 00 " + empty + "52 00 " + empty + "54 00 " + empty +
            "58 00 01 00 78 00 00 00 "
            "59 00 00 00 80 00 00 00 "
            "58 00 00 00 80 00 00 00 "
            "53 54 41 52 54 00 00 00")));
}

TEST(CompiledComments, KeepsItemsWithAnyTextAndReadsThemBack) {
    CCommentList list;
    list.AddOrReplace({Addr('Y', 2, 1), "LAMP", "Lamp", "\xB5\xC6"});
    list.AddOrReplace({Addr('A', 0), "", "", "only two"});  // survives here, unlike in .cmt
    list.AddOrReplace({Addr('R', 10), "", "", ""});         // nothing to keep
    list.AddOrReplace({Addr('D', 3), "", "speed", ""});
    const std::string bytes = Bytes(list);
    EXPECT_EQ(bytes.substr(22, 2), test::FromHex("03 00"));
    EXPECT_EQ(bytes.size(), 32u + 88 + 24 + (0 + 8 + 3) + (0 + 5 + 3) + (4 + 4 + 2 + 3));
    EXPECT_EQ(ReadBack(bytes), (std::vector<std::string>{"A0000|||only two", "D0003||speed|",
                                                         "Y0002.1|LAMP|Lamp|\xB5\xC6"}));

    // An empty list: eleven group entries and nothing else.
    const std::string none = Bytes(CCommentList());
    EXPECT_EQ(none.size(), 120u);
    EXPECT_EQ(ReadBack(none), std::vector<std::string>{});
}

TEST(CompiledComments, ReadingReplacesTheListAndDropsLettersWithoutGroup) {
    CCommentList source;
    source.AddOrReplace({Addr('X', 1), "NEW", "", ""});
    std::string bytes = Bytes(source);
    // Turn the item's letter into L, which has no group.
    CCommentList target;
    target.AddOrReplace({Addr('Y', 0), "OLD", "", ""});
    target.SetModified(true);
    CMemReadArchive ar(bytes);
    ASSERT_TRUE(ReadCompiledComments(ar, target));
    EXPECT_EQ(Items(target), std::vector<std::string>{"X0001|NEW||"});
    EXPECT_TRUE(target.IsModified());

    bytes[120] = 'L';
    CMemReadArchive again(bytes);
    ASSERT_TRUE(ReadCompiledComments(again, target));
    EXPECT_EQ(Items(target), std::vector<std::string>{});
    EXPECT_EQ(target.Groups().size(), 11u);
}

TEST(CompiledComments, DamagedSectionsLeaveTheListAlone) {
    CCommentList source;
    source.AddOrReplace({Addr('X', 0, 0), "START", "go", ""});
    source.AddOrReplace({Addr('Y', 0, 0), "LAMP", "", "on"});
    const std::string good = Bytes(source);
    auto refused = [](const std::string& bytes) {
        CCommentList list;
        list.AddOrReplace({Addr('C', 4), "KEEP", "", ""});
        CMemReadArchive ar(bytes);
        return !ReadCompiledComments(ar, list) &&
               Items(list) == std::vector<std::string>{"C0004|KEEP||"};
    };
    for (std::size_t size = 0; size < good.size(); ++size) {
        EXPECT_TRUE(refused(good.substr(0, size))) << "cut at " << size;
    }
    auto patched = [&](std::size_t at, const char* hex) {
        std::string bytes = good;
        const std::string patch = test::FromHex(hex);
        bytes.replace(at, patch.size(), patch);
        return bytes;
    };
    EXPECT_TRUE(refused(patched(0, "43 4D 54 01")));        // tag
    EXPECT_TRUE(refused(patched(4, "10 00")));              // header size
    EXPECT_TRUE(refused(patched(8, "FF FF FF 00")));        // size beyond the data
    EXPECT_TRUE(refused(patched(12, "81 00 00 00")));       // first text block not after items
    EXPECT_TRUE(refused(patched(16, "04 00")));             // group entry size
    EXPECT_TRUE(refused(patched(20, "0C 00")));             // item entry size
    EXPECT_TRUE(refused(patched(22, "03 00")));             // more items than there are
    EXPECT_TRUE(refused(patched(120 + 4, "00 01 00 00")));  // text block outside the section
    EXPECT_TRUE(refused(patched(128 + 4, "80 00 00 00")));  // blocks out of order
    // Data after the section stays for the next reader.
    CCommentList list;
    const std::string followed = good + "VER";
    CMemReadArchive ar(followed);
    ASSERT_TRUE(ReadCompiledComments(ar, list));
    EXPECT_EQ(ar.Remaining(), 3u);
}

TEST(CompiledComments, RefusesWhatWouldReadBackDifferently) {
    SetLanguage(Lang::English);
    CCommentList zero;
    zero.AddOrReplace({Addr('X', 0, 0), std::string("A\0B", 3), "", ""});
    ASSERT_TRUE(CompiledCommentsRefusal(zero).has_value());
    EXPECT_NE(CompiledCommentsRefusal(zero)->find("X0000.0"), std::string::npos);

    CCommentList many;
    for (int i = 0; i < 65536; ++i) {
        many.AddOrReplace({Addr('R', i / 8, i % 8), "", "c", ""});
    }
    EXPECT_EQ(*CompiledCommentsRefusal(many),
              "The element comments hold 65536 items with text; a compiled comment file holds at "
              "most 65535.");
    many.Delete(Addr('R', 0, 0));
    EXPECT_FALSE(CompiledCommentsRefusal(many).has_value());

    test::CTempDir dir;
    std::string why;
    EXPECT_FALSE(WriteCompiledCommentFile(zero, dir.File("plc.pro"), &why));
    EXPECT_NE(why.find("zero byte"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("plc.pro")));
}

TEST(CompiledComments, FileAndCommand) {
    SetLanguage(Lang::English);
    test::CTempDir dir;
    CCommentList list;
    list.AddOrReplace({Addr('T', 4), "LUBE", "Lubrication", ""});
    const std::string path = dir.File("plc.pro");
    test::CRecordingOutput output;
    output.lines.push_back("old line");
    test::CRecordingMessages messages;
    ASSERT_TRUE(RunGenerateCommentFile(list, path, output, messages));
    EXPECT_EQ(output.clears, 1);
    EXPECT_TRUE(output.lines.empty());
    EXPECT_EQ(messages.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_EQ(test::ReadFileBytes(path), Bytes(list));
    CCommentList read;
    ASSERT_TRUE(ReadCompiledCommentFile(path, read));
    EXPECT_EQ(Items(read), std::vector<std::string>{"T0004|LUBE|Lubrication|"});
    EXPECT_FALSE(ReadCompiledCommentFile(dir.File("missing.pro"), read));

    // A folder that cannot be written: the old file stays, the output says why.
    chmod(dir.Path().c_str(), 0555);
    list.AddOrReplace({Addr('T', 8), "MORE", "", ""});
    const bool written = RunGenerateCommentFile(list, path, output, messages);
    chmod(dir.Path().c_str(), 0755);
    if (geteuid() != 0) {  // the superuser writes anyway
        EXPECT_FALSE(written);
        EXPECT_EQ(messages.beeps.back(), BeepKind::Error);
        ASSERT_EQ(output.lines.size(), 1u);
        EXPECT_EQ(output.lines[0].rfind("The compiled comment file could not be written: ", 0), 0u);
        EXPECT_EQ(Items(read), std::vector<std::string>{"T0004|LUBE|Lubrication|"});
    }
}

TEST(CompiledComments, FileGoesBesideTheCommentFile) {
    EXPECT_EQ(CompiledCommentStoredPath(".\\Demo.cmt"), ".\\plc.pro");
    EXPECT_EQ(CompiledCommentStoredPath("Demo.cmt"), "plc.pro");
    EXPECT_EQ(CompiledCommentStoredPath("data/sub\\Demo.cmt"), "data/sub\\plc.pro");
    // A double-byte name whose trail byte is a backslash is no folder.
    EXPECT_EQ(CompiledCommentStoredPath(".\\\xB1\x5C.cmt"), ".\\plc.pro");
}

}  // namespace
}  // namespace varno
