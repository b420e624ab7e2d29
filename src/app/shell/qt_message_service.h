// Message boxes and beeps on the desktop.
#pragma once

#include "platform/message_service.h"

class QWidget;

namespace varno {

class CQtMessageService final : public IMessageService {
public:
    explicit CQtMessageService(QWidget* parent) : parent_(parent) {}

    MbAnswer ShowMessage(const std::string& caption, const std::string& text, MbIcon icon,
                         MbButtons buttons) override;
    using IMessageService::ShowMessage;
    void Beep(BeepKind kind) override;

private:
    QWidget* parent_;
};

}  // namespace varno
