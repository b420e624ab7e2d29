#include "check/caret_address.h"

#include <algorithm>

#include "model/catalog.h"

namespace varno {

std::optional<LDADDR> AddressAt(const CLadder& ladder, int displayRow, int column) {
    const std::optional<CElemInfo> located = ladder.Locate(displayRow, column);
    if (!located || located->cell == nullptr) {
        return std::nullopt;
    }
    const CLDCell& cell = *located->cell;
    if (cell.Kind() == LDCMD_BASIC) {
        if (cell.IsContact() || cell.IsCoil()) {
            return cell.Address();
        }
        return std::nullopt;
    }
    if (!cell.IsFunc()) {
        return std::nullopt;
    }
    const auto& operands = cell.Operands();
    const std::size_t count = std::min<std::size_t>(
        static_cast<std::size_t>(FuncOperandCount(cell.Code())), operands.size());
    const int drawn = located->lineRow - located->row;
    if (drawn >= 0 && static_cast<std::size_t>(drawn) < count &&
        operands[static_cast<std::size_t>(drawn)].code == LDOPD_ADDR) {
        return operands[static_cast<std::size_t>(drawn)].Address();
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (operands[i].code == LDOPD_ADDR) {
            return operands[i].Address();
        }
    }
    return std::nullopt;
}

}  // namespace varno
