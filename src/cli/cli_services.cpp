#include "cli/cli_services.h"

#include "platform/codepage.h"

namespace varno {

MbAnswer CStreamMessages::ShowMessage(const std::string& caption, const std::string& text, MbIcon,
                                      MbButtons buttons) {
    err_ << "varnoc: " << GbkToUtf8(caption) << ": " << GbkToUtf8(text) << "\n";
    switch (buttons) {
        case MbButtons::Ok:
            return MbAnswer::Ok;
        case MbButtons::YesNo:
            return MbAnswer::No;
        case MbButtons::OkCancel:
        case MbButtons::YesNoCancel:
            break;
    }
    return MbAnswer::Cancel;
}

void CStreamOutput::AppendLine(const std::string& line) {
    out_ << GbkToUtf8(line) << "\n";
}

}  // namespace varno
