// The project-wide rules of the check, each adding its findings in project order; the check
// sorts them afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "check/address_use.h"
#include "check/diagnostics.h"

namespace varno {

// A coil as the coil rules need it.
struct CCoil {
    LDADDR address;
    CCellRef at;
    std::uint8_t code = 0;
};

// What the coil and relay rules need of some rows: their coils, and their uses of internal
// relays R0000..R7999, each in project order. Picked out while the rows are compiled, so that
// the rules, which look at the whole project at once, read short compact lists.
struct CRuleUses {
    std::vector<CCoil> coils;
    std::vector<CAddressUse> relays;
};

// R0000..R7999: the relays the program itself is expected to drive.
inline constexpr std::size_t RELAY_BYTES = 8000;

inline bool IsInternalRelay(const LDADDR& address) {
    return address.letter == 'R' && address.number < RELAY_BYTES;
}

// Appends the coils and the relay uses in rows [first, end) of one program, and its linked
// blocks there.
void CollectRuleUses(const CLadder& ladder, std::uint32_t program, std::size_t first,
                     std::size_t end, CRuleUses& picked, std::vector<CLinkBlock>& links);

// An address as the subject of a finding.
CLDCmd AddressSubject(const LDADDR& address);

// Calls and jumps the linker would leave unresolved, and subprograms no call reaches from the
// main programs. `programs` are the names by program index.
void AddLinkFindings(const std::vector<std::string>& programs, const std::vector<CLinkBlock>& links,
                     std::vector<CFinding>& findings);

// Coils writing an address twice, coils mixed with SET/RST, SET without RST and RST without SET.
// `parts` in project order. The findings come out sorted by place.
void AddCoilFindings(const std::vector<CRuleUses>& parts, std::vector<CFinding>& findings);

// Internal relays read but never written, and written but never read.
void AddRelayFindings(const std::vector<CRuleUses>& parts, std::vector<CFinding>& findings);

}  // namespace varno
