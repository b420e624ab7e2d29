#include "cli/cli_target.h"

#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_services.h"
#include "platform/codepage.h"
#include "project/varno_app.h"
#include "target/generate_rom.h"
#include "target/target_import.h"

namespace varno {

namespace {

int Fail(std::ostream& err, const std::string& message) {
    err << "varnoc: " << message << "\n";
    return EXIT_USAGE;
}

int Usage(std::ostream& err, const std::string& message) {
    err << "varnoc: " << message << "\nTry 'varnoc --help' for more information.\n";
    return EXIT_USAGE;
}

// The arguments when there are exactly `count` and none is an option.
bool TakeArguments(const std::vector<std::string>& args, std::size_t count, const char* command,
                   const char* what, std::ostream& err, int& status) {
    for (const std::string& arg : args) {
        if (arg.starts_with("--")) {
            status = Usage(err, std::string(command) + ": unknown option '" + arg + "'");
            return false;
        }
    }
    if (args.size() != count) {
        status = Usage(err, std::string(command) + ": give " + what);
        return false;
    }
    return true;
}

}  // namespace

int CliBuildProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int status = EXIT_OK;
    if (!TakeArguments(args, 1, "build", "exactly one project file", err, status)) {
        return status;
    }
    CStreamMessages messages(err);
    CStreamOutput output(out);
    CVARNOApp app(messages);
    if (!app.OpenProject(args[0], false)) {
        return Fail(err, GbkToUtf8(LoadString(IDS_OPEN_PROJECT_FAILED)) + " " + args[0]);
    }
    // A target file made from what could be read of a damaged or missing ladder file would
    // not hold the project's programs.
    const std::string ladderPath = app.GetFullPath(app.Files().ladder);
    std::error_code ec;
    if (app.WasUnreadable(CVARNOApp::LADDER_FILE) || !std::filesystem::exists(ladderPath, ec)) {
        return Fail(err, "cannot read the ladder file " + ladderPath);
    }
    const CRomOutcome outcome = RunGenerateRom(ProjectRomBuild(app), output, messages);
    switch (outcome.result) {
        case RomResult::Generated:
            return EXIT_OK;
        case RomResult::CompileFailed:
        case RomResult::LinkFailed:
        case RomResult::DoesNotFit:
            return EXIT_FAILED;
        case RomResult::FileError:
            break;
    }
    return Fail(err, GbkToUtf8(outcome.reason));
}

int CliImportProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int status = EXIT_OK;
    if (!TakeArguments(args, 2, "import", "a project file and a target file", err, status)) {
        return status;
    }
    CStreamMessages messages(err);
    CStreamOutput output(out);
    CVARNOApp app(messages);
    if (!app.OpenProject(args[0], false)) {
        return Fail(err, GbkToUtf8(LoadString(IDS_OPEN_PROJECT_FAILED)) + " " + args[0]);
    }
    return ImportTargetFile(app, args[1], output) == ImportResult::Imported ? EXIT_OK : EXIT_USAGE;
}

}  // namespace varno
