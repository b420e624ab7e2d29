#include "comments/comment_watch.h"

#include <algorithm>

namespace varno {

CCommentSubscription& CCommentSubscription::operator=(CCommentSubscription&& other) noexcept {
    if (this != &other) {
        Cancel();
        watchers_ = std::move(other.watchers_);
        id_ = other.id_;
        other.id_ = 0;
    }
    return *this;
}

void CCommentSubscription::Cancel() {
    if (auto watchers = watchers_.lock()) {
        watchers->Unsubscribe(id_);
    }
    watchers_.reset();
    id_ = 0;
}

CCommentSubscription CCommentWatchers::Subscribe(std::function<void()> listener) {
    const int id = nextId_++;
    listeners_.push_back({id, std::move(listener)});
    return CCommentSubscription(weak_from_this(), id);
}

void CCommentWatchers::Unsubscribe(int id) {
    std::erase_if(listeners_, [id](const Listener& l) { return l.id == id; });
}

void CCommentWatchers::Changed() {
    if (batchDepth_ > 0) {
        pending_ = true;
        return;
    }
    // A listener may subscribe or cancel while it is told: walk a copy, and skip one that
    // was cancelled by an earlier listener.
    const std::vector<Listener> listeners = listeners_;
    for (const Listener& listener : listeners) {
        const bool live = std::any_of(listeners_.begin(), listeners_.end(),
                                      [&](const Listener& l) { return l.id == listener.id; });
        if (live) {
            listener.call();
        }
    }
}

void CCommentWatchers::EndBatch() {
    if (batchDepth_ > 0 && --batchDepth_ == 0 && pending_) {
        pending_ = false;
        Changed();
    }
}

}  // namespace varno
