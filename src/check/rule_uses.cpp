#include "check/check_rules.h"

namespace varno {

namespace {

class CRuleSink final : public IUseSink {
public:
    explicit CRuleSink(CRuleUses& picked) : picked_(picked) {}
    // Inlined into the walk: it runs for every contact and coil of a project.
    [[gnu::always_inline]] void Add(const CAddressUse& use) final {
        if (use.kind == UseKind::Coil) {
            picked_.coils.push_back(CCoil{use.address, use.at, use.code});
        }
        if (IsInternalRelay(use.address)) {
            picked_.relays.push_back(use);
        }
    }

private:
    CRuleUses& picked_;
};

}  // namespace

void CollectRuleUses(const CLadder& ladder, std::uint32_t program, std::size_t first,
                     std::size_t end, CRuleUses& picked, std::vector<CLinkBlock>& links) {
    // At most a coil and two relay uses a row, as a rule; room never written costs nothing.
    const std::size_t rows = end - first;
    picked.coils.reserve(picked.coils.size() + rows);
    picked.relays.reserve(picked.relays.size() + 2 * rows);
    CRuleSink sink(picked);
    CollectUses(ladder, program, first, end, sink, &links);
}

}  // namespace varno
