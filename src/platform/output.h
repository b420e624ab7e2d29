// Output lines: where compile reports and tool messages go. The desktop application's output
// bar, the command-line tool's standard output, a recording fake in tests.
#pragma once

#include <string>
#include <type_traits>

#include "platform/codepage.h"
#include "platform/string_table.h"

namespace varno {

class IOutput {
public:
    virtual ~IOutput() = default;
    // Appends one line (GBK bytes, without line end).
    virtual void AppendLine(const std::string& line) = 0;
    virtual void ClearOutput() = 0;

    // The text of a string-table entry formatted with printf rules, as one line.
    template <class... Args>
    void OutputMessage(StrId id, Args... args) {
        static_assert((IsFormatArg<Args>() && ...), "pass numbers or C strings");
        AppendLine(Format(LoadString(id).c_str(), args...));
    }
    // A format text formatted with printf rules, as one line.
    template <class... Args>
    void OutputText(const char* format, Args... args) {
        static_assert((IsFormatArg<Args>() && ...), "pass numbers or C strings");
        AppendLine(Format(format, args...));
    }

private:
    template <class T>
    static constexpr bool IsFormatArg() {
        return std::is_arithmetic_v<T> || std::is_same_v<T, const char*> ||
               std::is_same_v<T, char*>;
    }
};

}  // namespace varno
