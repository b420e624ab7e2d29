// Tasks posted from any thread run on the user-interface thread's event loop, in order.
#pragma once

#include <QCoreApplication>
#include <QMetaObject>

#include "platform/ui_post.h"

namespace varno {

class CQtUiPost final : public IUiPost {
public:
    void Post(std::function<void()> task) override {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task),
                                  Qt::QueuedConnection);
    }
};

}  // namespace varno
