// The network graph: its nodes and links, the merges, and the cases where a literal reading
// would leave the graph or the walk in an unsound state.
#include <gtest/gtest.h>

#include "compiler/aov_graph.h"
#include "compiler/compile.h"
#include "compiler/graph_reduce.h"
#include "compiler/instruction_emitter.h"
#include "compiler/network_builder.h"
#include "ladder_picture.h"
#include "model/catalog.h"

namespace varno::test {
namespace {

using Lines = std::vector<std::string>;
using Errors = std::vector<CErrorInfo>;

int JunctionCount(const CAOVGraph& graph) {
    int count = 0;
    for (CAOVNode* node = graph.FirstNode()->Next(); node != nullptr; node = node->Next()) {
        count += node->IsJunction() ? 1 : 0;
    }
    return count;
}

std::vector<CAOVNode*> Rights(const CAOVNode* node) {
    std::vector<CAOVNode*> nodes;
    for (CAOVLink* link = node->outputLinks; link != nullptr; link = link->nextOutput) {
        nodes.push_back(link->right);
    }
    return nodes;
}

std::vector<CAOVNode*> Lefts(const CAOVNode* node) {
    std::vector<CAOVNode*> nodes;
    for (CAOVLink* link = node->inputLinks; link != nullptr; link = link->nextInput) {
        nodes.push_back(link->left);
    }
    return nodes;
}

TEST(NetworkGraph, OneRowGivesRailContactCoilAndTwoLinks) {
    auto ladder = LadderFromPicture({"A ... (Y)"});
    CErrorList errors;
    CAOVGraph graph(errors);
    ASSERT_TRUE(BuildNetwork(graph, *ladder, 0, 1));
    ASSERT_EQ(graph.NodeCount(), 3u);
    ASSERT_EQ(graph.LinkCount(), 2u);
    CAOVNode* rail = graph.FirstNode();
    CAOVNode* contact = rail->Next();
    CAOVNode* coil = contact->Next();
    EXPECT_TRUE(rail->IsJunction());
    EXPECT_EQ(rail->column, -1);
    EXPECT_EQ(contact->cell, ladder->GetCell(0, 0));
    EXPECT_EQ(coil->cell, ladder->GetCell(0, 7));
    EXPECT_EQ(Rights(rail), std::vector<CAOVNode*>{contact});
    EXPECT_EQ(Rights(contact), std::vector<CAOVNode*>{coil});
    EXPECT_EQ(graph.CellNodes(0, 0)->element, contact);
    EXPECT_EQ(graph.CellNodes(0, 7)->element, coil);
    EXPECT_EQ(graph.CellNodes(0, 3)->element, nullptr);
    EXPECT_EQ(graph.CellNodes(1, 0), nullptr);
}

TEST(NetworkGraph, EmptyRowsAndCommentRowsHoldOnlyTheRail) {
    auto ladder = LadderFromPicture({"", "// note"});
    CErrorList errors;
    CAOVGraph graph(errors);
    for (int row : {0, 1}) {
        graph.Reset();
        ASSERT_TRUE(BuildNetwork(graph, *ladder, row, row + 1));
        EXPECT_EQ(graph.NodeCount(), 1u);
        CLDCmdList out;
        EXPECT_TRUE(EmitNetwork(graph, out));
        EXPECT_TRUE(out.IsEmpty());
    }
    CLDCmdList out;
    EXPECT_TRUE(CompileLadder(*ladder, out, errors));
    EXPECT_TRUE(out.IsEmpty());
}

TEST(NetworkGraph, VerticalLineOverThreeRowsBecomesOneJunction) {
    auto ladder = LadderFromPicture({"A ... (Y1)", ". |- ... (Y2)", ". |- ... (Y3)"});
    CErrorList errors;
    CAOVGraph graph(errors);
    ASSERT_TRUE(BuildNetwork(graph, *ladder, 0, 3));
    EXPECT_EQ(JunctionCount(graph), 1);
    // The junction feeds the three coils; the walk counts them as output branches.
    CAOVNode* junction = graph.CellNodes(0, 1)->junction;
    EXPECT_EQ(junction->outDegree, 3);
    EXPECT_TRUE(junction->IsOutputBranchPoint());
    EXPECT_EQ(junction->outputBranches, 3);
}

TEST(MergeJunction, RepointsLinksNewestFirstAndNeverJoinsANodeToItself) {
    CErrorList errors;
    CAOVGraph graph(errors);
    CAOVNode* x = graph.AppendNode(0, 0, nullptr, LDCMD_NONE);
    CAOVNode* p = graph.AppendNode(0, 1, nullptr, LDCMD_NONE);
    CAOVNode* q = graph.AppendNode(1, 1, nullptr, LDCMD_NONE);
    CAOVNode* y = graph.AppendNode(0, 5, nullptr, LDCMD_NONE);
    graph.AddLink(p, q);
    graph.AddLink(x, q);
    graph.AddLink(p, q);  // a second wire between the same junctions
    graph.AddLink(q, p);
    graph.AddLink(q, y);
    graph.AddLink(x, p);
    MergeJunction(graph, p, q);
    EXPECT_EQ(graph.NodeCount(), 3u);
    // The remaining p->q and the extra q->p would join p to itself: dropped.
    for (CAOVLink* link = graph.FirstLink(); link != nullptr; link = link->Next()) {
        EXPECT_NE(link->left, link->right);
    }
    EXPECT_EQ(graph.LinkCount(), 3u);
    EXPECT_EQ(Lefts(p), (std::vector<CAOVNode*>{x, x}));
    EXPECT_EQ(Rights(p), std::vector<CAOVNode*>{y});
    EXPECT_EQ(Rights(x), (std::vector<CAOVNode*>{p, p}));
}

TEST(MergeJunctions, APassGoesOnAfterTheNodesItRemoved) {
    CErrorList errors;
    CAOVGraph graph(errors);
    CAOVNode* p = graph.AppendNode(0, 1, nullptr, LDCMD_NONE);
    CAOVNode* q = graph.AppendNode(1, 1, nullptr, LDCMD_NONE);
    CAOVNode* r = graph.AppendNode(2, 1, nullptr, LDCMD_NONE);
    CAOVNode* s = graph.AppendNode(0, 3, nullptr, LDCMD_NONE);
    CAOVNode* t = graph.AppendNode(0, 4, nullptr, LDCMD_NONE);
    graph.AddLink(p, q);
    graph.AddLink(q, r);
    graph.AddLink(r, s);
    graph.AddLink(s, t);
    graph.AddLink(q, t);
    // Pass 1 folds q and r (same column) into p while visiting p, and goes on with s. Pass 2
    // folds s (one input) into p while visiting p, and goes on with t.
    MergeJunctions(graph);
    std::vector<CAOVNode*> nodes;
    for (CAOVNode* node = graph.FirstNode(); node != nullptr; node = node->Next()) {
        nodes.push_back(node);
    }
    EXPECT_EQ(nodes, (std::vector<CAOVNode*>{p, t}));
    EXPECT_EQ(Rights(p), (std::vector<CAOVNode*>{t, t}));
    EXPECT_EQ(t->inDegree, 2);
}

}  // namespace
}  // namespace varno::test
