// The compiler on arbitrary ladders, including shapes the editor would never draw: stray input
// and end cells, vertical flags anywhere, blocks cut by the ladder's end. Each ladder is compiled
// twice: the second run sees the node slots the first one left behind and must give the same
// instructions and errors.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "compiler/compile.h"
#include "model/catalog.h"
#include "model/ladder.h"

using namespace varno;

namespace {

class CBytes {
public:
    CBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return pos_ >= size_; }
    std::uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Two bytes per cell: what it holds (low bits) and its vertical flag (bit 7), then a detail.
void FillLadder(CLadder& ladder, CBytes& in) {
    const int rows = 1 + in.Next() % 12;
    for (int r = 0; r < rows; ++r) {
        ladder.InsertRow(r);
    }
    for (int r = 0; r < rows && !in.Empty(); ++r) {
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            const std::uint8_t what = in.Next();
            const std::uint8_t detail = in.Next();
            CLDCmd cmd;
            switch (what & 0x0F) {
                case 1:
                case 2:
                    cmd.kind = LDCMD_HLINE;
                    break;
                case 3:
                case 4:
                case 5:
                    cmd = CLDCmd::Basic(CONTACT_CODES[detail % 4], 'X', detail / 8, detail % 8);
                    break;
                case 6:
                    cmd = CLDCmd::Basic(COIL_CODES[detail % 4], 'Y', detail / 8, detail % 8);
                    break;
                case 7:
                    cmd = CLDCmd::Basic(detail % 24, 'R', detail, 0);
                    break;
                case 8: {
                    CLDCmd head;
                    head.kind = LDCMD_FUNC;
                    head.code = detail % FUNC_SLOT_COUNT;
                    CLDCell block(head);
                    std::vector<CLDCmd> operands(4 + detail % 8);
                    for (CLDCmd& op : operands) {
                        op.kind = LDCMD_OPERAND;
                        op.code = LDOPD_CONST;
                        op.operand = detail % 5;
                    }
                    block.SetOperands(operands);
                    ladder.PlaceBlock(r, c, block, (what & 0x10) != 0);
                    break;
                }
                case 9:
                    cmd.kind = LDCMD_FUNC_INPUT;
                    cmd.code = detail % 5;
                    break;
                case 10:
                    cmd.kind = LDCMD_FUNC_END;
                    break;
                case 11:
                    if (c == 0) {
                        CLDRow comment("x", "");
                        ladder.RemoveRow(r);
                        ladder.InsertRow(r, &comment);
                        c = LADDER_WIDTH;
                        continue;
                    }
                    break;
                default:
                    break;
            }
            if (cmd.kind != LDCMD_NONE && ladder.GetCell(r, c) != nullptr &&
                ladder.GetCell(r, c)->IsEmpty()) {
                ladder.PutElement(r, c, CLDCell(cmd));
            }
            if ((what & 0x80) != 0) {
                ladder.SetVLine(r, c);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CBytes in(data, size);
    CLadder ladder;
    ladder.SetName("LEVEL1");
    FillLadder(ladder, in);

    CLDCmdList first;
    CErrorList firstErrors;
    const bool firstResult = CompileLadder(ladder, first, firstErrors);
    CLDCmdList second;
    CErrorList secondErrors;
    const bool secondResult = CompileLadder(ladder, second, secondErrors);
    if (firstResult != secondResult || first.Items() != second.Items() ||
        !std::equal(firstErrors.begin(), firstErrors.end(), secondErrors.begin(),
                    secondErrors.end())) {
        std::abort();
    }
    return 0;
}
