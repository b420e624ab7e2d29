#include "ladder_builders.h"

#include "platform/codepage.h"

namespace varno::test {

std::vector<int> CatalogNumbers() {
    std::vector<int> numbers;
    for (int n = 0; n < FUNC_SLOT_COUNT; ++n) {
        if (FuncDescriptor(n) != nullptr) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

namespace {

std::string RandomText(std::mt19937& rng) {
    static const std::string pieces[] = {
        "Start", Utf8ToGbk("主轴启动"), "X0010.3", "\n", Utf8ToGbk("急停"), " ", "ab\ncd"};
    std::string text;
    for (int i = static_cast<int>(rng() % 6); i > 0; --i) {
        text += pieces[rng() % std::size(pieces)];
    }
    return text;
}

CLDCmd RandomOperand(std::mt19937& rng) {
    if (rng() % 2 != 0) {
        return Const(static_cast<std::int32_t>(rng() % 100000));
    }
    const char letters[] = "RDGFXY";
    return Addr(letters[rng() % 6], static_cast<std::uint16_t>(rng() % 1000),
                static_cast<std::int8_t>(rng() % 9) - 1);
}

CLDCell RandomBlock(std::mt19937& rng, int number) {
    if (number == FUNC_CODB) {
        std::vector<CLDCmd> ops = {Const(rng() % 2 ? 4 : 2), Const(static_cast<int>(rng() % 26)),
                                   RandomOperand(rng), RandomOperand(rng)};
        for (int i = 0; i < ops[1].Constant(); ++i) {
            ops.push_back(RandomOperand(rng));
        }
        return Block(number, ops);
    }
    std::vector<CLDCmd> ops;
    for (int i = 0; i < FuncOperandCount(number); ++i) {
        ops.push_back(RandomOperand(rng));
    }
    return Block(number, ops);
}

void RandomElementRow(std::mt19937& rng, CLDRow& row) {
    for (int c = 0; c < 8; ++c) {
        switch (rng() % 5) {
            case 0:
                row.PutCell(c, Wire());
                break;
            case 1:
                row.PutCell(c, Contact('X', static_cast<std::uint16_t>(rng() % 128)));
                break;
            case 2:
                row.PutCell(c, Coil('Y', static_cast<std::uint16_t>(rng() % 128)));
                break;
            default:
                break;
        }
        if (c > 0 && rng() % 4 == 0) {
            row.SetVLine(c);
        }
    }
}

}  // namespace

std::unique_ptr<CLadder> RandomProgram(std::mt19937& rng, int rows, bool programEnds) {
    std::vector<int> numbers = CatalogNumbers();
    if (!programEnds) {
        std::erase_if(numbers, [](int n) {
            return n == FUNC_END1 || n == FUNC_END2 || n == FUNC_SP || n == FUNC_SPE;
        });
    }
    auto ladder = std::make_unique<CLadder>();
    while (ladder->RowCount() < rows) {
        switch (rng() % 3) {
            case 0: {
                CLDRow comment(RandomText(rng), RandomText(rng));
                ladder->InsertRow(ladder->RowCount(), &comment);
                break;
            }
            case 1:
                RandomElementRow(rng, ladder->InsertRow(ladder->RowCount()));
                break;
            default: {
                CLDCell block = RandomBlock(rng, numbers[rng() % numbers.size()]);
                int start = ladder->RowCount();
                int column = static_cast<int>(rng() % static_cast<unsigned>(9 - FuncWidth(block)));
                ladder->PlaceBlock(start, column, block, rng() % 2 == 0);
                for (int r = start + 1; r < ladder->RowCount(); ++r) {
                    ladder->SetVLine(r, static_cast<int>(rng() % 8));
                }
                break;
            }
        }
    }
    return ladder;
}

}  // namespace varno::test
