#include "check/address_key.h"
#include "check/check_rules.h"
#include "check/stable_radix_sort.h"
#include "model/catalog.h"

namespace varno {

namespace {

bool IsWrite(std::uint8_t code) {
    return code == BASIC_WRT || code == BASIC_WRT_NOT;
}

CFinding Warning(const CAddressUse& use, CheckRule rule, const CCellRef& other = {}) {
    CFinding finding;
    finding.at = use.at;
    finding.severity = Severity::Warning;
    finding.rule = rule;
    finding.subject = AddressSubject(use.address);
    finding.other = other;
    return finding;
}

// The coils of one address, in project order.
void CheckAddress(const std::vector<const CAddressUse*>& coils, std::vector<CFinding>& findings) {
    const CAddressUse* firstWrite = nullptr;
    const CAddressUse* firstSet = nullptr;
    const CAddressUse* firstReset = nullptr;
    for (const CAddressUse* coil : coils) {
        if (IsWrite(coil->code)) {
            if (firstWrite != nullptr) {
                findings.push_back(Warning(*coil, CheckRule::CoilWrittenTwice, firstWrite->at));
            } else {
                firstWrite = coil;
            }
        } else if (coil->code == BASIC_SET && firstSet == nullptr) {
            firstSet = coil;
        } else if (coil->code == BASIC_RST && firstReset == nullptr) {
            firstReset = coil;
        }
    }
    if (firstWrite != nullptr) {
        for (const CAddressUse* coil : coils) {
            if (!IsWrite(coil->code)) {
                findings.push_back(Warning(*coil, CheckRule::CoilAndSetReset, firstWrite->at));
            }
        }
    }
    if (firstSet != nullptr && firstReset == nullptr) {
        findings.push_back(Warning(*firstSet, CheckRule::SetWithoutReset));
    }
    if (firstReset != nullptr && firstSet == nullptr) {
        findings.push_back(Warning(*firstReset, CheckRule::ResetWithoutSet));
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

void AddCoilFindings(const std::vector<CAddressUse>& uses, std::vector<CFinding>& findings) {
    std::vector<const CAddressUse*> coils;
    for (const CAddressUse& use : uses) {
        if (use.kind == UseKind::Coil) {
            coils.push_back(&use);
        }
    }
    StableRadixSort(coils, [](const CAddressUse* use) { return AddressKey(use->address); });
    std::vector<const CAddressUse*> group;
    for (std::size_t i = 0; i < coils.size(); ++i) {
        group.push_back(coils[i]);
        if (i + 1 == coils.size() || coils[i + 1]->address != coils[i]->address) {
            CheckAddress(group, findings);
            group.clear();
        }
    }
}

}  // namespace varno
