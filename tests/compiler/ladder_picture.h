// Ladders drawn as text for the compiler's tests, and the compiled instructions written back in
// the same short names.
//
// One string per row, cells separated by blanks; a row with fewer than eight cells is empty to
// the right, and "..." stands for as many wires as make the row eight cells long.
//   .          empty cell              -        horizontal wire
//   A .. W     contact RD on X0000.0, X0000.1, ... (A is bit 0, I is X0001.0)
//   /A  P:A  N:A   contact RD.NOT, RDPT, RDNT;  an address such as X10.3 instead of a letter
//   (Y) (Y1)   coil WRT on Y0000.0, Y0000.1 (any address too); (/Y) (S:Y) (R:Y) WRT.NOT, SET, RST
//   [TMR:1]    block head with its operands (comma-separated, addresses or numbers)
//   #          a cell inside a block's area      >    a block's control-input cell
//   |x         the cell x with its vertical-line flag (joined to the row above)
// A string starting with "//" is a comment row.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "compiler/error_list.h"
#include "compiler/ldcmd_list.h"
#include "model/ladder.h"

namespace varno::test {

using CPicture = std::vector<std::string>;

// Builds the ladder; a picture the model refuses fails the current test.
std::unique_ptr<CLadder> LadderFromPicture(const CPicture& picture,
                                           const std::string& name = "LEVEL1");

// The instructions in the picture's names: "RD A", "AND.STK", "WRT Y1", "TMR", and an operand
// record as "(1)" or "(R0100)".
std::vector<std::string> Listing(const CLDCmdList& cmds);

struct CCompiled {
    bool ok = false;
    std::vector<std::string> listing;
    std::vector<CErrorInfo> errors;
};

// Compiles the picture as one program named LEVEL1.
CCompiled CompilePicture(const CPicture& picture);

}  // namespace varno::test

namespace varno {
// Readable failure messages.
void PrintTo(const CErrorInfo& error, std::ostream* os);
}  // namespace varno
