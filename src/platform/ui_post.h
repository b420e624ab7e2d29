// Handing work to the user-interface thread. A worker thread never touches windows or
// documents itself: it posts a task, and the user-interface thread runs it later from its event
// loop. The desktop application queues the task on its event loop; tests pump a queue of their
// own.
#pragma once

#include <functional>

namespace varno {

class IUiPost {
public:
    virtual ~IUiPost() = default;
    // May be called from any thread. The task runs on the user-interface thread, after the
    // tasks posted before it; never inside Post.
    virtual void Post(std::function<void()> task) = 0;
};

}  // namespace varno
