// The command-line tool: the core without a window, for builds, scripts and tests.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varno {

// Exit statuses.
inline constexpr int EXIT_OK = 0;
inline constexpr int EXIT_FAILED = 1;  // the command ran and found errors
inline constexpr int EXIT_USAGE = 2;   // bad usage, or a file that cannot be read or written

// Runs the tool on its arguments (without the program name). Texts go out as UTF-8.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varno
