#include "cli/cli_project.h"

#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_common.h"
#include "cli/cli_services.h"
#include "compiler/compile_command.h"
#include "params/param_doc.h"
#include "platform/codepage.h"
#include "project/varno_app.h"

namespace varno {

namespace {

// The file dialog added the default extension to a name typed without one.
std::string WithProjectExtension(const std::string& path) {
    std::filesystem::path p(path);
    return p.has_extension() ? path : path + ".KPJ";
}

}  // namespace

int CliNewProject(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    bool force = false;
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        if (arg == "--force") {
            force = true;
        } else if (arg.starts_with("--")) {
            return CliUsage(err, "new: unknown option '" + arg + "'");
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 1) {
        return CliUsage(err, "new: give exactly one project file");
    }
    const std::string path = WithProjectExtension(paths[0]);
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !force) {
        return CliFail(err, path + " exists; use --force to create the project over it");
    }

    CStreamMessages messages(err);
    CVARNOApp app(messages);
    if (!app.OpenProject(path, true)) {
        return CliFail(err, GbkToUtf8(LoadString(IDS_NEW_PROJECT_FAILED)) + " " + path);
    }
    std::string error;
    if (!app.SaveProject(&error)) {
        return CliFail(err, error);
    }
    // The New command leaves the parameter file to the parameter window, which writes the
    // default tables when it finds none; a file that is there already keeps its values.
    const std::string paramPath = app.GetFullPath(app.Files().param);
    if (!std::filesystem::exists(paramPath, ec)) {
        CParamDoc params(&app.Comments());
        if (!params.Save(paramPath, &error)) {
            return CliFail(err, error);
        }
    }
    return EXIT_OK;
}

int CliCompileProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (auto failed = CheckArguments(args, 1, "compile", "exactly one project file", err)) {
        return *failed;
    }
    CStreamMessages messages(err);
    CStreamOutput output(out);
    CVARNOApp& app = AppUntilExit(messages);
    if (auto failed = OpenCliProject(app, args[0], err)) {
        return *failed;
    }
    if (auto failed = CheckLadderFileRead(app, err)) {
        return *failed;
    }
    try {
        CCompileOutcome outcome = RunCompileCommand(
            app.Programs(), app.GetFullPath(app.Files().instruct), output, messages);
        return outcome.compiled ? EXIT_OK : EXIT_FAILED;
    } catch (const CFileException& e) {
        return CliFail(err, e.what());
    }
}

}  // namespace varno
