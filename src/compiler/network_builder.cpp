#include "compiler/network_builder.h"

#include <vector>

#include "compiler/graph_reduce.h"
#include "model/catalog.h"
#include "model/ladder.h"

namespace varno {

namespace {

// Where a scan along a row ended: at a node, at something it cannot pass (stopped short of the
// row end), or at the row end.
struct CScanResult {
    CAOVNode* node = nullptr;
    bool stoppedShort = false;
};

class CNetworkBuilder {
public:
    CNetworkBuilder(CAOVGraph& graph, CLadder& ladder, int first, int end)
        : graph_(graph), ladder_(ladder), first_(first), end_(end), rows_(ThreadRows()) {
        rows_.clear();
        for (int r = first; r <= end; ++r) {
            rows_.push_back(ladder.GetRow(r));
        }
    }

    bool Build();

private:
    void CreateNodes();
    bool Connect();
    bool CheckConnections();
    void ConnectRail();

    CScanResult Successor(const CAOVNode* node, int row) const;
    CScanResult ScanRow(int row, int column) const;
    CAOVNode* NodeBelow(int row, int column) const;
    CAOVNode* BlockAbove(int row, int column) const;

    // Cells of any element row of the ladder; null for comment rows and missing cells.
    CLDCell* CellAt(int row, int column) const;
    bool VLineAt(int row, int column) const;
    // The nodes of a cell of this network; any other row has none.
    CAOVNode* ElementAt(int row, int column) const;
    CAOVNode* JunctionAt(int row, int column) const;

    CAOVGraph& graph_;
    CLadder& ladder_;
    int first_;
    int end_;
    // Rows first_..end_ (the row after the network too, whose vertical lines join nothing but
    // are looked at), looked up once: the walks below ask for cells many times per cell. The
    // list is the thread's, kept from network to network.
    std::vector<CLDRow*>& rows_;

