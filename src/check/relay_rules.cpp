#include <algorithm>
#include <array>

#include "check/check_rules.h"

namespace varno {

namespace {

// Bits 0..7 of a byte, and the byte address itself, for the relays reported once each.
constexpr std::uint16_t WHOLE_BYTE = 0x100;

// The bits a use touches in each byte it spans.
std::uint8_t BitMask(const LDADDR& address) {
    if (address.bit < 0) {
        return 0xFF;
    }
    return address.bit <= 7 ? static_cast<std::uint8_t>(1u << address.bit) : 0;
}

struct CSpan {
    std::size_t first;
    std::size_t end;
    std::uint8_t mask;
};

CSpan SpanOf(const CAddressUse& use) {
    const std::size_t first = use.address.number;
    const std::size_t width = use.address.bit < 0 ? std::max<std::size_t>(use.width, 1) : 1;
    return CSpan{first, std::min(first + width, RELAY_BYTES), BitMask(use.address)};
}

bool Touches(const std::vector<std::uint8_t>& bits, const CSpan& span) {
    for (std::size_t b = span.first; b < span.end; ++b) {
        if ((bits[b] & span.mask) != 0) {
            return true;
        }
    }
    return false;
}

void Mark(std::vector<std::uint8_t>& bits, const CSpan& span) {
    for (std::size_t b = span.first; b < span.end; ++b) {
        bits[b] |= span.mask;
    }
}

// True the first time an address is asked about.
bool FirstTime(std::vector<std::uint16_t>& reported, const LDADDR& address) {
    const std::uint16_t flag =
        address.bit < 0 ? WHOLE_BYTE : static_cast<std::uint16_t>(1u << address.bit);
    std::uint16_t& seen = reported[address.number];
    const bool first = (seen & flag) == 0;
    seen |= flag;
    return first;
}

CFinding Finding(const CAddressUse& use, Severity severity, CheckRule rule) {
    CFinding finding;
    finding.at = use.at;
    finding.severity = severity;
    finding.rule = rule;
    finding.subject = AddressSubject(use.address);
    return finding;
}

}  // namespace

void AddRelayFindings(const std::vector<CRuleUses>& parts, std::vector<CFinding>& findings) {
    std::vector<std::uint8_t> read(RELAY_BYTES, 0);
    std::vector<std::uint8_t> written(RELAY_BYTES, 0);
    for (const CRuleUses& part : parts) {
        for (const CAddressUse& use : part.relays) {
            const CSpan span = SpanOf(use);
            if (Reads(use.access)) {
                Mark(read, span);
            }
            if (Writes(use.access)) {
                Mark(written, span);
            }
        }
    }
    std::vector<std::uint16_t> readReported(RELAY_BYTES, 0);
    std::vector<std::uint16_t> writeReported(RELAY_BYTES, 0);
    for (const CRuleUses& part : parts) {
        for (const CAddressUse& use : part.relays) {
            if (BitMask(use.address) == 0) {
                continue;
            }
            const CSpan span = SpanOf(use);
            if (Reads(use.access) && !Touches(written, span) &&
                FirstTime(readReported, use.address)) {
                findings.push_back(Finding(use, Severity::Warning, CheckRule::ReadNeverWritten));
            }
            if (Writes(use.access) && !Touches(read, span) &&
                FirstTime(writeReported, use.address)) {
                findings.push_back(Finding(use, Severity::Note, CheckRule::WrittenNeverRead));
            }
        }
    }
}

}  // namespace varno
