#include "project_picture.h"

namespace varno::test {

void DrawProject(CLadderList& programs, const std::vector<CProgramPicture>& pictures) {
    programs.DeleteAll();
    for (const CProgramPicture& picture : pictures) {
        programs.AddSorted(LadderFromPicture(picture.rows, picture.name));
    }
}

CProgramPicture Subprogram(const std::string& name, const CPicture& body) {
    CPicture rows = {"[SP:" + name + "] # # # ...", ""};
    rows.insert(rows.end(), body.begin(), body.end());
    rows.push_back("[SPE] # # ...");
    rows.push_back("");
    return CProgramPicture{name, rows};
}

}  // namespace varno::test
