// Random networks compiled and run: every network the compiler accepts must compute, for every
// combination of its inputs, what its drawing computes. The drawing is evaluated by power flow
// over the cells and the instructions by a stack machine, both written here independently of
// the compiler.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "compiler/compile.h"
#include "ladder_picture.h"
#include "model/catalog.h"
#include "random_network.h"

namespace varno::test {
namespace {

// An input signal: an address's level, or its rising or falling edge.
struct CSignal {
    int kind;  // 0 level, 1 rising, 2 falling
    std::uint32_t address;
    auto operator<=>(const CSignal&) const = default;
};

CSignal SignalOf(const CLDCmd& cmd) {
    int kind = 0;
    switch (cmd.code) {
        case BASIC_RDPT:
        case BASIC_ANDPT:
        case BASIC_ORPT:
        case BASIC_RDPT_STK:
            kind = 1;
            break;
        case BASIC_RDNT:
        case BASIC_ANDNT:
        case BASIC_ORNT:
        case BASIC_RDNT_STK:
            kind = 2;
            break;
        default:
            break;
    }
    return {kind, cmd.operand};
}

bool Inverted(std::uint8_t code) {
    return code == BASIC_RD_NOT || code == BASIC_AND_NOT || code == BASIC_OR_NOT ||
           code == BASIC_RD_NOT_STK;
}

// A block's output: a fixed, lopsided function of its inputs, different per instruction, so
// that swapped or missing inputs show.
bool BlockOutput(int number, const std::vector<bool>& inputs) {
    unsigned index = 0;
    for (std::size_t k = 0; k < inputs.size(); ++k) {
        index |= static_cast<unsigned>(inputs[k]) << k;
    }
    const std::uint32_t table = 0x6A5Cu ^ (static_cast<std::uint32_t>(number) * 0x9E37u);
    return ((table >> index) & 1u) != 0;
}

// What one run computes: the power each coil receives, by the coil's address, and the inputs
// each block receives, by the block's operand (unique per block in these networks).
struct COutcome {
    std::map<std::uint32_t, bool> coils;
    std::map<std::int32_t, std::vector<bool>> blocks;
    bool operator==(const COutcome&) const = default;
};

using CAssignment = std::map<CSignal, bool>;

class CPowerFlow {
public:
    explicit CPowerFlow(const CLadder& ladder) : ladder_(ladder) {}

    COutcome Run(const CAssignment& inputs) const {
        const int rows = ladder_.RowCount();
        std::vector<std::vector<bool>> power(rows, std::vector<bool>(LADDER_WIDTH + 1, false));
        std::vector<std::vector<bool>> fedLeft = power;
        std::vector<std::vector<bool>> feeder = power;
        for (int r = 0; r < rows; ++r) {
            ForEachCell(r, [&](int c, const CLDCell& cell) {
                const int to = c + FuncWidth(cell);
                if (to <= LADDER_WIDTH && Conducts(cell)) {
                    feeder[r][to] = true;
                }
            });
        }
        COutcome outcome;
        for (int c = 0; c <= LADDER_WIDTH; ++c) {
            // A wire: points of the column joined by vertical lines.
            std::vector<int> wire(rows, -1);
            for (int r = 0; r < rows; ++r) {
                wire[r] = (r > 0 && Joined(r, c)) ? wire[r - 1] : r;
            }
            std::map<int, bool> wireFed;
            std::map<int, bool> wireHasFeeder;
            for (int r = 0; r < rows; ++r) {
                if (!IsElementRow(r)) {
                    continue;
                }
                wireFed[wire[r]] = wireFed[wire[r]] || fedLeft[r][c] || c == 0;
                wireHasFeeder[wire[r]] = wireHasFeeder[wire[r]] || feeder[r][c] || c == 0;
            }
            for (int r = 0; r < rows; ++r) {
                power[r][c] = IsElementRow(r) && (wireFed[wire[r]] || !wireHasFeeder[wire[r]]);
            }
            if (c == LADDER_WIDTH) {
                break;
            }
            for (int r = 0; r < rows; ++r) {
                ForEachCell(r, [&](int at, const CLDCell& cell) {
                    if (at != c) {
                        return;
                    }
                    const bool in = power[r][c];
                    if (cell.IsHLine() || cell.IsCoil()) {
                        fedLeft[r][c + 1] = fedLeft[r][c + 1] || in;
                    }
                    if (cell.IsCoil()) {
                        outcome.coils[cell.Element().operand] = in;
                    }
                    if (cell.IsContact()) {
                        const bool value = inputs.at(SignalOf(cell.Element()));
                        const bool closed = Inverted(cell.Code()) ? !value : value;
                        fedLeft[r][c + 1] = fedLeft[r][c + 1] || (in && closed);
                    }
                    if (cell.IsFunc()) {
                        std::vector<bool> blockInputs;
                        for (int k = 0; k < FuncInputCount(cell.Code()); ++k) {
                            blockInputs.push_back(r + k < rows && power[r + k][c]);
                        }
                        outcome.blocks[cell.Operands()[0].Constant()] = blockInputs;
                        const int to = c + FuncWidth(cell);
                        if (FuncOutputCount(cell.Code()) > 0 && to <= LADDER_WIDTH) {
                            fedLeft[r][to] =
                                fedLeft[r][to] || BlockOutput(cell.Code(), blockInputs);
                        }
                    }
                });
            }
        }
        return outcome;
    }

private:
    bool IsElementRow(int r) const { return !ladder_.GetRow(r)->IsComment(); }
    bool Joined(int r, int c) const {
        return c < LADDER_WIDTH && IsElementRow(r) && IsElementRow(r - 1) &&
               ladder_.GetCell(r, c)->VLine();
    }
    static bool Conducts(const CLDCell& cell) {
        return cell.IsHLine() || cell.IsCoil() || cell.IsContact() ||
               (cell.IsFunc() && FuncOutputCount(cell.Code()) > 0);
    }
    template <typename F>
    void ForEachCell(int r, F&& visit) const {
        if (!IsElementRow(r)) {
            return;
        }
        for (int c = 0; c < LADDER_WIDTH;) {
            const CLDCell& cell = *ladder_.GetCell(r, c);
            visit(c, cell);
            c += FuncWidth(cell);
        }
    }

