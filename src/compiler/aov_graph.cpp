#include "compiler/aov_graph.h"

#include <new>
#include <utility>

namespace varno {

namespace {

// Unlinks a link from a singly linked node list threaded through `next`.
void UnlinkFrom(CAOVLink*& head, CAOVLink* link, CAOVLink* CAOVLink::*next) {
    for (CAOVLink** at = &head; *at != nullptr; at = &((*at)->*next)) {
        if (*at == link) {
            *at = link->*next;
            return;
        }
    }
}

}  // namespace

CAOVGraph::~CAOVGraph() {
    Reset();
    for (void* memory : freeNodes_) {
        ::operator delete(memory);
    }
    for (void* memory : freeLinks_) {
        ::operator delete(memory);
    }
}

// Destroyed records keep their memory for the next network: a program has tens of thousands
// of small networks, and allocating every node and link anew costs more than building them.
template <typename T, typename... Args>
T* CAOVGraph::Create(std::vector<void*>& pool, Args&&... args) {
    void* memory = nullptr;
    if (pool.empty()) {
        memory = ::operator new(sizeof(T));
    } else {
        memory = pool.back();
        pool.pop_back();
    }
    return new (memory) T(std::forward<Args>(args)...);
}

template <typename T>
void CAOVGraph::Destroy(std::vector<void*>& pool, T* record) {
    record->~T();
    pool.push_back(record);
}

void CAOVGraph::Reset() {
    while (firstLink_ != nullptr) {
        CAOVLink* next = firstLink_->next_;
        Destroy(freeLinks_, firstLink_);
        firstLink_ = next;
    }
    lastLink_ = nullptr;
    linkCount_ = 0;
    while (firstNode_ != nullptr) {
        CAOVNode* next = firstNode_->next_;
        Destroy(freeNodes_, firstNode_);
        firstNode_ = next;
    }
    lastNode_ = nullptr;
    nodeCount_ = 0;
}

CAOVNode* CAOVGraph::AppendNode(int row, int column, CLDCell* cell, std::uint8_t kind) {
    auto* node = Create<CAOVNode>(freeNodes_, row, column, cell, kind);
    node->prev_ = lastNode_;
    (lastNode_ != nullptr ? lastNode_->next_ : firstNode_) = node;
    lastNode_ = node;
    ++nodeCount_;
    return node;
}

CAOVNode* CAOVGraph::PrependJunction(int row, int column) {
    auto* node = Create<CAOVNode>(freeNodes_, row, column, nullptr, LDCMD_NONE);
    node->next_ = firstNode_;
    (firstNode_ != nullptr ? firstNode_->prev_ : lastNode_) = node;
    firstNode_ = node;
    ++nodeCount_;
    return node;
}

void CAOVGraph::RemoveNode(CAOVNode* node) {
    (node->prev_ != nullptr ? node->prev_->next_ : firstNode_) = node->next_;
    (node->next_ != nullptr ? node->next_->prev_ : lastNode_) = node->prev_;
    --nodeCount_;
    Destroy(freeNodes_, node);
}

CAOVLink* CAOVGraph::AddLink(CAOVNode* left, CAOVNode* right) {
    auto* link = Create<CAOVLink>(freeLinks_, left, right);
    link->nextInput = right->inputLinks;
    right->inputLinks = link;
    link->nextOutput = left->outputLinks;
    left->outputLinks = link;
    link->prev_ = lastLink_;
    (lastLink_ != nullptr ? lastLink_->next_ : firstLink_) = link;
    lastLink_ = link;
    ++linkCount_;
    return link;
}

void CAOVGraph::RemoveLink(CAOVLink* link) {
    UnlinkFrom(link->right->inputLinks, link, &CAOVLink::nextInput);
    UnlinkFrom(link->left->outputLinks, link, &CAOVLink::nextOutput);
    (link->prev_ != nullptr ? link->prev_->next_ : firstLink_) = link->next_;
    (link->next_ != nullptr ? link->next_->prev_ : lastLink_) = link->prev_;
    --linkCount_;
    Destroy(freeLinks_, link);
}

void CAOVGraph::ComputeDegrees() {
    for (CAOVNode* node = firstNode_; node != nullptr; node = node->next_) {
        int inputs = 0;
        for (CAOVLink* l = node->inputLinks; l != nullptr; l = l->nextInput) {
            ++inputs;
        }
        int outputs = 0;
        for (CAOVLink* l = node->outputLinks; l != nullptr; l = l->nextOutput) {
            ++outputs;
        }
        node->inDegree = node->pendingInputs = inputs;
        node->outDegree = node->pendingOutputs = outputs;
    }
}

void CAOVGraph::NumberNodes() {
    int position = 0;
    for (CAOVNode* node = firstNode_; node != nullptr; node = node->next_) {
        node->position = position++;
    }
}

}  // namespace varno
