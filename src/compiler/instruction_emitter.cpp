#include "compiler/instruction_emitter.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <queue>
#include <vector>

#include "model/catalog.h"
#include "model/ladder_cell.h"

namespace varno {

namespace {

class CEmitter {
public:
    CEmitter(CAOVGraph& graph, CLDCmdList& out, std::vector<CEmittedNode>* trace)
        : graph_(graph), out_(out), trace_(trace) {
        pending_.clear();
        nodes_.clear();
        while (!ready_.empty()) {
            ready_.pop();
        }
    }

    bool EmitNetwork();

private:
    // The first node in list order whose inputs have all been emitted, or null.
    CAOVNode* TakeReady();
    bool EmitChain(CAOVNode* target);
    void OpenBranch(CAOVNode* n, CAOVNode* target);
    void CloseBranches(CAOVNode* target, bool orAllowed);
    bool OutputCheck(const CBranch& current);
    void AppendBasic(std::uint8_t code);

    CAOVGraph& graph_;
    CBranchList& stack_ = graph_.Branches();
    CLDCmdList& out_;
    std::vector<CEmittedNode>* trace_;
    // One set of work lists per thread, reused by every network: a program has tens of
    // thousands of networks of a few nodes each.
    struct CScratch {
        std::deque<CAOVNode*> pending;
        // The walk picks nodes in list order; pending inputs only fall and reach 0 once, so
        // the nodes ready to be picked are kept by list position.
        std::vector<CAOVNode*> nodes;
        std::priority_queue<int, std::vector<int>, std::greater<>> ready;
    };
    static CScratch& Scratch() {
        thread_local CScratch scratch;
        return scratch;
    }
    std::deque<CAOVNode*>& pending_ = Scratch().pending;
    std::vector<CAOVNode*>& nodes_ = Scratch().nodes;
    std::priority_queue<int, std::vector<int>, std::greater<>>& ready_ = Scratch().ready;
};

bool IsLeftNeighbour(const CAOVNode* candidate, const CAOVNode* node) {
    for (const CAOVLink* link = node->inputLinks; link != nullptr; link = link->nextInput) {
        if (link->left == candidate) {
            return true;
        }
    }
    return false;
}

CAOVNode* CEmitter::TakeReady() {
    while (!ready_.empty()) {
        CAOVNode* node = nodes_[static_cast<std::size_t>(ready_.top())];
        ready_.pop();
        if (node->pendingInputs == 0) {
            return node;
        }
    }
    return nullptr;
}

bool CEmitter::EmitNetwork() {
    pending_.clear();
    stack_.RemoveAll();
    graph_.NumberNodes();
    for (CAOVNode* node = graph_.FirstNode(); node != nullptr; node = node->Next()) {
        nodes_.push_back(node);
        if (node->pendingInputs == 0) {
            ready_.push(node->position);
        }
    }
    bool result = true;
    while (result) {
        CAOVNode* n = TakeReady();
        if (n == nullptr) {
            break;
        }
        --n->pendingInputs;
        --n->pendingOutputs;
        for (CAOVLink* link = n->outputLinks; link != nullptr; link = link->nextOutput) {
            if (--link->right->pendingInputs == 0) {
                ready_.push(link->right->position);
            }
        }
        pending_.push_back(n);
        if (n->outDegree == 0) {
            result = EmitChain(nullptr);
        } else if (!n->IsJunction()) {
            // The chain of an element closes where its first output meets a junction or a
            // block; an element feeding a basic element just extends the chain.
            CAOVNode* z = n->outputLinks->right;
            if (z->IsJunction() || z->IsFunc()) {
                result = EmitChain(z);
            }
        }
    }
    if (!result) {
        return false;
    }
    // A node the walk never reached sits on a loop, which the junction merges can close when
    // a wire runs around an element; its outputs would silently be missing.
    for (CAOVNode* node = graph_.FirstNode(); node != nullptr; node = node->Next()) {
        if (node->pendingInputs > 0) {
            graph_.Errors().Add(node->row, ERR_REFLUENCE);
            return false;
        }
    }
    return true;
}

// The branch step at the head of a chain and at each junction in it: pushes, reuses or
// retargets the entry the chain continues from.
void CEmitter::OpenBranch(CAOVNode* n, CAOVNode* target) {
    CBranch entry{n, target, true};
    if (stack_.IsEmpty()) {
        stack_.Push(entry);
        return;
    }
    CBranch& top = stack_.Top();
    if (!n->IsJunction()) {
        entry.node = top.node;
        if (top.target != target) {
            --top.node->pendingOutputs;
            stack_.Push(entry);
        }
    } else if (n == top.node) {
        if (top.target != target) {
            --n->pendingOutputs;
            stack_.Push(entry);
        }
    } else {
        if (top.target == n && top.node->pendingOutputs > 0) {
            top.target = target;
            top.fresh = true;
            std::size_t count = stack_.GetCount();
            if (count >= 2 && stack_[count - 2].node == top.node &&
                stack_[count - 2].target == target) {
                stack_.Pop();
            }
        }
        stack_.Push(entry);
    }
}

bool CEmitter::EmitChain(CAOVNode* target) {
    if (pending_.empty()) {
        return true;
    }
    int counter = static_cast<int>(pending_.size()) - (pending_.back()->outDegree == 0 ? 1 : 0);
    bool first = true;
    bool orAllowed = true;
    std::size_t current = 0;
    int mode = EMIT_STACK;
    while (!pending_.empty()) {
        CAOVNode* n = pending_.front();
        pending_.pop_front();
        if (n->IsJunction()) {
            --counter;
        }
        if (n->IsJunction() || first) {
            first = false;
            OpenBranch(n, target);
            current = stack_.GetCount() - 1;
            mode = EMIT_STACK;
            if (n->IsJunction()) {
                if (n->inDegree == 0) {
                    mode = EMIT_LOAD;
                } else if (n->outDegree == 1) {
                    mode = EMIT_AND;
                }
            }
            const CBranch& entry = stack_[current];
            if (n->IsBasic() && entry.node != n && !IsLeftNeighbour(entry.node, n)) {
                graph_.Errors().Add(n->row, ERR_REFLUENCE);
                return false;
            }
            if (entry.node->IsOutputBranchPoint()) {
                if (!OutputCheck(entry)) {
                    return false;
                }
                mode = EMIT_AND;
            }
        }
        if (n->IsJunction()) {
            continue;  // its mode carries over to the element after it
        }
        if (n->inDegree > 1) {
            mode = EMIT_AND;
        } else if (mode == EMIT_STACK && !stack_[current].fresh && counter < 2 &&
                   target != nullptr && !target->IsFunc()) {
            mode = EMIT_OR;
            orAllowed = false;
        }
        if (trace_ != nullptr) {
            trace_->push_back({out_.GetCount(), n->row, n->column, mode});
        }
        EmitElement(*n->cell, mode, out_);
        mode = EMIT_AND;
    }
    CloseBranches(target, orAllowed);
    return true;
}

void CEmitter::AppendBasic(std::uint8_t code) {
    CLDCmd cmd;
    cmd.kind = LDCMD_BASIC;
    cmd.code = code;
    out_.Add(cmd);
}

void CEmitter::CloseBranches(CAOVNode* target, bool orAllowed) {
    bool first = true;
    while (!stack_.IsEmpty()) {
        CBranch& top = stack_.Top();
        if (top.target != target) {
            break;
        }
        CAOVNode* node = top.node;
        if (top.fresh) {
            top.fresh = false;
        } else {
            if (first) {
                --node->pendingOutputs;
            }
            // The inputs of a functional block stay on the stack as separate conditions.
            if (target == nullptr || !target->IsFunc()) {
                if (orAllowed && target != nullptr && target->inDegree > 1) {
                    AppendBasic(BASIC_OR_STK);
                }
                if (node->outDegree > 1 && node->inDegree > 0 && node->pendingOutputs <= 0 &&
                    node->column != 0 && target != nullptr) {
                    AppendBasic(BASIC_AND_STK);
                }
            }
        }
        first = false;
        orAllowed = true;
        if (node->pendingOutputs > 0) {
            break;
        }
        stack_.Pop();
    }
}

bool CEmitter::OutputCheck(const CBranch& current) {
    const CAOVNode* p = current.node;
    int rest = static_cast<int>(pending_.size()) - (current.fresh ? 1 : 0);
    if ((p->outDegree > 1 && p->pendingOutputs == 1 && !current.fresh) || rest <= 0) {
        return true;
    }
    graph_.Errors().Add(p->row, ERR_OUTPUT);
    return false;
}

}  // namespace

std::uint8_t ContactCode(std::uint8_t cellCode, int mode) {
    static constexpr std::uint8_t RD_CODES[] = {BASIC_RD, BASIC_AND, BASIC_RD_STK, BASIC_OR};
    static constexpr std::uint8_t RD_NOT_CODES[] = {BASIC_RD_NOT, BASIC_AND_NOT, BASIC_RD_NOT_STK,
                                                    BASIC_OR_NOT};
    static constexpr std::uint8_t RDPT_CODES[] = {BASIC_RDPT, BASIC_ANDPT, BASIC_RDPT_STK,
                                                  BASIC_ORPT};
    static constexpr std::uint8_t RDNT_CODES[] = {BASIC_RDNT, BASIC_ANDNT, BASIC_RDNT_STK,
                                                  BASIC_ORNT};
    if (mode < EMIT_LOAD || mode > EMIT_OR) {
        return cellCode;
    }
    switch (cellCode) {
        case BASIC_RD:
            return RD_CODES[mode];
        case BASIC_RD_NOT:
            return RD_NOT_CODES[mode];
        case BASIC_RDPT:
            return RDPT_CODES[mode];
        case BASIC_RDNT:
            return RDNT_CODES[mode];
        default:
            return cellCode;
    }
}

void EmitElement(const CLDCell& cell, int mode, CLDCmdList& out) {
    CLDCmd cmd = cell.Element();
    cmd.vline = 0;
    if (cmd.kind == LDCMD_BASIC) {
        cmd.code = ContactCode(cmd.code, mode);
        out.Add(cmd);
        return;
    }
    // A head: the operand field of the cell is the model's, not part of the instruction.
    cmd.operand = 0;
    out.Add(cmd);
    if (FuncOperandCount(cmd.code) <= 0) {
        return;
    }
    std::span<const CLDCmd> operands = cell.Operands();
    std::size_t count = std::min(operands.size(), static_cast<std::size_t>(FuncRecordCount(cell)));
    for (std::size_t i = 0; i < count; ++i) {
        CLDCmd operand = operands[i];
        operand.reserved = 0;
        out.Add(operand);
    }
}

bool EmitNetwork(CAOVGraph& graph, CLDCmdList& out) {
    return CEmitter(graph, out, nullptr).EmitNetwork();
}

bool EmitNetwork(CAOVGraph& graph, CLDCmdList& out, std::vector<CEmittedNode>* trace) {
    return CEmitter(graph, out, trace).EmitNetwork();
}

}  // namespace varno
