#include "cli/cli.h"

#include <ostream>

#include "cli/cli_check.h"
#include "cli/cli_common.h"
#include "cli/cli_edit.h"
#include "cli/cli_export_svg.h"
#include "cli/cli_project.h"
#include "cli/cli_target.h"
#include "cli/cli_xref.h"
#include "platform/string_table.h"

namespace varno {

namespace {

constexpr const char* VERSION_TEXT = "varnoc 3.3.2";

constexpr const char* HELP_TEXT =
    "Usage: varnoc [--lang en|zh] COMMAND [ARGUMENTS]\n"
    "\n"
    "The ladder programming environment without a window.\n"
    "\n"
    "Commands:\n"
    "  new [--force] PROJECT.KPJ   create a project and save all its files\n"
    "  compile PROJECT.KPJ         compile all programs, write the instruction file\n"
    "  build PROJECT.KPJ           compile, link and write the target file (ROM NAME)\n"
    "  import PROJECT.KPJ FILE.PLC replace the project's programs, comments, parameters\n"
    "                              and version information by those of a target file\n"
    "  edit PROJECT.KPJ SCRIPT     run the ladder editor on the project from a script\n"
    "  check [--werror] PROJECT.KPJ\n"
    "                              list every problem of every program; exit 1 on an\n"
    "                              error (with --werror also on a warning)\n"
    "  xref [--csv] PROJECT.KPJ [PATTERN]\n"
    "                              every use of every address (or of those PATTERN picks:\n"
    "                              R0005.1, R0005.*, R00*, a symbol), as text or CSV\n"
    "  export-svg PROJECT.KPJ PROGRAM OUT.svg\n"
    "                              draw a program's ladder as SVG\n"
    "  export-svg --pages PROJECT.KPJ PROGRAM OUTDIR\n"
    "                              one SVG per printed A4 page (page-001.svg, ...)\n"
    "\n"
    "Options:\n"
    "  --lang en|zh   edition of the messages (default: from the locale)\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "Exit status: 0 success, 1 the command found errors (for example compile or link\n"
    "errors, or a project too large for the target file), 2 usage or file errors.\n";

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Lang lang = LanguageFromEnvironment();
    std::size_t i = 0;
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            out << HELP_TEXT;
            return EXIT_OK;
        }
        if (arg == "--version") {
            out << VERSION_TEXT << "\n";
            return EXIT_OK;
        }
        if (arg == "--lang" || arg.starts_with("--lang=")) {
            std::string value;
            if (arg == "--lang") {
                if (++i == args.size()) {
                    return CliUsage(err, "--lang needs a value: en or zh");
                }
                value = args[i];
            } else {
                value = arg.substr(7);
            }
            auto parsed = ParseLanguage(value);
            if (!parsed) {
                return CliUsage(err, "unknown language '" + value + "': use en or zh");
            }
            lang = *parsed;
            continue;
        }
        return CliUsage(err, "unknown option '" + arg + "'");
    }
    SetLanguage(lang);
    if (i == args.size()) {
        return CliUsage(err, "no command given");
    }
    const std::string& command = args[i];
    const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                        args.end());
    if (command == "new") {
        return CliNewProject(rest, out, err);
    }
    if (command == "compile") {
        return CliCompileProject(rest, out, err);
    }
    if (command == "build") {
        return CliBuildProject(rest, out, err);
    }
    if (command == "import") {
        return CliImportProject(rest, out, err);
    }
    if (command == "edit") {
        return CliEdit(rest, out, err);
    }
    if (command == "check") {
        return CliCheckProject(rest, out, err);
    }
    if (command == "xref") {
        return CliCrossReference(rest, out, err);
    }
    if (command == "export-svg") {
        return CliExportSvg(rest, out, err);
    }
    return CliUsage(err, "unknown command '" + command + "'");
}

}  // namespace varno
