#include "cli/cli_xref.h"

#include <ostream>

#include "check/cross_reference.h"
#include "cli/cli.h"
#include "cli/cli_common.h"
#include "cli/cli_services.h"
#include "platform/codepage.h"
#include "platform/strings/check.h"

namespace varno {

int CliCrossReference(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool csv = false;
    std::vector<std::string> rest;
    for (const std::string& arg : args) {
        if (arg == "--csv") {
            csv = true;
        } else {
            rest.push_back(arg);
        }
    }
    const std::size_t given = rest.size() == 2 ? 2 : 1;
    if (auto failed =
            CheckArguments(rest, given, "xref", "a project file and at most one pattern", err)) {
        return *failed;
    }
    CStreamMessages messages(err);
    CVARNOApp app(messages);
    if (auto failed = OpenCliProject(app, rest[0], err)) {
        return *failed;
    }
    if (auto failed = CheckLadderFileRead(app, err)) {
        return *failed;
    }
    const CAddressPattern pattern(given == 2 ? Utf8ToGbk(rest[1]) : std::string());
    const CCrossReference xref = BuildCrossReference(app.Programs(), app.Comments(), pattern);
    if (csv) {
        out << GbkToUtf8(CrossReferenceCsv(xref));
    } else {
        for (const std::string& line : CrossReferenceLines(xref)) {
            out << GbkToUtf8(line) << "\n";
        }
    }
    if (xref.addresses.empty() && !pattern.MatchesAll()) {
        err << "varnoc: "
            << GbkToUtf8(Format(LoadString(IDS_XREF_NO_MATCH).c_str(), pattern.Text().c_str()))
            << "\n";
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

}  // namespace varno
