#include "program_generator.h"

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/address.h"
#include "model/catalog.h"

namespace varno::bench {

namespace {

constexpr int COIL_COLUMN = LADDER_WIDTH - 1;

CLDCmd Operand(std::uint8_t tag, char letter, int number) {
    CLDCmd cmd;
    cmd.kind = LDCMD_OPERAND;
    cmd.code = tag;
    if (tag == LDOPD_ADDR) {
        cmd.SetAddress(
            LDADDR{static_cast<std::uint8_t>(letter), -1, static_cast<std::uint16_t>(number)});
    } else {
        cmd.SetConstant(number);
    }
    return cmd;
}

class CGenerator {
public:
    explicit CGenerator(const CProjectShape& shape)
        : rng_(shape.seed), subprograms_(shape.subprograms) {}

    // Appends `budget` rows: networks, then the end block (END1, END2 or SPE). programNumber is
    // the subprogram's number, 0 for the main programs.
    void FillProgram(CLadder& ladder, int budget, int programNumber, int endBlock);

private:
    int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int percent) { return Random(1, 100) <= percent; }

    CLDCell Contact();
    CLDCell Coil();
    CLDCell Line() const;
    CLDCell Block(int number);

    // Appends one network of at most `rows` rows; returns the rows it took.
    int AppendNetwork(CLadder& ladder, int rows);
    int AppendSeries(CLadder& ladder);
    int AppendParallel(CLadder& ladder, int rows);
    int AppendShape(CLadder& ladder, int shape);
    int AppendOutputs(CLadder& ladder, int rows);
    int AppendBlock(CLadder& ladder, int number, int rows);
    int AppendInputlessBlock(CLadder& ladder, int number);

    // Row r: `cells` from column 0, lines up to the coil column, a coil there.
    void PutRow(CLadder& ladder, int r, const std::vector<CLDCell>& cells, bool withCoil);
    void PutVLine(CLadder& ladder, int r, int column) { ladder.SetVLine(r, column); }