    static std::vector<CLDRow*>& ThreadRows() {
        thread_local std::vector<CLDRow*> rows;
        return rows;
    }
};

CLDCell* CNetworkBuilder::CellAt(int row, int column) const {
    if (row < 0 || column < 0 || column >= LADDER_WIDTH) {
        return nullptr;
    }
    CLDRow* r = row >= first_ && row <= end_ ? rows_[static_cast<std::size_t>(row - first_)]
                                             : ladder_.GetRow(row);
    return r != nullptr ? r->Cell(column) : nullptr;
}

bool CNetworkBuilder::VLineAt(int row, int column) const {
    const CLDCell* cell = CellAt(row, column);
    return cell != nullptr && cell->VLine();
}

CAOVNode* CNetworkBuilder::ElementAt(int row, int column) const {
    const CCellNodes* nodes = graph_.CellNodes(row, column);
    return nodes != nullptr ? nodes->element : nullptr;
}

CAOVNode* CNetworkBuilder::JunctionAt(int row, int column) const {
    const CCellNodes* nodes = graph_.CellNodes(row, column);
    return nodes != nullptr ? nodes->junction : nullptr;
}

void CNetworkBuilder::CreateNodes() {
    // Every cell starts without nodes, also those inside a block's area that the walk below
    // steps over.
    graph_.ClearCellNodes(first_, end_ - first_);
    for (int r = first_; r < end_; ++r) {
        CLDRow* row = rows_[static_cast<std::size_t>(r - first_)];
        if (row == nullptr || row->IsComment()) {
            continue;
        }
        for (int c = 0; c < LADDER_WIDTH; c += FuncWidth(*row->Cell(c))) {
            CLDCell* cell = row->Cell(c);
            CCellNodes& nodes = *graph_.CellNodes(r, c);
            if (VLineAt(r + 1, c)) {
                nodes.junction = graph_.AppendNode(r, c, nullptr, LDCMD_NONE);
            }
            if (cell->Kind() == LDCMD_BASIC || cell->Kind() == LDCMD_FUNC) {
                nodes.element = graph_.AppendNode(r, c, cell, cell->Kind());
            }
        }
    }
}

// Rule F: the nearest block head at the column, from the row up to the network's first row.
CAOVNode* CNetworkBuilder::BlockAbove(int row, int column) const {
    const int head = ladder_.FindBlockHeadAbove(row, column, first_);
    return head >= 0 ? ElementAt(head, column) : nullptr;
}

// Rule S, the scan part: from a column to the right along the row.
CScanResult CNetworkBuilder::ScanRow(int row, int column) const {
    for (int c = column; c < LADDER_WIDTH;) {
        const CLDCell* cell = CellAt(row, c);
        if (cell->VLine() && row > first_) {
            if (CAOVNode* above = JunctionAt(row - 1, c)) {
                return {above, false};
            }
        }
        if (CAOVNode* junction = JunctionAt(row, c)) {
            return {junction, false};
        }
        if (CAOVNode* element = ElementAt(row, c)) {
            return {element, false};
        }
        if (cell->Kind() == LDCMD_FUNC_INPUT) {
            CAOVNode* block = BlockAbove(row, c);
            // An input cell without its block ends the row like any other obstacle.
            return {block, block == nullptr};
        }
        if (cell->Kind() != LDCMD_HLINE) {
            return {nullptr, true};
        }
        c += FuncWidth(*cell);
    }
    return {};
}

// Rule S: the node power flows to from a node along its row.
CScanResult CNetworkBuilder::Successor(const CAOVNode* node, int row) const {
    if (node->column < 0) {
        return ScanRow(row, 0);
    }
    if (!node->IsJunction()) {
        return ScanRow(row, node->column + FuncWidth(*node->cell));
    }
    const CLDCell* cell = CellAt(row, node->column);
    if (cell->Kind() == LDCMD_FUNC_INPUT) {
        CAOVNode* block = BlockAbove(row, node->column);
        return {block, block == nullptr};
    }
    if (CAOVNode* element = ElementAt(row, node->column)) {
        return {element, false};
    }
    if (cell->Kind() != LDCMD_HLINE) {
        return {nullptr, true};
    }
    return ScanRow(row, node->column + FuncWidth(*cell));
}

// Rule D: the node a vertical line leads to on the row below a junction.
CAOVNode* CNetworkBuilder::NodeBelow(int row, int column) const {
    const int below = row + 1;
    if (CAOVNode* junction = JunctionAt(below, column)) {
        return junction;
    }
    if (CAOVNode* element = ElementAt(below, column)) {
        return element;
    }
    if (CellAt(below, column)->Kind() == LDCMD_NONE) {
        return nullptr;
    }
    for (int c = column + 1; c < LADDER_WIDTH; ++c) {
        const CLDCell* cell = CellAt(below, c);
        if (cell->VLine()) {
            return JunctionAt(row, c);
        }
        if (CAOVNode* junction = JunctionAt(below, c)) {
            return junction;
        }
        if (CAOVNode* element = ElementAt(below, c)) {
            return element;
        }
        if (cell->Kind() != LDCMD_HLINE) {
            return nullptr;
        }
    }
    return nullptr;
}

bool CNetworkBuilder::Connect() {
    for (int r = first_; r < end_; ++r) {
        CLDRow* row = rows_[static_cast<std::size_t>(r - first_)];
        if (row == nullptr || row->IsComment()) {
            continue;
        }
        for (int c = 0; c < LADDER_WIDTH; c += FuncWidth(*row->Cell(c))) {
            const CCellNodes& nodes = *graph_.CellNodes(r, c);
            if (CAOVNode* junction = nodes.junction) {
                if (CAOVNode* next = Successor(junction, r).node) {
                    graph_.AddLink(junction, next);
                }
                if (VLineAt(r + 1, c)) {
                    if (CAOVNode* below = NodeBelow(r, c)) {
                        graph_.AddLink(junction, below);
                    }
                }
            }
            if (CAOVNode* element = nodes.element) {
                CScanResult next = Successor(element, r);
                if (next.node != nullptr) {
                    graph_.AddLink(element, next.node);
                } else if (next.stoppedShort) {
                    graph_.Errors().Add(r, ERR_CONNECT);
                    return false;
                }
            }
        }
    }
    return true;
}

// Before the rail exists: every block has exactly its inputs and outputs, every element
// without a right neighbour is a coil, every element without a left one a contact.
bool CNetworkBuilder::CheckConnections() {
    for (int r = first_; r < end_; ++r) {
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            const CAOVNode* node = ElementAt(r, c);
            if (node == nullptr) {
                continue;
            }
            const CLDCell& cell = *node->cell;
            bool ok = true;
            if (node->IsFunc()) {
                ok = node->inDegree == FuncInputCount(cell.Code()) &&
                     node->outDegree == FuncOutputCount(cell.Code());
            } else {
                ok = (node->outDegree != 0 || cell.IsCoil()) &&
                     (node->inDegree != 0 || cell.IsContact());
            }
            if (!ok) {
                graph_.Errors().Add(r, ERR_CONNECT);
                return false;
            }
        }
    }
    return true;
}

void CNetworkBuilder::ConnectRail() {
    CAOVNode* rail = graph_.PrependJunction(first_, -1);
    for (int r = first_; r < end_; ++r) {
        const CLDRow* row = rows_[static_cast<std::size_t>(r - first_)];
        if (row == nullptr || row->IsComment()) {
            continue;
        }
        if (CAOVNode* next = Successor(rail, r).node) {
            graph_.AddLink(rail, next);
        }
    }
}

bool CNetworkBuilder::Build() {
    CreateNodes();
    if (!Connect()) {
        return false;
    }
    graph_.ComputeDegrees();
    if (!CheckConnections()) {
        return false;
    }
    ConnectRail();
    graph_.ComputeDegrees();
    MergeJunctions(graph_);
    CheckStructure(graph_);
    MarkOutputBranches(graph_);
    // Fresh counters for the walk; the output-branch marks keep their values.
    graph_.ComputeDegrees();
    return true;
}

}  // namespace

bool BuildNetwork(CAOVGraph& graph, CLadder& ladder, int first, int end) {
    return CNetworkBuilder(graph, ladder, first, end).Build();
}

}  // namespace varno
