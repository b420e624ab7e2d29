// Runs the command-line tool in the test's process and keeps what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace varno::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

inline CliResult RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace varno::test
