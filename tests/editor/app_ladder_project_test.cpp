#include <gtest/gtest.h>

#include "editor/app_ladder_project.h"
#include "editor/ladder_doc_list.h"
#include "editor_fixture.h"
#include "model/ladder_file.h"
#include "support/temp_dir.h"

namespace varno::test {
namespace {

TEST(AppLadderProject, SavingAnotherLadderFileKeepsUnsavedPrograms) {
    CTempDir dir;
    CRecordingMessages messages;
    CVARNOApp app(messages);
    ASSERT_TRUE(app.OpenProject(dir.File("P.KPJ"), true));
    ASSERT_TRUE(app.SaveProject());
    CAppLadderProject project(app);
    CLadderDocList docs(project, messages);
    project.closeProgramDocuments = [&docs] { docs.CloseLadderDocuments(false); };

    CLadderDoc* level1 = docs.OpenProgram("LEVEL1");
    ASSERT_NE(level1, nullptr);
    level1->InsertRows(0, nullptr, 1);  // rows after END1 would belong to the next program
    level1->PlaceElement(0, 4, Contact('X', 4, 0));
    EXPECT_TRUE(app.IsLaddersModified());

    // Another ladder file is saved: the program list is written first, then read again, and
    // the program document that edited the old list is gone.
    CLadderDoc file(project, messages);
    file.OnNewDocument();
    ASSERT_TRUE(file.OnSaveDocument(dir.File("other.vld")));
    EXPECT_TRUE(docs.Documents().empty());
    EXPECT_FALSE(app.IsLaddersModified());
    EXPECT_TRUE(app.Programs().FindByName("LEVEL1")->GetCell(0, 4)->IsContact());

    // Saving over the project's ladder file itself replaces the programs with what it holds.
    level1 = docs.OpenProgram("LEVEL1");
    level1->PlaceElement(0, 5, Contact('X', 5, 0));
    CLadderDoc whole(project, messages);
    ASSERT_TRUE(whole.OnOpenDocument(project.LadderFile()));
    ASSERT_TRUE(whole.OnSaveDocument(project.LadderFile()));
    EXPECT_TRUE(app.Programs().FindByName("LEVEL1")->GetCell(0, 5)->IsEmpty());
    EXPECT_TRUE(messages.boxes.empty());
}

}  // namespace
}  // namespace varno::test