    std::mt19937 rng_;
    int subprograms_;
    int programNumber_ = 0;    // 0 for LEVEL1 and LEVEL2
    int nextLabel_ = 1;        // labels are unique in the project
    std::vector<int> labels_;  // labels defined in the current program
};

CLDCell CGenerator::Contact() {
    static constexpr std::uint8_t CODES[] = {BASIC_RD, BASIC_RD, BASIC_RD_NOT, BASIC_RDPT,
                                             BASIC_RDNT};
    std::uint8_t code = CODES[Random(0, 4)];
    if (Chance(70)) {
        return CLDCell(CLDCmd::Basic(code, 'X', static_cast<std::uint16_t>(Random(0, 127)),
                                     static_cast<std::int8_t>(Random(0, 7))));
    }
    return CLDCell(CLDCmd::Basic(code, 'R', static_cast<std::uint16_t>(Random(0, 999)),
                                 static_cast<std::int8_t>(Random(0, 7))));
}

CLDCell CGenerator::Coil() {
    static constexpr std::uint8_t CODES[] = {BASIC_WRT, BASIC_WRT, BASIC_WRT_NOT, BASIC_SET,
                                             BASIC_RST};
    std::uint8_t code = CODES[Random(0, 4)];
    if (Chance(60)) {
        return CLDCell(CLDCmd::Basic(code, 'Y', static_cast<std::uint16_t>(Random(0, 127)),
                                     static_cast<std::int8_t>(Random(0, 7))));
    }
    return CLDCell(CLDCmd::Basic(code, 'R', static_cast<std::uint16_t>(Random(1000, 1999)),
                                 static_cast<std::int8_t>(Random(0, 7))));
}

CLDCell CGenerator::Line() const {
    CLDCmd line;
    line.kind = LDCMD_HLINE;
    return CLDCell(line);
}

// A head with operands fit for the instruction: subprogram and label references that resolve,
// a CODB table, addresses and constants elsewhere.
CLDCell CGenerator::Block(int number) {
    CLDCmd head;
    head.kind = LDCMD_FUNC;
    head.code = static_cast<std::uint8_t>(number);
    std::vector<CLDCmd> operands;
    const int count = FuncOperandCount(number);
    if (number == FUNC_CALL || number == FUNC_CALLU) {
        // Only later subprograms, so that calls never loop.
        operands.push_back(Operand(LDOPD_ADDR, 'P', Random(programNumber_ + 1, subprograms_)));
    } else if (number == FUNC_LBL) {
        labels_.push_back(nextLabel_);
        operands.push_back(Operand(LDOPD_ADDR, 'L', nextLabel_++));
    } else if (number == FUNC_JMPB) {
        operands.push_back(Operand(LDOPD_ADDR, 'L', labels_[Random(0, int(labels_.size()) - 1)]));
    } else if (number == FUNC_CODB) {
        int length = Random(0, 14);
        operands.push_back(Operand(LDOPD_CONST, 0, Chance(50) ? 4 : 2));
        operands.push_back(Operand(LDOPD_CONST, 0, length));
        operands.push_back(Operand(LDOPD_ADDR, 'R', Random(0, 7999)));
        operands.push_back(Operand(LDOPD_ADDR, 'R', Random(0, 7999)));
        for (int i = 0; i < length; ++i) {
            operands.push_back(Operand(LDOPD_CONST, 0, Random(0, 255)));
        }
    } else {
        for (int i = 0; i < count; ++i) {
            operands.push_back(Chance(70) ? Operand(LDOPD_ADDR, 'R', Random(0, 7999))
                                          : Operand(LDOPD_CONST, 0, Random(1, 300)));
        }
    }
    CLDCell cell(head);
    cell.SetOperands(operands);
    return cell;
}

void CGenerator::PutRow(CLadder& ladder, int r, const std::vector<CLDCell>& cells, bool withCoil) {
    int c = 0;
    for (const CLDCell& cell : cells) {
        ladder.PutElement(r, c++, cell);
    }
    if (withCoil) {
        if (c < COIL_COLUMN) {
            ladder.FillLine(r, c, COIL_COLUMN - 1);
        }
        ladder.PutElement(r, COIL_COLUMN, Coil());
    }
}

int CGenerator::AppendSeries(CLadder& ladder) {
    int r = ladder.RowCount();
    ladder.InsertRow(r);
    std::vector<CLDCell> cells;
    int contacts = Random(1, 6);
    for (int i = 0; i < contacts; ++i) {
        cells.push_back(Contact());
    }
    PutRow(ladder, r, cells, true);
    return 1;
}

// Parallel branches of one or two contacts each, joined before the coil.
int CGenerator::AppendParallel(CLadder& ladder, int rows) {
    const int r = ladder.RowCount();
    const int width = Random(1, 2);
    for (int i = 0; i < rows; ++i) {
        ladder.InsertRow(r + i);
        std::vector<CLDCell> cells;
        for (int k = 0; k < width; ++k) {
            cells.push_back(Contact());
        }
        PutRow(ladder, r + i, cells, i == 0);
        if (i > 0) {
            PutVLine(ladder, r + i, width);
        }
    }
    return rows;
}

// The fixed two- and three-row shapes; letters are contacts, '-' wire, '.' empty, 'Y' a coil,
// '|' before a cell joins it to the row above.
int CGenerator::AppendShape(CLadder& ladder, int shape) {
    static const std::vector<std::vector<std::string>> SHAPES = {
        {"ab", "cd|."},           // series in parallel with series
        {"ac", "b|d|."},          // parallels in series
        {"abc", ".|d-|."},        // a parallel inside a series
        {"abd", ".|c|."},         // a parallel before a series
        {"ab", "cd|.", ".|e|."},  // a branch inside a branch
        {".a"},                   // a row that starts with an empty cell
        {"ac", "b|.", "d|."},     // three parallel contacts
    };
    const std::vector<std::string>& rows = SHAPES[static_cast<std::size_t>(shape)];
    const int r = ladder.RowCount();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = r + static_cast<int>(i);
        ladder.InsertRow(row);
        int c = 0;
        bool join = false;
        for (char ch : rows[i]) {
            if (ch == '|') {
                join = true;
                continue;
            }
            if (ch == '-') {
                ladder.PutElement(row, c, Line());
            } else if (ch != '.') {
                ladder.PutElement(row, c, Contact());
            }
            if (join) {
                PutVLine(ladder, row, c);
                join = false;
            }
            ++c;
        }
        if (i == 0) {
            ladder.FillLine(row, c, COIL_COLUMN - 1);
            ladder.PutElement(row, COIL_COLUMN, Coil());
        }
    }
    return static_cast<int>(rows.size());
}

// One condition feeding several outputs: plain branches first, a contact on the last one.
int CGenerator::AppendOutputs(CLadder& ladder, int rows) {
    const int r = ladder.RowCount();
    for (int i = 0; i < rows; ++i) {
        ladder.InsertRow(r + i);
        if (i == 0) {
            PutRow(ladder, r, {Contact()}, true);
            continue;
        }
        bool contact = i == rows - 1 && Chance(50);
        ladder.PutElement(r + i, 1, contact ? Contact() : Line());
        PutVLine(ladder, r + i, 1);
        ladder.FillLine(r + i, 2, COIL_COLUMN - 1);
        ladder.PutElement(r + i, COIL_COLUMN, Coil());
    }
    return rows;
}

// A block at column 1 with a contact before each of its control inputs; a coil after it when
// it has an output, wire to the row end otherwise.
int CGenerator::AppendBlock(CLadder& ladder, int number, int rows) {
    const int r = ladder.RowCount();
    CLDCell head = Block(number);
    const int height = FuncHeight(head);
    if (height > rows) {
        return 0;
    }
    for (int i = 0; i < height; ++i) {
        ladder.InsertRow(r + i);
    }
    const bool output = FuncOutputCount(number) > 0;
    ladder.PlaceBlock(r, 1, head, !output);
    for (int i = 0; i < FuncInputCount(number); ++i) {
        ladder.PutElement(r + i, 0, Contact());
    }
    if (output) {
        ladder.FillLine(r, 1 + FuncWidth(head), COIL_COLUMN - 1);
        ladder.PutElement(r, COIL_COLUMN, Coil());
    }
    return height;
}

