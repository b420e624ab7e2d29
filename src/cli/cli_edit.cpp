#include "cli/cli_edit.h"

#include <fstream>
#include <iterator>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_common.h"
#include "cli/edit_session.h"

namespace varno {

int CliEdit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || args[0].starts_with("--") || args[1].starts_with("--")) {
        return CliUsage(err, "edit takes a project file and a script");
    }
    const std::string& projectPath = args[0];
    const std::string& scriptPath = args[1];
    std::ifstream in(scriptPath, std::ios::binary);
    if (!in) {
        return CliFail(err, "cannot read the script " + scriptPath);
    }
    const std::string script((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    if (in.bad()) {
        return CliFail(err, "cannot read the script " + scriptPath);
    }

    CScriptMessages messages(out);
    CVARNOApp app(messages);
    if (auto failed = OpenCliProject(app, projectPath, err)) {
        return *failed;
    }
    CEditSession session(app, out);
    std::size_t start = 0;
    for (int number = 1; start < script.size(); ++number) {
        std::size_t end = script.find('\n', start);
        if (end == std::string::npos) {
            end = script.size();
        }
        const std::string_view line(script.data() + start, end - start);
        start = end + 1;
        std::string error;
        std::optional<std::vector<CScriptToken>> tokens = SplitScriptLine(line, error);
        if (tokens && tokens->empty()) {
            continue;
        }
        if (!tokens || session.Run(*tokens, error) != CEditSession::Result::Ok) {
            out.flush();
            return CliFail(err, scriptPath + ":" + std::to_string(number) + ": " + error);
        }
    }
    return EXIT_OK;
}

}  // namespace varno
