// What the function dialog shows and answers: the place of a pre-selected instruction in the
// "All" category, the description under the two lists and the instruction number chosen.
// Positions are 0-based; -1 stands for no selection.
#pragma once

#include <string>

namespace varno {

// The position of the instruction in "All" (category 0); -1 when it is not listed there.
int FuncChoicePosition(int number);
// The instruction number at the position of the category; 0 when there is none.
int FuncChoiceNumber(int category, int position);
// The catalog description (GBK) of the instruction at the position, or of the category's
// first instruction when position is -1; "Undefined function" when that instruction has no
// descriptor, empty when the category does not exist.
std::string FuncChoiceDescription(int category, int position);

}  // namespace varno
