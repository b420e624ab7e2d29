#include "check/operand_access.h"

#include <algorithm>
#include <array>
#include <optional>

#include "model/catalog.h"
#include "model/catalog_data.h"

namespace varno {

namespace {

struct CHintUse {
    Access access;
    bool sized;  // spans the width of the instruction's format (or of MOVW, MOVN)
};

constexpr Access R = Access::Read;
constexpr Access W = Access::Write;
constexpr Access RW = Access::ReadWrite;
constexpr Access N = Access::None;

// Indexed by hint key - 1: op1 first.
constexpr std::array<CHintUse, 53> HINT_USES = {{
    {N, false},   // op1 timer number
    {N, false},   // op2 counter number
    {R, false},   // op3 AND data, high four bits
    {R, false},   // op4 AND data, low four bits
    {R, true},    // op5 input data address
    {W, true},    // op6 result output address
    {R, true},    // op7 data to check
    {R, false},   // op8 format, constant or address B
    {R, false},   // op9 number of units / address
    {R, false},   // op10 start address
    {R, false},   // op11 preset value
    {R, false},   // op12 format
    {R, true},    // op13 code data address
    {R, false},   // op14 decode specification
    {W, false},   // op15 decode target address
    {R, false},   // op16 number of turntable positions
    {R, false},   // op17 current position
    {R, false},   // op18 target position
    {R, false},   // op19 data table size
    {R, true},    // op20 OR data address
    {R, true},    // op21 input value
    {R, true},    // op22 value compared
    {RW, false},  // op23 shift data address
    {R, false},   // op24 data table size address
    {R, false},   // op25 data table start address
    {R, true},    // op26 data searched
    {RW, true},   // op27 input/output data storage
    {R, false},   // op28 storage position within the table
    {R, true},    // op29 augend
    {R, true},    // op30 addend
    {R, true},    // op31 minuend
    {R, true},    // op32 subtrahend
    {R, true},    // op33 multiplicand
    {R, true},    // op34 multiplier
    {R, true},    // op35 dividend
    {R, true},    // op36 divisor
    {R, false},   // op37 constant
    {R, true},    // op38 transfer source
    {W, true},    // op39 transfer target
    {R, false},   // op40 number of bytes to transfer
    {R, false},   // op41 spindle speed
    {R, false},   // op42 spindle control parameter
    {W, false},   // op43 spindle control output
    {R, false},   // op44 DI/DO signal group
    {R, false},   // op45 axis control data
    {R, false},   // op46 preset value address
    {RW, false},  // op47 counter register
    {N, false},   // op48 rising-edge number
    {N, false},   // op49 falling-edge number
    {R, true},    // op50 address A
    {R, true},    // op51 constant or address B
    {N, false},   // op52 program name
    {N, false},   // op53 label
}};

constexpr int FORMAT_HINT = 8;
constexpr int SIZE_FORMAT_HINT = 12;
// A byte count larger than the biggest memory area names no real transfer.
constexpr int MAX_WIDTH = 10000;

const catalog_data::FuncEntry* Entry(int number) {
    static const std::array<const catalog_data::FuncEntry*, FUNC_SLOT_COUNT> BY_NUMBER = [] {
        std::array<const catalog_data::FuncEntry*, FUNC_SLOT_COUNT> entries{};
        for (const catalog_data::FuncEntry& entry : catalog_data::Functions()) {
            if (entry.number < FUNC_SLOT_COUNT) {
                entries[entry.number] = &entry;
            }
        }
        return entries;
    }();
    return number >= 0 && number < FUNC_SLOT_COUNT ? BY_NUMBER[static_cast<std::size_t>(number)]
                                                   : nullptr;
}

// The hint key of the index-th operand, 0 for none.
int HintKey(int number, int index) {
    const catalog_data::FuncEntry* entry = Entry(number);
    if (entry == nullptr || index < 0 || index >= FuncOperandCount(number) ||
        index >= static_cast<int>(entry->hints.size())) {
        return 0;
    }
    return entry->hints[static_cast<std::size_t>(index)];
}

const CHintUse* HintUse(int number, int index) {
    const int key = HintKey(number, index);
    return key >= 1 && key <= static_cast<int>(HINT_USES.size())
               ? &HINT_USES[static_cast<std::size_t>(key - 1)]
               : nullptr;
}

std::optional<std::int32_t> ConstantOperand(const CLDCell& head, int index) {
    const CLDCmd* op = head.Operand(index);
    if (op == nullptr || op->code != LDOPD_CONST) {
        return std::nullopt;
    }
    return op->Constant();
}

// The width a format operand gives: its units digit when that is 1, 2 or 4.
int FormatWidth(const CLDCell& head) {
    const int count = FuncOperandCount(head.Code());
    for (int i = 0; i < count; ++i) {
        const int key = HintKey(head.Code(), i);
        if (key != FORMAT_HINT && key != SIZE_FORMAT_HINT) {
            continue;
        }
        if (std::optional<std::int32_t> value = ConstantOperand(head, i)) {
            const int units = *value % 10;
            return units == 1 || units == 2 || units == 4 ? units : 1;
        }
        return 1;
    }
    return 1;
}

}  // namespace

Access OperandAccess(int number, int index) {
    const CHintUse* use = HintUse(number, index);
    return use != nullptr ? use->access : Access::None;
}

int OperandWidth(const CLDCell& head, int index) {
    const CHintUse* use = HintUse(head.Code(), index);
    if (use == nullptr || !use->sized) {
        return 1;
    }
    switch (head.Code()) {
        case FUNC_MOVB:
            return 1;
        case FUNC_MOVW:
            return 2;
        case FUNC_MOVN: {
            std::optional<std::int32_t> count = ConstantOperand(head, 0);
            return count && *count > 0 ? std::min<std::int32_t>(*count, MAX_WIDTH) : 1;
        }
        default:
            return FormatWidth(head);
    }
}

}  // namespace varno
