#include <gtest/gtest.h>

#include "editor/ladder_doc_list.h"
#include "editor_fixture.h"
#include "model/ladder_file.h"
#include "platform/atomic_file.h"
#include "support/temp_dir.h"

namespace varno::test {
namespace {

void WriteLadderFile(const std::string& path) {
    CLadder ladder;
    ladder.InsertRow(0);
    SaveFileAtomically(path, [&](CArchive& ar) { WriteProgramFile(ar, ladder); });
}

TEST(LadderDocList, OpensEachProgramAndFileOnce) {
    CTempDir dir;
    CRecordingMessages messages;
    CMemoryProject project;
    project.programs.ResetToNewProject();
    CLadderDocList docs(project, messages);

    CLadderDoc* level1 = docs.OpenProgram("LEVEL1");
    ASSERT_NE(level1, nullptr);
    EXPECT_EQ(docs.OpenProgram("LEVEL1"), level1);
    EXPECT_EQ(docs.OpenProgram("P0001"), nullptr);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "File create failed!");

    WriteLadderFile(dir.File("a.vld"));
    CLadderDoc* file = docs.OpenFile(dir.File("a.vld"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(docs.OpenFile((dir.Path() / "." / "a.vld").string()), file);
    EXPECT_EQ(docs.OpenFile(dir.File("b.vld")), nullptr);
    EXPECT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(docs.Documents().size(), 2u);
}

TEST(LadderDocList, ClosingFollowsTheWorkspaceRules) {
    CTempDir dir;
    CRecordingMessages messages;
    CMemoryProject project;
    project.programs.ResetToNewProject();
    CLadderDocList docs(project, messages);
    std::vector<CLadderDoc*> closed;
    docs.onClose = [&](CLadderDoc& doc) { closed.push_back(&doc); };

    WriteLadderFile(dir.File("a.vld"));
    WriteLadderFile(dir.File("b.vld"));
    CLadderDoc* a = docs.OpenFile(dir.File("a.vld"));
    CLadderDoc* level2 = docs.OpenProgram("LEVEL2");
    CLadderDoc* b = docs.OpenFile(dir.File("b.vld"));
    b->SetModified(true);

    // The unchanged file goes, the changed one stops the walk, the program stays.
    EXPECT_EQ(docs.CloseLadderDocuments(true), -1);
    EXPECT_EQ(closed, std::vector<CLadderDoc*>{a});
    EXPECT_EQ(messages.boxes.back().text, "Please save or close the current ladder file first");
    b->SetModified(false);
    EXPECT_EQ(docs.CloseLadderDocuments(true), 1);
    EXPECT_EQ(docs.CloseLadderDocuments(true), 0);
    ASSERT_EQ(docs.Documents().size(), 1u);
    EXPECT_EQ(docs.Documents()[0].get(), level2);

    EXPECT_EQ(docs.CloseLadderDocuments(false), 1);
    EXPECT_TRUE(docs.Documents().empty());
    docs.OpenProgram("LEVEL1");
    docs.CloseProgramDocument("LEVEL1");
    EXPECT_TRUE(docs.Documents().empty());
}

}  // namespace
}  // namespace varno::test