// A block without control inputs sits at column 0 with wire to the row end.
int CGenerator::AppendInputlessBlock(CLadder& ladder, int number) {
    const int r = ladder.RowCount();
    CLDCell head = Block(number);
    for (int i = 0; i < FuncHeight(head); ++i) {
        ladder.InsertRow(r + i);
    }
    ladder.PlaceBlock(r, 0, head, true);
    return FuncHeight(head);
}

int CGenerator::AppendNetwork(CLadder& ladder, int rows) {
    const int pick = Random(0, 99);
    if (pick < 30 || rows < 3) {
        if (rows >= 1 && Chance(10)) {
            CLDRow comment("generated", Chance(50) ? "" : "second text");
            ladder.InsertRow(ladder.RowCount(), &comment);
            return 1;
        }
        return AppendSeries(ladder);
    }
    if (pick < 45) {
        return AppendParallel(ladder, Random(2, 3));
    }
    if (pick < 65) {
        return AppendShape(ladder, Random(0, 6));
    }
    if (pick < 72) {
        return AppendOutputs(ladder, Random(2, 3));
    }
    // Functional blocks: any with control inputs, or a label, call or jump of its own.
    static const std::vector<int> WITH_INPUTS = [] {
        std::vector<int> numbers;
        for (int n = 1; n < FUNC_SLOT_COUNT; ++n) {
            if (FuncDescriptor(n) != nullptr && FuncInputCount(n) > 0 && n != FUNC_JMPB) {
                numbers.push_back(n);
            }
        }
        return numbers;
    }();
    if (pick < 80) {
        int number = Chance(50) ? FUNC_LBL : FUNC_CALLU;
        if (number == FUNC_CALLU && programNumber_ >= subprograms_) {
            number = FUNC_LBL;
        }
        return AppendInputlessBlock(ladder, number);
    }
    int number = WITH_INPUTS[static_cast<std::size_t>(Random(0, int(WITH_INPUTS.size()) - 1))];
    if (number == FUNC_CALL && programNumber_ >= subprograms_) {
        number = FUNC_TMR;
    }
    if (!labels_.empty() && Chance(10)) {
        number = FUNC_JMPB;
    }
    int taken = AppendBlock(ladder, number, rows);
    return taken > 0 ? taken : AppendSeries(ladder);
}

void CGenerator::FillProgram(CLadder& ladder, int budget, int programNumber, int endBlock) {
    programNumber_ = programNumber;
    labels_.clear();
    const int endRows = 2;  // END1, END2 and SPE are two rows high
    const int stop = ladder.RowCount() + budget - endRows;
    while (ladder.RowCount() < stop) {
        AppendNetwork(ladder, stop - ladder.RowCount());
    }
    CLDCmd end;
    end.kind = LDCMD_FUNC;
    end.code = static_cast<std::uint8_t>(endBlock);
    const int r = ladder.RowCount();
    ladder.InsertRow(r);
    ladder.InsertRow(r + 1);
    ladder.PlaceBlock(r, 0, CLDCell(end), true);
}

}  // namespace

void GenerateProject(CLadderList& programs, const CProjectShape& shape) {
    programs.DeleteAll();
    CGenerator generator(shape);
    const int programCount = 2 + shape.subprograms;
    const int level1 = shape.rows / 3;
    const int level2 = shape.rows / 6;
    const int rest = shape.rows - level1 - level2;
    for (int p = 0; p < programCount; ++p) {
        auto ladder = std::make_unique<CLadder>();
        int budget = 0;
        int number = 0;
        int endBlock = FUNC_SPE;
        if (p == 0) {
            ladder->SetName(LoadString(IDS_LEVEL1));
            budget = level1;
            endBlock = FUNC_END1;
        } else if (p == 1) {
            ladder->SetName(LoadString(IDS_LEVEL2));
            budget = level2;
            endBlock = FUNC_END2;
        } else {
            number = p - 1;
            budget = rest / shape.subprograms + (p - 2 < rest % shape.subprograms ? 1 : 0);
            CLDCmd sp;
            sp.kind = LDCMD_FUNC;
            sp.code = FUNC_SP;
            CLDCell head(sp);
            CLDCmd name = Operand(LDOPD_ADDR, 'P', number);
            head.SetOperands(std::span(&name, 1));
            ladder->SetName(FormatOperand(name, false));
            ladder->InsertRow(0);
            ladder->InsertRow(1);
            ladder->PlaceBlock(0, 0, head, true);
            budget -= 2;
        }
        generator.FillProgram(*ladder, budget, number, endBlock);
        programs.AddSorted(std::move(ladder));
    }
}

}  // namespace varno::bench