    const CLadder& ladder_;
};

// The stack machine: loads and stack loads push, AND/OR change the top, AND.STK/OR.STK combine
// the top two, coils read the top, a block pops its inputs and pushes its output. False when
// an instruction needs a value the stack does not hold.
bool RunStackMachine(const CLDCmdList& cmds, const CAssignment& inputs, COutcome& outcome) {
    std::vector<bool> stack;
    for (std::size_t i = 0; i < cmds.GetCount(); ++i) {
        const CLDCmd& cmd = cmds[i];
        if (cmd.kind == LDCMD_FUNC) {
            const auto n = static_cast<std::size_t>(FuncInputCount(cmd.code));
            if (stack.size() < n || i + 1 >= cmds.GetCount()) {
                return false;
            }
            std::vector<bool> blockInputs(stack.end() - static_cast<std::ptrdiff_t>(n),
                                          stack.end());
            stack.resize(stack.size() - n);
            outcome.blocks[cmds[i + 1].Constant()] = blockInputs;
            if (FuncOutputCount(cmd.code) > 0) {
                stack.push_back(BlockOutput(cmd.code, blockInputs));
            }
            continue;
        }
        if (cmd.kind != LDCMD_BASIC) {
            continue;
        }
        switch (cmd.code) {
            case BASIC_AND_STK:
            case BASIC_OR_STK: {
                if (stack.size() < 2) {
                    return false;
                }
                const bool b = stack.back();
                stack.pop_back();
                stack.back() =
                    cmd.code == BASIC_AND_STK ? (stack.back() && b) : (stack.back() || b);
                continue;
            }
            case BASIC_WRT:
            case BASIC_WRT_NOT:
            case BASIC_SET:
            case BASIC_RST:
                if (stack.empty() || outcome.coils.contains(cmd.operand)) {
                    return false;
                }
                outcome.coils[cmd.operand] = stack.back();
                continue;
            default:
                break;
        }
        const bool raw = inputs.at(SignalOf(cmd));
        const bool value = Inverted(cmd.code) ? !raw : raw;
        switch (cmd.code) {
            case BASIC_RD:
            case BASIC_RD_NOT:
            case BASIC_RDPT:
            case BASIC_RDNT:
            case BASIC_RD_STK:
            case BASIC_RD_NOT_STK:
            case BASIC_RDPT_STK:
            case BASIC_RDNT_STK:
                stack.push_back(value);
                break;
            case BASIC_AND:
            case BASIC_AND_NOT:
            case BASIC_ANDPT:
            case BASIC_ANDNT:
                if (stack.empty()) {
                    return false;
                }
                stack.back() = stack.back() && value;
                break;
            default:
                if (stack.empty()) {
                    return false;
                }
                stack.back() = stack.back() || value;
                break;
        }
    }
    return true;
}

std::set<CSignal> Signals(const CLDCmdList& cmds, const CLadder& ladder) {
    std::set<CSignal> signals;
    for (int r = 0; r < ladder.RowCount(); ++r) {
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            const CLDCell& cell = *ladder.GetCell(r, c);
            if (cell.IsContact()) {
                signals.insert(SignalOf(cell.Element()));
            }
        }
    }
    for (const CLDCmd& cmd : cmds) {
        if (cmd.kind == LDCMD_BASIC && cmd.code != BASIC_AND_STK && cmd.code != BASIC_OR_STK &&
            (cmd.code < BASIC_WRT || cmd.code > BASIC_RST)) {
            signals.insert(SignalOf(cmd));
        }
    }
    return signals;
}

// Whether the instructions compute the drawing for every combination of the signals.
bool ComputesDrawing(const CLadder& ladder, const CLDCmdList& cmds,
                     const std::set<CSignal>& signals, std::string& failure) {
    const std::vector<CSignal> list(signals.begin(), signals.end());
    CPowerFlow drawing(ladder);
    for (std::uint32_t bits = 0; bits < (1u << list.size()); ++bits) {
        CAssignment inputs;
        for (std::size_t k = 0; k < list.size(); ++k) {
            inputs[list[k]] = ((bits >> k) & 1u) != 0;
        }
        COutcome code;
        if (!RunStackMachine(cmds, inputs, code)) {
            failure = "the instructions need a value the stack does not hold";
            return false;
        }
        COutcome expected = drawing.Run(inputs);
        if (code != expected) {
            failure = "inputs " + std::to_string(bits) + " give other outputs";
            return false;
        }
    }
    return true;
}

std::string Describe(const CLadder& ladder, const CLDCmdList& cmds) {
    std::string text;
    for (int r = 0; r < ladder.RowCount(); ++r) {
        text += "\n  ";
        for (int c = 0; c < LADDER_WIDTH; ++c) {
            const CLDCell& cell = *ladder.GetCell(r, c);
            text += cell.VLine() ? "|" : " ";
            text += std::to_string(cell.Kind()) + ":" + std::to_string(cell.Code()) + ":" +
                    std::to_string(cell.Element().operand);
        }
    }
    for (const std::string& line : Listing(cmds)) {
        text += "\n    " + line;
    }
    return text;
}

TEST(EmissionProperty, EveryAcceptedNetworkComputesItsDrawing) {
    constexpr int NETWORKS = 20000;
    constexpr std::size_t MAX_SIGNALS = 12;
    CNetworkMaker maker(20261209);
    int accepted = 0;
    int refusedByCheck = 0;
    int refusedButRight = 0;
    int refusedOtherwise = 0;
    int tooManyInputs = 0;
    for (int n = 0; n < NETWORKS; ++n) {
        auto ladder = maker.Make();
        CLDCmdList cmds;
        CErrorList errors;
        const bool ok = CompileLadder(*ladder, cmds, errors);
        const std::set<CSignal> signals = Signals(cmds, *ladder);
        if (signals.size() > MAX_SIGNALS) {
            ++tooManyInputs;
            continue;
        }
        bool refluence = false;
        for (const CErrorInfo& error : errors) {
            refluence = refluence || error.kind == ERR_REFLUENCE;
        }
        std::string failure;
        if (ok) {
            ++accepted;
            EXPECT_TRUE(ComputesDrawing(*ladder, cmds, signals, failure))
                << failure << Describe(*ladder, cmds);
        } else if (refluence) {
            ++refusedByCheck;
            // Only where one address sits in several cells can instructions that compute
            // something else per cell still compute the drawing.
            refusedButRight += ComputesDrawing(*ladder, cmds, signals, failure) ? 1 : 0;
        } else {
            ++refusedOtherwise;
        }
    }
    std::printf(
        "[ networks ] %d accepted and computing their drawing; %d refused as refluence errors "
        "(%d of them with instructions that were right after all); %d refused for other "
        "errors; %d skipped for more than %zu inputs\n",
        accepted, refusedByCheck, refusedButRight, refusedOtherwise, tooManyInputs, MAX_SIGNALS);
    EXPECT_GT(accepted, NETWORKS / 10);
    EXPECT_GT(refusedByCheck, 0);
}

}  // namespace
}  // namespace varno::test
