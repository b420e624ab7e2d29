#include "check/address_use.h"

#include <algorithm>

#include "model/catalog.h"

namespace varno {

namespace {

// Where the view draws a block's operands: one per row from the head row on, in its third
// column.
constexpr int OPERAND_COLUMN_OFFSET = 2;

bool IsLinked(std::uint8_t number) {
    return number == FUNC_SP || number == FUNC_LBL || number == FUNC_CALL || number == FUNC_CALLU ||
           number == FUNC_JMPB;
}

}  // namespace

void CollectBlockUses(const CLDCell& head, const CCellRef& at, IUseSink& uses,
                      std::vector<CLinkBlock>* links) {
    const std::uint8_t number = head.Code();
    const int count =
        std::min<int>(FuncOperandCount(number), static_cast<int>(head.Operands().size()));
    for (int i = 0; i < count; ++i) {
        const CLDCmd& op = head.Operands()[static_cast<std::size_t>(i)];
        if (op.code != LDOPD_ADDR) {
            continue;
        }
        CAddressUse use;
        use.address = op.Address();
        use.at = CCellRef{at.program, at.row + i, at.column + OPERAND_COLUMN_OFFSET};
        use.kind = UseKind::Operand;
        use.code = number;
        use.operand = static_cast<std::uint8_t>(i);
        use.access = OperandAccess(number, i);
        use.width = static_cast<std::uint16_t>(OperandWidth(head, i));
        uses.Add(use);
    }
    if (links != nullptr && IsLinked(number)) {
        CLinkBlock block;
        block.at = at;
        block.number = number;
        block.head = head.Element();
        block.head.vline = 0;
        block.head.operand = 0;
        if (count > 0) {
            block.operand = head.Operands()[0];
            block.operand.reserved = 0;
        }
        links->push_back(block);
    }
}

namespace {

class CListSink final : public IUseSink {
public:
    explicit CListSink(std::vector<CAddressUse>& uses) : uses_(uses) {}
    void Add(const CAddressUse& use) final { uses_.push_back(use); }

private:
    std::vector<CAddressUse>& uses_;
};

}  // namespace

void CollectUses(const CLadder& ladder, std::uint32_t program, std::size_t first, std::size_t end,
                 std::vector<CAddressUse>& uses, std::vector<CLinkBlock>* links) {
    CListSink sink(uses);
    CollectUses(ladder, program, first, end, sink, links);
}

}  // namespace varno
