#include <gtest/gtest.h>

#include "editor/ladder_doc.h"
#include "editor_fixture.h"

namespace varno {
namespace {

struct CHintLog final : ILadderDocView {
    void OnUpdate(int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

LDADDR X0() {
    return LDADDR{'X', 0, 0};
}

// A symbol edited in the comment window shows under the contact at once: every open document
// of the project lays out its views again, however the comment changed.
TEST(CommentRefresh, EveryOpenDocumentHearsEachCommentChange) {
    test::CRecordingMessages messages;
    test::CMemoryProject project;
    auto first = std::make_unique<CLadderDoc>(project, messages);
    CLadderDoc second(project, messages);
    CHintLog a;
    CHintLog b;
    first->AddView(&a);
    second.AddView(&b);

    project.comments.SetComment(X0(), "START", "", "");
    project.comments.ReplaceAt(*project.comments.FindGroup("X"), 0, {X0(), "GO", "", ""});
    EXPECT_EQ(a.hints, (std::vector<int>{HINT_LAYOUT, HINT_LAYOUT}));
    EXPECT_EQ(b.hints, a.hints);

    // A closed document is no longer told, and the others still are.
    first->RemoveView(&a);
    first.reset();
    project.comments.Delete(X0());
    EXPECT_EQ(a.hints.size(), 2u);
    EXPECT_EQ(b.hints.size(), 3u);
}

}  // namespace
}  // namespace varno
