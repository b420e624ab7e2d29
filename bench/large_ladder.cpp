#include "large_ladder.h"

#include <string>
#include <vector>

#include "model/catalog.h"

namespace varno::bench {

namespace {

CLDCell Contact(char letter, int number, std::uint8_t code = BASIC_RD) {
    return CLDCell(CLDCmd::Basic(code, static_cast<std::uint8_t>(letter),
                                 static_cast<std::uint16_t>(number % 128), 1));
}

CLDCmd Operand(std::int32_t value, char letter = 0) {
    CLDCmd cmd;
    cmd.kind = LDCMD_OPERAND;
    if (letter != 0) {
        cmd.code = LDOPD_ADDR;
        cmd.SetAddress(
            LDADDR{static_cast<std::uint8_t>(letter), -1, static_cast<std::uint16_t>(value)});
    } else {
        cmd.code = LDOPD_CONST;
        cmd.SetConstant(value);
    }
    return cmd;
}

CLDCell Block(std::uint8_t number, const std::vector<CLDCmd>& operands) {
    CLDCmd head;
    head.kind = LDCMD_FUNC;
    head.code = number;
    CLDCell cell(head);
    cell.SetOperands(operands);
    return cell;
}

// Appends one rung (or comment) of at most `room` rows; returns the rows added.
int AddRung(CLadder& p, int n, int room) {
    const int at = p.RowCount();
    if (n % 20 == 0) {
        CLDRow comment("Rung " + std::to_string(n), "spindle\ninterlock");
        p.InsertRow(at, &comment);
    } else if (n % 50 == 7 && room >= 7) {
        std::vector<CLDCmd> ops = {Operand(2), Operand(12), Operand(100, 'R'), Operand(200, 'R')};
        for (int i = 0; i < 12; ++i) {
            ops.push_back(Operand(i * 3));
        }
        p.PlaceBlock(at, 3, Block(FUNC_CODB, ops), true);
        p.PutElement(at, 0, Contact('X', n));
        p.FillLine(at, 1, 2);
        p.PutElement(at + 1, 0, Contact('X', n + 1));
        p.FillLine(at + 1, 1, 2);
    } else if (n % 10 == 3 && room >= 5) {
        p.PlaceBlock(at, 2, Block(FUNC_CTR, {Operand(n % 100)}), true);
        for (int i = 0; i < 4; ++i) {
            p.PutElement(at + i, 0, Contact('X', n + i));
            p.FillLine(at + i, 1, 1);
        }
    } else if (n % 5 == 1 && room >= 2) {
        p.PlaceBlock(at, 3, Block(FUNC_TMR, {Operand(n % 100)}), true);
        p.PutElement(at, 0, Contact('X', n));
        p.FillLine(at, 1, 2);
    } else if (room >= 2) {
        p.PutElement(at, 0, Contact('X', n));
        p.PutElement(at, 1, Contact('R', n, BASIC_RD_NOT));
        p.FillLine(at, 2, 6);
        p.PutElement(at, 7, Contact('Y', n, BASIC_WRT));
        p.PutElement(at + 1, 0, Contact('Y', n));
        p.FillLine(at + 1, 1, 1);
        p.SetVLine(at + 1, 2);
    } else {
        p.PutElement(at, 0, Contact('X', n));
        p.FillLine(at, 1, 6);
        p.PutElement(at, 7, Contact('Y', n, BASIC_SET));
    }
    return p.RowCount() - at;
}

// Fills a program's body up to `rows` rows, then its closing block and trailing blank row.
void Fill(CLadder& p, int rows, std::uint8_t closing) {
    int n = 0;
    while (p.RowCount() < rows - 2) {
        AddRung(p, n++, rows - 2 - p.RowCount());
    }
    p.PlaceBlock(p.RowCount(), 0, Block(closing, {}), true);
}

CLadder& AddProgram(CLadderList& list, const std::string& name) {
    auto program = std::make_unique<CLadder>();
    program->SetName(name);
    return list.AddSorted(std::move(program));
}

}  // namespace

std::unique_ptr<CLadderList> MakeLargeProgramSet(int totalRows) {
    auto list = std::make_unique<CLadderList>();
    const int level2 = totalRows / 5;
    const int sub = totalRows / 20;
    const int level1 = totalRows - level2 - 4 * sub;
    Fill(AddProgram(*list, LoadString(IDS_LEVEL1)), level1, FUNC_END1);
    Fill(AddProgram(*list, LoadString(IDS_LEVEL2)), level2, FUNC_END2);
    for (int s = 1; s <= 4; ++s) {
        const std::string name = "P000" + std::to_string(s);
        CLadder& p = AddProgram(*list, name);
        p.PlaceBlock(0, 0, Block(FUNC_SP, {Operand(s, 'P')}), true);
        Fill(p, sub, FUNC_SPE);
    }
    return list;
}

}  // namespace varno::bench
