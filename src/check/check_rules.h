// The project-wide rules of the check, each adding its findings in project order; the check
// sorts them afterwards.
#pragma once

#include <string>
#include <vector>

#include "check/address_use.h"
#include "check/diagnostics.h"

namespace varno {

// An address as the subject of a finding.
CLDCmd AddressSubject(const LDADDR& address);

// Calls and jumps the linker would leave unresolved, and subprograms no call reaches from the
// main programs. `programs` are the names by program index.
void AddLinkFindings(const std::vector<std::string>& programs, const std::vector<CLinkBlock>& links,
                     std::vector<CFinding>& findings);

// Coils writing an address twice, coils mixed with SET/RST, SET without RST and RST without SET.
void AddCoilFindings(const std::vector<CAddressUse>& uses, std::vector<CFinding>& findings);

// Internal relays read but never written, and written but never read.
void AddRelayFindings(const std::vector<CAddressUse>& uses, std::vector<CFinding>& findings);

}  // namespace varno
