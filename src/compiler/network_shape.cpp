#include "compiler/network_shape.h"

#include <cstring>

#include "model/catalog.h"
#include "model/ladder.h"

namespace varno {

namespace {

constexpr char COMMENT_ROW = '/';
constexpr char ELEMENT_ROW = '%';
constexpr char BELOW_ROW = 'v';

bool AnyVLine(const CLDRow& row) {
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        if (row.Cell(c)->VLine()) {
            return true;
        }
    }
    return false;
}

void AppendRecord(std::pmr::string& shape, const CLDCmd& record) {
    char bytes[sizeof(CLDCmd)];
    std::memcpy(bytes, &record, sizeof bytes);
    shape.append(bytes, sizeof bytes);
}

}  // namespace

void NetworkShape(const CLadder& ladder, int first, int end, std::pmr::string& shape) {
    shape.clear();
    for (int r = first; r < end; ++r) {
        const CLDRow* row = ladder.GetRow(r);
        if (row == nullptr || row->IsComment()) {
            shape += COMMENT_ROW;
            continue;
        }
        shape += ELEMENT_ROW;
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            const CLDCell& cell = *row->Cell(c);
            CLDCmd record = cell.Element();
            if (cell.IsContact() || cell.IsCoil()) {
                record.code = cell.IsContact() ? BASIC_RD : BASIC_WRT;
                record.operand = 0;
            }
            AppendRecord(shape, record);
            if (cell.IsFunc()) {
                const auto operands = cell.Operands();
                const std::size_t count = operands.size();
                char bytes[sizeof count];
                std::memcpy(bytes, &count, sizeof bytes);
                shape.append(bytes, sizeof bytes);
                for (CLDCmd operand : operands) {
                    if (operand.kind == LDCMD_OPERAND && operand.code == LDOPD_ADDR) {
                        operand.operand = 0;
                    }
                    AppendRecord(shape, operand);
                }
            }
        }
    }
    // The walk also follows a vertical line on the row after the network up into it, which
    // the split into networks does not count inside a block's area; it then reads the kinds
    // and lines of that row.
    const CLDRow* below = ladder.GetRow(end);
    if (below == nullptr || below->IsComment() || !AnyVLine(*below)) {
        return;
    }
    shape += BELOW_ROW;
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        const CLDCell& cell = *below->Cell(c);
        shape += static_cast<char>(cell.Kind());
        shape += cell.VLine() ? '|' : ' ';
    }
}

}  // namespace varno
