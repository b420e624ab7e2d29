// Fakes of the platform interfaces that record every call and answer from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_service.h"
#include "platform/output.h"

namespace varno::test {

class CRecordingMessages final : public IMessageService {
public:
    struct Box {
        std::string caption;  // GBK, as shown
        std::string text;
        MbIcon icon;
        MbButtons buttons;
    };

    MbAnswer ShowMessage(const std::string& caption, const std::string& text, MbIcon icon,
                         MbButtons buttons) override;
    using IMessageService::ShowMessage;
    void Beep(BeepKind kind) override { beeps.push_back(kind); }

    // Answers given to the next boxes, in order; once used up, Cancel (or OK for an OK box).
    std::deque<MbAnswer> answers;
    std::vector<Box> boxes;
    std::vector<BeepKind> beeps;
};

class CRecordingOutput final : public IOutput {
public:
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    void ClearOutput() override {
        lines.clear();
        ++clears;
    }

    std::vector<std::string> lines;
    int clears = 0;
};

}  // namespace varno::test
