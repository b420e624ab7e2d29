#include "cli/cli_common.h"

#include <filesystem>
#include <memory>
#include <ostream>

#include "cli/cli.h"
#include "platform/codepage.h"

namespace varno {

int CliFail(std::ostream& err, const std::string& message) {
    err << "varnoc: " << message << "\n";
    return EXIT_USAGE;
}

int CliUsage(std::ostream& err, const std::string& message) {
    err << "varnoc: " << message << "\nTry 'varnoc --help' for more information.\n";
    return EXIT_USAGE;
}

std::optional<int> CheckArguments(const std::vector<std::string>& args, std::size_t count,
                                  const std::string& command, const std::string& what,
                                  std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg.starts_with("--")) {
            return CliUsage(err, command + ": unknown option '" + arg + "'");
        }
    }
    if (args.size() != count) {
        return CliUsage(err, command + ": give " + what);
    }
    return std::nullopt;
}

CVARNOApp& AppUntilExit(IMessageService& messages) {
    static auto* apps = new std::vector<std::unique_ptr<CVARNOApp>>;
    return *apps->emplace_back(std::make_unique<CVARNOApp>(messages));
}

std::optional<int> OpenCliProject(CVARNOApp& app, const std::string& path, std::ostream& err,
                                  CLoadedRows* loaded) {
    if (!app.OpenProject(path, false, loaded)) {
        return CliFail(err, GbkToUtf8(LoadString(IDS_OPEN_PROJECT_FAILED)) + " " + path);
    }
    return std::nullopt;
}

std::optional<int> CheckLadderFileRead(const CVARNOApp& app, std::ostream& err) {
    const std::string ladderPath = app.GetFullPath(app.Files().ladder);
    std::error_code ec;
    if (app.WasUnreadable(CVARNOApp::LADDER_FILE) || !std::filesystem::exists(ladderPath, ec)) {
        return CliFail(err, "cannot read the ladder file " + ladderPath);
    }
    return std::nullopt;
}

}  // namespace varno
