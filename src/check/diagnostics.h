// The check of a whole project: every problem of every program in one list.
//
// Each program is compiled on its own, so that a program that fails does not hide the next one;
// every error the compiler records is an error here, labelled with its own program. The other
// rules look at the whole project at once:
//   error    a CALL or CALLU whose subprogram, or a JMPB whose label, the linker would not find;
//   warning  an address written by more than one WRT / WRT.NOT coil; an address written by such
//            a coil and also set or reset; an address set but never reset, or reset but never
//            set; an internal relay R0000..R7999 read (by a contact or an operand) but written
//            by no coil and no operand;
//   note     a subprogram no CALL or CALLU reaches from LEVEL1 or LEVEL2; an internal relay
//            written but never read.
// X and F come from the machine, R9000 and up from the system, and K, D, T and C from the
// parameters: only R0000..R7999 is expected to be written by the program itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "check/address_use.h"
#include "model/ladder_list.h"

namespace varno {

enum class Severity : std::uint8_t { Error, Warning, Note };

enum class CheckRule : std::uint8_t {
    Compile,              // kind: the compiler's error kind
    UndefinedSubprogram,  // subject: the CALL's operand
    UndefinedLabel,       // subject: the JMPB's operand
    CoilWrittenTwice,     // other: the first coil
    CoilAndSetReset,      // other: the first WRT / WRT.NOT coil
    SetWithoutReset,      // at the first SET
    ResetWithoutSet,      // at the first RST
    ReadNeverWritten,     // at the first read
    UncalledSubprogram,   // at its SP block (column -1 without one)
    WrittenNeverRead,     // at the first write
};

struct CFinding {
    CCellRef at;  // column -1 when only the row is known
    Severity severity = Severity::Error;
    CheckRule rule = CheckRule::Compile;
    int kind = 0;
    CLDCmd subject;  // the address (an address operand record, bit kept) or the operand named
    CCellRef other;  // a second place the finding refers to
};

struct CCheckResult {
    std::vector<std::string> programs;  // names by program index (GBK)
    // Sorted by program order, then row, then column; equal places keep the order of the rules
    // above.
    std::vector<CFinding> findings;
    std::size_t errors = 0;
    std::size_t warnings = 0;
    std::size_t notes = 0;
};

// Checks every program. Compiling leaves the cells' node slots behind as scratch, nothing else.
CCheckResult CheckProject(CLadderList& programs);

// Whether the check fails a build: an error, or with warningsFail also a warning.
bool CheckFailed(const CCheckResult& result, bool warningsFail);

// "LEVEL1:12:3: warning: R0005.1 is read but never written" in the running edition (GBK); the
// column is left out where it is not known. Rows and columns count from 0, as the ladder
// view's line numbers do.
std::string FindingText(const CCheckResult& result, const CFinding& finding);
// The text alone, without place and severity: "R0005.1 is read but never written".
std::string FindingMessage(const CCheckResult& result, const CFinding& finding);
// "N errors, M warnings, K notes".
std::string CheckSummaryText(const CCheckResult& result);

}  // namespace varno
