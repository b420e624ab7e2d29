// varnoc edit PROJECT.KPJ SCRIPT: runs the ladder editor on the project, driven by a script.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varno {

// EXIT_OK when the script ran to its end; EXIT_USAGE for a line that cannot be parsed (its
// number goes to err and nothing after it runs), a save that failed, a project or script that
// cannot be read, or wrong arguments. Message boxes and state lines go to out.
int CliEdit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varno
