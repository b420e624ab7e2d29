// Message boxes and beeps. The desktop application shows real boxes, the command-line tool
// writes to standard error, tests record the calls and answer from a script.
#pragma once

#include <string>

#include "platform/string_table.h"

namespace varno {

enum class MbIcon { None, Error, Warning, Information, Question };
enum class MbButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MbAnswer { Ok, Cancel, Yes, No };
enum class BeepKind { Exclamation, Error };

class IMessageService {
public:
    virtual ~IMessageService() = default;
    // Caption and text are GBK bytes.
    virtual MbAnswer ShowMessage(const std::string& caption, const std::string& text, MbIcon icon,
                                 MbButtons buttons) = 0;
    virtual void Beep(BeepKind kind) = 0;

    MbAnswer ShowMessage(StrId caption, StrId text, MbIcon icon,
                         MbButtons buttons = MbButtons::Ok) {
        return ShowMessage(LoadString(caption), LoadString(text), icon, buttons);
    }
};

}  // namespace varno
