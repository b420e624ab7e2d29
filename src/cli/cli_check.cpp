#include "cli/cli_check.h"

#include <ostream>

#include "check/diagnostics.h"
#include "cli/cli.h"
#include "cli/cli_common.h"
#include "cli/cli_services.h"
#include "platform/codepage.h"

namespace varno {

int CliCheckProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool werror = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--werror") {
            werror = true;
        } else {
            files.push_back(arg);
        }
    }
    if (auto failed = CheckArguments(files, 1, "check", "exactly one project file", err)) {
        return *failed;
    }
    CStreamMessages messages(err);
    CVARNOApp app(messages);
    if (auto failed = OpenCliProject(app, files[0], err)) {
        return *failed;
    }
    if (auto failed = CheckLadderFileRead(app, err)) {
        return *failed;
    }
    const CCheckResult result = CheckProject(app.Programs());
    for (const CFinding& finding : result.findings) {
        out << GbkToUtf8(FindingText(result, finding)) << "\n";
    }
    out << GbkToUtf8(CheckSummaryText(result)) << "\n";
    return CheckFailed(result, werror) ? EXIT_FAILED : EXIT_OK;
}

}  // namespace varno
