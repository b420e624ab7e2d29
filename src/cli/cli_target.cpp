#include "cli/cli_target.h"

#include <ostream>

#include "cli/cli.h"
#include "cli/cli_common.h"
#include "cli/cli_services.h"
#include "model/ladder_file.h"
#include "platform/codepage.h"
#include "project/varno_app.h"
#include "target/generate_rom.h"
#include "target/target_import.h"

namespace varno {

int CliBuildProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (auto failed = CheckArguments(args, 1, "build", "exactly one project file", err)) {
        return *failed;
    }
    CStreamMessages messages(err);
    CStreamOutput output(out);
    CVARNOApp& app = AppUntilExit(messages);
    CLoadedRows loaded;
    if (auto failed = OpenCliProject(app, args[0], err, &loaded)) {
        return *failed;
    }
    if (auto failed = CheckLadderFileRead(app, err)) {
        return *failed;
    }
    CRomBuild build = ProjectRomBuild(app);
    // Nothing changes the programs between reading and building.
    build.loadedRows = &loaded;
    const CRomOutcome outcome = RunGenerateRom(build, output, messages);
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
    return CliFail(err, GbkToUtf8(outcome.reason));
}

int CliImportProject(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (auto failed = CheckArguments(args, 2, "import", "a project file and a target file", err)) {
        return *failed;
    }
    CStreamMessages messages(err);
    CStreamOutput output(out);
    CVARNOApp app(messages);
    if (auto failed = OpenCliProject(app, args[0], err)) {
        return *failed;
    }
    return ImportTargetFile(app, args[1], output) == ImportResult::Imported ? EXIT_OK : EXIT_USAGE;
}

}  // namespace varno
