#include <cstdint>
#include <limits>
#include <span>
#include <stdexcept>

#include "check/address_key.h"
#include "check/check_rules.h"
#include "check/stable_radix_sort.h"
#include "model/catalog.h"

namespace varno {

namespace {

constexpr std::uint32_t NONE = std::numeric_limits<std::uint32_t>::max();

bool IsWrite(std::uint8_t code) {
    return code == BASIC_WRT || code == BASIC_WRT_NOT;
}

CFinding Warning(const CCoil& coil, CheckRule rule, const CCellRef& other = {}) {
    CFinding finding;
    finding.at = coil.at;
    finding.severity = Severity::Warning;
    finding.rule = rule;
    finding.subject = AddressSubject(coil.address);
    finding.other = other;
    return finding;
}

// What each coil is told, by its index in project order: the first WRT / WRT.NOT coil of its
// address, and whether it is the first SET (RST) of an address nothing resets (sets).
struct CVerdicts {
    std::vector<std::uint32_t> firstWrite;
    std::vector<std::uint8_t> alone;
};

// One address's coils, their indices in project order. `codes` are the coils' codes by index,
// a list small enough to stay in the cache while the groups jump about in it.
void JudgeAddress(const std::vector<std::uint8_t>& codes, std::span<const std::uint32_t> group,
                  CVerdicts& verdicts) {
    std::uint32_t firstWrite = NONE;
    std::uint32_t firstSet = NONE;
    std::uint32_t firstReset = NONE;
    for (const std::uint32_t i : group) {
        const std::uint8_t code = codes[i];
        if (IsWrite(code)) {
            if (firstWrite == NONE) {
                firstWrite = i;
            }
        } else if (code == BASIC_SET && firstSet == NONE) {
            firstSet = i;
        } else if (code == BASIC_RST && firstReset == NONE) {
            firstReset = i;
        }
    }
    for (const std::uint32_t i : group) {
        verdicts.firstWrite[i] = firstWrite;
    }
    if (firstSet != NONE && firstReset == NONE) {
        verdicts.alone[firstSet] = 1;
    }
    if (firstReset != NONE && firstSet == NONE) {
        verdicts.alone[firstReset] = 1;
    }
}

}  // namespace

CLDCmd AddressSubject(const LDADDR& address) {
    CLDCmd subject;
    subject.kind = LDCMD_OPERAND;
    subject.code = LDOPD_ADDR;
    subject.SetAddress(address);
    return subject;
}

// The coils are grouped by address through a sort of (address key, index) pairs, which keeps
// each address's coils in project order; the findings are then written coil by coil in project
// order, which is also the order of their places.
void AddCoilFindings(const std::vector<CRuleUses>& parts, std::vector<CFinding>& findings) {
    std::vector<CCoil> coils;
    std::size_t count = 0;
    for (const CRuleUses& part : parts) {
        count += part.coils.size();
    }
    if (count >= NONE / 2) {
        throw std::length_error("too many coils to check");
    }
    coils.reserve(count);
    for (const CRuleUses& part : parts) {
        coils.insert(coils.end(), part.coils.begin(), part.coils.end());
    }
    // An address key has at most 33 bits and an index here at most 31.
    constexpr int INDEX_BITS = 31;
    std::vector<std::uint64_t> order(count);
    std::vector<std::uint8_t> codes(count);
    for (std::size_t i = 0; i < count; ++i) {
        order[i] = AddressKey(coils[i].address) << INDEX_BITS | i;
        codes[i] = coils[i].code;
    }
    StableRadixSort(order, [](std::uint64_t entry) { return entry >> INDEX_BITS; });
    std::vector<std::uint32_t> group;
    CVerdicts verdicts{std::vector<std::uint32_t>(count, NONE), std::vector<std::uint8_t>(count)};
    for (std::size_t first = 0; first < count;) {
        const std::uint64_t key = order[first] >> INDEX_BITS;
        group.clear();
        std::size_t end = first;
        for (; end < count && order[end] >> INDEX_BITS == key; ++end) {
            group.push_back(static_cast<std::uint32_t>(order[end] & ((1u << INDEX_BITS) - 1)));
        }
        JudgeAddress(codes, group, verdicts);
        first = end;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const CCoil& coil = coils[i];
        const std::uint32_t firstWrite = verdicts.firstWrite[i];
        if (firstWrite != NONE && firstWrite != i) {
            findings.push_back(Warning(
                coil, IsWrite(coil.code) ? CheckRule::CoilWrittenTwice : CheckRule::CoilAndSetReset,
                coils[firstWrite].at));
        }
        if (verdicts.alone[i] != 0) {
            findings.push_back(Warning(coil, coil.code == BASIC_SET ? CheckRule::SetWithoutReset
                                                                    : CheckRule::ResetWithoutSet));
        }
    }
}

}  // namespace varno
