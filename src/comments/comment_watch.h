// Who wants to know when the element comments change: the ladder documents (symbols under
// contacts, comments beside the coils), the comment window and the workspace labels. A change
// made through the list's editing operations tells every listener once; a batch of changes
// tells them once at its end.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace varno {

class CCommentWatchers;

// A listener's registration; destroying it stops the calls. Outliving the list is harmless.
class CCommentSubscription {
public:
    CCommentSubscription() = default;
    CCommentSubscription(CCommentSubscription&&) = default;
    CCommentSubscription& operator=(CCommentSubscription&& other) noexcept;
    CCommentSubscription(const CCommentSubscription&) = delete;
    CCommentSubscription& operator=(const CCommentSubscription&) = delete;
    ~CCommentSubscription() { Cancel(); }

    void Cancel();

private:
    friend class CCommentWatchers;
    CCommentSubscription(std::weak_ptr<CCommentWatchers> watchers, int id)
        : watchers_(std::move(watchers)), id_(id) {}

    std::weak_ptr<CCommentWatchers> watchers_;
    int id_ = 0;
};

class CCommentWatchers : public std::enable_shared_from_this<CCommentWatchers> {
public:
    CCommentSubscription Subscribe(std::function<void()> listener);
    void Unsubscribe(int id);

    // Tells every listener, or, inside a batch, notes that the batch must tell them.
    void Changed();
    void BeginBatch() { ++batchDepth_; }
    void EndBatch();

private:
    struct Listener {
        int id;
        std::function<void()> call;
    };
    std::vector<Listener> listeners_;
    int nextId_ = 1;
    int batchDepth_ = 0;
    bool pending_ = false;
};

}  // namespace varno
