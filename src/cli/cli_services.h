// The platform interfaces for the command-line tool: message boxes become lines on standard
// error, output lines go to standard output, both converted from GBK to UTF-8.
#pragma once

#include <ostream>

#include "platform/message_service.h"
#include "platform/output.h"

namespace varno {

class CStreamMessages final : public IMessageService {
public:
    explicit CStreamMessages(std::ostream& err) : err_(err) {}
    // Writes "varnoc: CAPTION: TEXT". Nobody is there to answer: a question is answered
    // Cancel, or No when there is no Cancel, so that nothing happens without consent.
    MbAnswer ShowMessage(const std::string& caption, const std::string& text, MbIcon icon,
                         MbButtons buttons) override;
    using IMessageService::ShowMessage;
    void Beep(BeepKind) override {}

private:
    std::ostream& err_;
};

class CStreamOutput final : public IOutput {
public:
    explicit CStreamOutput(std::ostream& out) : out_(out) {}
    void AppendLine(const std::string& line) override;
    // Lines already printed stay; a clear only matters to a window.
    void ClearOutput() override {}

private:
    std::ostream& out_;
};

}  // namespace varno
