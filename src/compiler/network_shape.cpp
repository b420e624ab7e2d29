#include "compiler/network_shape.h"

#include <algorithm>
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

// Every block head's operand records after the row's cells, each head's count first: the
// cells say which columns hold heads, so the shape still tells rows apart.
void AppendOperands(const CLDRow& row, std::pmr::string& shape) {
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        const CLDCell& cell = *row.Cell(c);
        if (!cell.IsFunc()) {
            continue;
        }
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

}  // namespace

void NetworkShape(const CLadder& ladder, int first, int end, std::pmr::string& shape) {
    // Room for every row as an element row, filled through a pointer: a shape is made for every
    // network of every compile, and appending record by record was most of its cost.
    constexpr std::size_t ROW_BYTES = 1 + LADDER_WIDTH * sizeof(CLDCmd);
    shape.resize(static_cast<std::size_t>(std::max(end - first, 0)) * ROW_BYTES);
    char* put = shape.data();
    for (int r = first; r < end; ++r) {
        const CLDRow* row = ladder.GetRow(r);
        if (row == nullptr || row->IsComment()) {
            *put++ = COMMENT_ROW;
            continue;
        }
        *put++ = ELEMENT_ROW;
        bool heads = false;
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            const CLDCell& cell = *row->Cell(c);
            CLDCmd record = cell.Element();
            if (cell.IsContact() || cell.IsCoil()) {
                record.code = cell.IsContact() ? BASIC_RD : BASIC_WRT;
                record.operand = 0;
            }
            std::memcpy(put, &record, sizeof record);
            put += sizeof record;
            heads = heads || cell.IsFunc();
        }
        if (heads) {
            const std::size_t at = static_cast<std::size_t>(put - shape.data());
            shape.resize(at);
            AppendOperands(*row, shape);
            const std::size_t grown = shape.size();
            shape.resize(grown + static_cast<std::size_t>(end - r - 1) * ROW_BYTES);
            put = shape.data() + grown;
        }
    }
    shape.resize(static_cast<std::size_t>(put - shape.data()));
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
