#include "compiler/graph_reduce.h"

#include <queue>
#include <vector>

namespace varno {

namespace {

void RemoveFirstLink(CAOVGraph& graph, CAOVNode* from, CAOVNode* to) {
    for (CAOVLink* link = from->outputLinks; link != nullptr; link = link->nextOutput) {
        if (link->right == to) {
            graph.RemoveLink(link);
            return;
        }
    }
}

// One merge pass over the node list. The scan of a junction's output links restarts after
// every merge. A merged node is removed from the list; the pass goes on with the node after P,
// which is still in the list because P is never merged into itself.
template <class Condition>
void MergePass(CAOVGraph& graph, Condition mergeable) {
    for (CAOVNode* p = graph.FirstNode(); p != nullptr; p = p->Next()) {
        if (!p->IsJunction()) {
            continue;
        }
        bool merged = true;
        while (merged) {
            merged = false;
            for (CAOVLink* link = p->outputLinks; link != nullptr; link = link->nextOutput) {
                CAOVNode* q = link->right;
                if (q->IsJunction() && mergeable(p, q)) {
                    MergeJunction(graph, p, q);
                    merged = true;
                    break;
                }
            }
        }
    }
}

bool AnyRightFunc(const CAOVNode* p) {
    for (const CAOVLink* link = p->outputLinks; link != nullptr; link = link->nextOutput) {
        if (link->right->IsFunc()) {
            return true;
        }
    }
    return false;
}

bool AnyLeftFunc(const CAOVNode* p) {
    for (const CAOVLink* link = p->inputLinks; link != nullptr; link = link->nextInput) {
        if (link->left->IsFunc()) {
            return true;
        }
    }
    return false;
}

bool IsElement(const CAOVNode* node) {
    return node->IsBasic() || node->IsFunc();
}

}  // namespace

void MergeJunction(CAOVGraph& graph, CAOVNode* p, CAOVNode* q) {
    RemoveFirstLink(graph, p, q);
    RemoveFirstLink(graph, q, p);
    while (CAOVLink* link = q->inputLinks) {
        if (link->left != p) {
            graph.AddLink(link->left, p);
        }
        graph.RemoveLink(link);
    }
    while (CAOVLink* link = q->outputLinks) {
        if (link->right != p) {
            graph.AddLink(p, link->right);
        }
        graph.RemoveLink(link);
    }
    graph.RemoveNode(q);
}

void MergeJunctions(CAOVGraph& graph) {
    graph.ComputeDegrees();
    MergePass(graph, [](const CAOVNode* p, const CAOVNode* q) { return q->column == p->column; });
    graph.ComputeDegrees();
    // The degrees stay those computed before this pass while it merges.
    MergePass(graph, [](const CAOVNode* p, const CAOVNode* q) {
        return p->outDegree == 1 || q->inDegree == 1;
    });
    graph.ComputeDegrees();
}

void CheckStructure(CAOVGraph& graph) {
    CErrorList& errors = graph.Errors();
    for (CAOVNode* p = graph.FirstNode(); p != nullptr; p = p->Next()) {
        if (!p->IsJunction()) {
            continue;
        }
        if (p->outDegree > 1) {
            for (CAOVLink* link = p->outputLinks; link != nullptr; link = link->nextOutput) {
                CAOVNode* q = link->right;
                if (q->IsJunction() && q->column != p->column) {
                    errors.Add(q->row, ERR_SHORT_CONNECT);
                    return;
                }
            }
            if (AnyRightFunc(p)) {
                errors.Add(p->row, ERR_FUNC_IN_BRANCH);
                return;
            }
        }
        if (p->inDegree > 0 && AnyLeftFunc(p)) {
            errors.Add(p->row, ERR_FUNC_OUTPUT);
            return;
        }
    }
}

void MarkOutputBranches(CAOVGraph& graph) {
    int outputs = 0;
    for (CAOVNode* node = graph.FirstNode(); node != nullptr; node = node->Next()) {
        if (node->outDegree == 0) {
            ++outputs;
        }
    }
    if (outputs <= 1) {
        return;
    }
    // Sweep back from the outputs: always take the last element in list order whose outputs
    // are all accounted for, and account for it at each of its left neighbours. Junctions are
    // never taken, so the sweep stops at them. Pending outputs only fall, so an element is a
    // candidate from the moment they reach 0 until they pass it.
    graph.NumberNodes();
    std::vector<CAOVNode*> nodes;
    std::priority_queue<int> candidates;
    for (CAOVNode* node = graph.FirstNode(); node != nullptr; node = node->Next()) {
        nodes.push_back(node);
        if (IsElement(node) && node->pendingOutputs == 0) {
            candidates.push(node->position);
        }
    }
    while (!candidates.empty()) {
        CAOVNode* taken = nodes[static_cast<std::size_t>(candidates.top())];
        candidates.pop();
        if (taken->pendingOutputs != 0) {
            continue;
        }
        --taken->pendingOutputs;
        for (CAOVLink* link = taken->inputLinks; link != nullptr; link = link->nextInput) {
            CAOVNode* left = link->left;
            if (--left->pendingOutputs == 0 && IsElement(left)) {
                candidates.push(left->position);
            }
        }
    }
    CAOVNode* rail = graph.FirstNode();
    for (CAOVNode* node = rail->Next(); node != nullptr; node = node->Next()) {
        if (node->IsJunction() && node->outDegree != node->pendingOutputs) {
            node->flags |= AOV_OUTPUT_BRANCH;
            node->outputBranches = node->outDegree - node->pendingOutputs;
        }
    }
}

}  // namespace varno
