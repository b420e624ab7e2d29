#include "check/cell_ref_text.h"

#include "platform/codepage.h"

namespace varno {

const std::string& ProgramName(const std::vector<std::string>& programs, const CCellRef& at) {
    static const std::string NONE;
    return at.program < programs.size() ? programs[at.program] : NONE;
}

std::string CellRefText(const std::vector<std::string>& programs, const CCellRef& at) {
    const std::string& name = ProgramName(programs, at);
    return at.column < 0 ? Format("%s:%d", name.c_str(), at.row)
                         : Format("%s:%d:%d", name.c_str(), at.row, at.column);
}

}  // namespace varno
