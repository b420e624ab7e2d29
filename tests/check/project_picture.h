// Small projects drawn in the check's tests: programs as ladder pictures (see ladder_picture.h
// in the compiler's tests), added in the list's own order.
#pragma once

#include <string>
#include <vector>

#include "ladder_picture.h"
#include "model/ladder_list.h"

namespace varno::test {

struct CProgramPicture {
    std::string name;
    CPicture rows;
};

void DrawProject(CLadderList& programs, const std::vector<CProgramPicture>& pictures);

// A subprogram's frame: SP in rows 0..1, then the body, then SPE.
CProgramPicture Subprogram(const std::string& name, const CPicture& body);

}  // namespace varno::test
