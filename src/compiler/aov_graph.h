// The graph of one network: a node per contact, coil and functional block, a junction node
// wherever a vertical line leaves a row downwards, one node for the left power rail, and a
// link from every node to each right neighbour power flows to.
//
// The orders of the lists decide which instructions come out: a node's input and output
// lists run newest link first, the node list runs in creation order with the rail in front,
// and the graph's link list in creation order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "compiler/branch_list.h"
#include "compiler/error_list.h"
#include "model/ladder_row.h"
#include "model/ldcmd.h"

namespace varno {

class CAOVLink;

// Node flag: a junction from which several branches lead only through elements to outputs.
inline constexpr std::uint8_t AOV_OUTPUT_BRANCH = 2;

class CAOVNode {
public:
    CAOVNode(int row_, int column_, CLDCell* cell_, std::uint8_t kind)
        : row(row_), column(column_), cell(cell_), kind_(kind) {}
    CAOVNode(const CAOVNode&) = delete;
    CAOVNode& operator=(const CAOVNode&) = delete;

    // Row index within the program (the network's first row for the rail). Kept in 32 bits:
    // programs have more rows than a 16-bit number holds.
    int row;
    int column;  // -1 for the rail
    int pendingInputs = 0;
    int pendingOutputs = 0;
    int inDegree = 0;
    int outDegree = 0;
    int outputBranches = 0;  // right branches of an output branch point that end in outputs
    std::uint8_t flags = 0;
    CLDCell* cell;                    // null for junctions and the rail
    CAOVLink* inputLinks = nullptr;   // links whose right end is this node, newest first
    CAOVLink* outputLinks = nullptr;  // links whose left end is this node, newest first
    // The node's index in the node list, set by NumberNodes for walks that pick nodes in list
    // order.
    int position = 0;

    bool IsJunction() const { return cell == nullptr; }
    bool IsFunc() const { return cell != nullptr && kind_ == LDCMD_FUNC; }
    bool IsBasic() const { return cell != nullptr && kind_ == LDCMD_BASIC; }
    bool IsOutputBranchPoint() const { return (flags & AOV_OUTPUT_BRANCH) != 0; }

    // Neighbours in the graph's node list; null at either end.
    CAOVNode* Next() const { return next_; }
    CAOVNode* Prev() const { return prev_; }

private:
    friend class CAOVGraph;
    std::uint8_t kind_;
    CAOVNode* prev_ = nullptr;
    CAOVNode* next_ = nullptr;
};

class CAOVLink {
public:
    CAOVLink(CAOVNode* left_, CAOVNode* right_) : right(right_), left(left_) {}
    CAOVLink(const CAOVLink&) = delete;
    CAOVLink& operator=(const CAOVLink&) = delete;

    CAOVNode* right;
    CAOVNode* left;
    CAOVLink* nextInput = nullptr;   // next link in the right node's input list
    CAOVLink* nextOutput = nullptr;  // next link in the left node's output list

    CAOVLink* Next() const { return next_; }

private:
    friend class CAOVGraph;
    CAOVLink* prev_ = nullptr;
    CAOVLink* next_ = nullptr;
};

// The nodes made for one cell of a network: its element's and that of the junction below it.
struct CCellNodes {
    CAOVNode* element = nullptr;
    CAOVNode* junction = nullptr;
};

// Holds the graph of one network at a time; one graph serves every network of a program.
class CAOVGraph {
public:
    explicit CAOVGraph(CErrorList& errors) : errors_(errors) {}
    ~CAOVGraph();
    CAOVGraph(const CAOVGraph&) = delete;
    CAOVGraph& operator=(const CAOVGraph&) = delete;

    // Destroys every node and link.
    void Reset();

    // A new node at the end of the node list; kind is the cell's kind (ignored without cell).
    CAOVNode* AppendNode(int row, int column, CLDCell* cell, std::uint8_t kind);
    // A new junction at the front of the node list (the rail).
    CAOVNode* PrependJunction(int row, int column);
    // Unlinks the node from the node list and destroys it; its links must be gone already.
    void RemoveNode(CAOVNode* node);

    // A link left -> right, at the front of right's input list and of left's output list and
    // at the end of the link list.
    CAOVLink* AddLink(CAOVNode* left, CAOVNode* right);
    // Unlinks the link from both nodes and the link list and destroys it.
    void RemoveLink(CAOVLink* link);

    // In-degree and pending inputs become the length of each node's input list, out-degree and
    // pending outputs the length of its output list.
    void ComputeDegrees();
    // Sets every node's position to its index in the node list.
    void NumberNodes();

    CAOVNode* FirstNode() const { return firstNode_; }
    CAOVNode* LastNode() const { return lastNode_; }
    std::size_t NodeCount() const { return nodeCount_; }
    CAOVLink* FirstLink() const { return firstLink_; }
    std::size_t LinkCount() const { return linkCount_; }

    // Empties the cell-node table and sizes it for `rows` rows from `first` on.
    void ClearCellNodes(int first, int rows) {
        cellNodesFirst_ = first;
        cellNodesRows_ = rows;
        cellNodes_.assign(static_cast<std::size_t>(rows) * LADDER_WIDTH, CCellNodes{});
    }
    // The nodes of a cell of those rows; null for any other row or column.
    CCellNodes* CellNodes(int row, int column) {
        const int index = row - cellNodesFirst_;
        if (index < 0 || index >= cellNodesRows_ || column < 0 || column >= LADDER_WIDTH) {
            return nullptr;
        }
        return &cellNodes_[static_cast<std::size_t>(index * LADDER_WIDTH + column)];
    }

    CBranchList& Branches() { return branches_; }
    CErrorList& Errors() { return errors_; }

private:
    template <typename T, typename... Args>
    static T* Create(std::vector<void*>& pool, Args&&... args);
    template <typename T>
    static void Destroy(std::vector<void*>& pool, T* record);

    CAOVNode* firstNode_ = nullptr;
    CAOVNode* lastNode_ = nullptr;
    std::size_t nodeCount_ = 0;
    CAOVLink* firstLink_ = nullptr;
    CAOVLink* lastLink_ = nullptr;
    std::size_t linkCount_ = 0;
    CBranchList branches_;
    CErrorList& errors_;
    // The table lives beside the graph rather than in the cells, so that the cells of a long
    // program stay small; it is reused from network to network.
    std::vector<CCellNodes> cellNodes_;
    int cellNodesFirst_ = 0;
    int cellNodesRows_ = 0;
    std::vector<void*> freeNodes_;  // memory of destroyed records, reused first
    std::vector<void*> freeLinks_;
};

}  // namespace varno
