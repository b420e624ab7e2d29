// What the commands of the command-line tool share: how they report a failure or a usage error,
// how they check their arguments, and how they open the project they work on.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "project/varno_app.h"

namespace varno {

// "varnoc: MESSAGE" on err; returns EXIT_USAGE.
int CliFail(std::ostream& err, const std::string& message);
// The same, followed by the pointer to --help.
int CliUsage(std::ostream& err, const std::string& message);

// Each check below answers nothing when all is well, and the exit status (its reason already on
// err) when the command cannot go on.

// Exactly `count` arguments, none of them an option; `what` says what to give.
std::optional<int> CheckArguments(const std::vector<std::string>& args, std::size_t count,
                                  const std::string& command, const std::string& what,
                                  std::ostream& err);
// A project for a command after which the process ends. It is never freed (it stays reachable
// until exit): freeing a large project row by row would take longer than the rest of the exit.
CVARNOApp& AppUntilExit(IMessageService& messages);

// Opens an existing project; `loaded` receives the ladder file's rows as read.
std::optional<int> OpenCliProject(CVARNOApp& app, const std::string& path, std::ostream& err,
                                  CLoadedRows* loaded = nullptr);
// The project's ladder file is there and was read whole: what could be read of a damaged or
// missing ladder file is not the project's program, and compiling it would report success.
std::optional<int> CheckLadderFileRead(const CVARNOApp& app, std::ostream& err);

}  // namespace varno
