#include "compiler/emission_check.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "compiler/logic_diagram.h"
#include "model/catalog.h"
#include "model/ladder.h"

namespace varno {

namespace {

// Functions of up to six inputs as 64-bit truth tables: most networks are that small, and
// a table compares in one instruction.
struct CTruthTables {
    using Ref = std::uint64_t;
    static constexpr int MAX_VARS = 6;
    static constexpr Ref TRUE_REF = ~std::uint64_t{0};
    static constexpr Ref FALSE_REF = 0;
    static Ref Var(std::uint32_t index) {
        static constexpr Ref PATTERNS[MAX_VARS] = {0xAAAAAAAAAAAAAAAAull, 0xCCCCCCCCCCCCCCCCull,
                                                   0xF0F0F0F0F0F0F0F0ull, 0xFF00FF00FF00FF00ull,
                                                   0xFFFF0000FFFF0000ull, 0xFFFFFFFF00000000ull};
        return PATTERNS[index];
    }
    static Ref And(Ref a, Ref b) { return a & b; }
    static Ref Or(Ref a, Ref b) { return a | b; }
    static bool Overflowed() { return false; }
    void Reset() {}
};

// The decision diagrams for larger networks.
struct CDiagrams {
    using Ref = CLogicDiagram::Ref;
    static constexpr Ref TRUE_REF = CLogicDiagram::TRUE_REF;
    static constexpr Ref FALSE_REF = CLogicDiagram::FALSE_REF;
    Ref Var(std::uint32_t index) { return diagram.Var(index); }
    Ref And(Ref a, Ref b) { return diagram.And(a, b); }
    Ref Or(Ref a, Ref b) { return diagram.Or(a, b); }
    bool Overflowed() const { return diagram.Overflowed(); }
    void Reset() { diagram.Reset(); }
    CLogicDiagram diagram;
};

enum class CContactOp { LOAD, STACK, AND, OR, NONE };

CContactOp ContactOp(std::uint8_t code) {
    switch (code) {
        case BASIC_RD:
        case BASIC_RD_NOT:
        case BASIC_RDPT:
        case BASIC_RDNT:
            return CContactOp::LOAD;
        case BASIC_RD_STK:
        case BASIC_RD_NOT_STK:
        case BASIC_RDPT_STK:
        case BASIC_RDNT_STK:
            return CContactOp::STACK;
        case BASIC_AND:
        case BASIC_AND_NOT:
        case BASIC_ANDPT:
        case BASIC_ANDNT:
            return CContactOp::AND;
        case BASIC_OR:
        case BASIC_OR_NOT:
        case BASIC_ORPT:
        case BASIC_ORNT:
            return CContactOp::OR;
        default:
            return CContactOp::NONE;
    }
}

constexpr int POINT_COLUMNS = LADDER_WIDTH + 1;
constexpr int NO_VAR = -1;

// The rows of one network as the check reads them: for every position where a cell starts on
// an element row, the cell and, for a contact or block, its input index.
struct CNetworkCells {
    int first = 0;
    int end = 0;
    std::vector<const CLDRow*> rows;    // null for comment rows
    std::vector<const CLDCell*> cells;  // by position: null where no cell starts
    std::vector<int> vars;              // by position: input index, or NO_VAR
    int varCount = 0;
    bool anyVLine = false;

    void Read(const CLadder& ladder, int first_, int end_) {
        first = first_;
        end = end_;
        const auto count = static_cast<std::size_t>(end - first);
        rows.assign(count, nullptr);
        cells.assign(count * LADDER_WIDTH, nullptr);
        vars.assign(count * LADDER_WIDTH, NO_VAR);
        anyVLine = false;
        // Later rows and columns get smaller indexes: the diagrams then grow at their top as
        // power is followed left to right and down the rows, which keeps each step short.
        int total = 0;
        for (int r = first; r < end; ++r) {
            const CLDRow* row = ladder.GetRow(r);
            if (row == nullptr || row->IsComment()) {
                continue;
            }
            rows[static_cast<std::size_t>(r - first)] = row;
            const CLDCell* rowCells = row->Cell(0);
            for (int c = 0; c < LADDER_WIDTH; ++c) {
                anyVLine = anyVLine || (c > 0 && r > first && rowCells[c].VLine());
            }
            for (int c = 0; c < LADDER_WIDTH;) {
                const CLDCell& cell = rowCells[c];
                cells[Index(r, c)] = &cell;
                if (cell.Kind() == LDCMD_FUNC) {
                    vars[Index(r, c)] = total++;
                    c += std::max(FuncWidth(cell), 1);
                    continue;
                }
                if (cell.IsContact()) {
                    vars[Index(r, c)] = total++;
                }
                ++c;
            }
        }
        varCount = total;
        for (int& v : vars) {
            v = v == NO_VAR ? NO_VAR : total - 1 - v;
        }
    }
    std::size_t Index(int r, int c) const {
        return static_cast<std::size_t>((r - first) * LADDER_WIDTH + c);
    }
    const CLDCell* At(int r, int c) const {
        return r >= first && r < end && c >= 0 && c < LADDER_WIDTH ? cells[Index(r, c)] : nullptr;
    }
    bool IsElementRow(int r) const {
        return r >= first && r < end && rows[static_cast<std::size_t>(r - first)] != nullptr;
    }
};

template <typename TAlgebra>
class CChecker {
public:
    using Ref = typename TAlgebra::Ref;

    // The row of the first difference, or -1.
    int Run(const CNetworkCells& cells, const CLDCmdList& out, std::size_t start,
            std::span<const CEmittedNode> trace) {
        cells_ = &cells;
        algebra_.Reset();
        written_.assign(cells.vars.size(), 0);
        if (!EvaluateDrawing()) {
            return cells.first;
        }
        int row = RunInstructions(out, start, trace);
        return row >= 0 ? row : MissingOutput();
    }

private:
    struct CEntry {
        Ref value;
        bool hidden;
    };
    // A cell leading from one wire (by root) to the next under a condition.
    struct CStep {
        std::size_t from;
        std::size_t to;
        Ref condition;
    };

    std::size_t Point(int r, int c) const {
        return static_cast<std::size_t>((r - cells_->first) * POINT_COLUMNS + c);
    }
    std::size_t Find(std::size_t point) {
        while (parent_[point] != point) {
            parent_[point] = parent_[parent_[point]];
            point = parent_[point];
        }
        return point;
    }
    void Join(std::size_t a, std::size_t b) {
        a = Find(a);
        b = Find(b);
        if (a != b) {
            parent_[std::max(a, b)] = std::min(a, b);
        }
    }
    void Feed(std::size_t point, Ref value) {
        const std::size_t root = Find(point);
        fed_[root] = hasFeed_[root] != 0 ? algebra_.Or(fed_[root], value) : value;
        hasFeed_[root] = 1;
    }
    Ref VarOf(int r, int c) {
        return algebra_.Var(static_cast<std::uint32_t>(cells_->vars[cells_->Index(r, c)]));
    }

    bool EvaluateDrawing();
    void FeedSteps();
    int RunInstructions(const CLDCmdList& out, std::size_t start,
                        std::span<const CEmittedNode> trace);
    int MissingOutput() const;
    bool Readable(std::size_t count) const {
        if (stack_.size() < count) {
            return false;
        }
        return std::none_of(stack_.end() - static_cast<std::ptrdiff_t>(count), stack_.end(),
                            [](const CEntry& e) { return e.hidden; });
    }

    const CNetworkCells* cells_ = nullptr;
    TAlgebra algebra_;
    std::vector<std::size_t> parent_;
    std::vector<Ref> fed_;  // by wire root: the OR of what flows in so far
    std::vector<std::uint8_t> hasFeed_;
    std::vector<Ref> power_;             // by point, once its column is done
    std::vector<std::uint8_t> written_;  // by cell: coil or block instructions seen
    std::vector<CEntry> stack_;
    std::vector<CStep> steps_;
};

template <typename TAlgebra>
bool CChecker<TAlgebra>::EvaluateDrawing() {
    const CNetworkCells& cells = *cells_;
    const auto points = static_cast<std::size_t>((cells.end - cells.first) * POINT_COLUMNS);
    parent_.resize(points);
    std::iota(parent_.begin(), parent_.end(), std::size_t{0});
    fed_.assign(points, TAlgebra::FALSE_REF);
    hasFeed_.assign(points, 0);
    power_.assign(points, TAlgebra::TRUE_REF);
    for (int r = cells.first + 1; cells.anyVLine && r < cells.end; ++r) {
        if (!cells.IsElementRow(r) || !cells.IsElementRow(r - 1)) {
            continue;
        }
        const CLDCell* rowCells = cells.rows[static_cast<std::size_t>(r - cells.first)]->Cell(0);
        for (int c = 1; c < LADDER_WIDTH; ++c) {
            if (rowCells[c].VLine()) {
                Join(Point(r - 1, c), Point(r, c));
            }
        }
    }
    // Every link runs to a later column, so the columns are done left to right; column 0 is
    // the rail on every row.
    for (int c = 0; c < LADDER_WIDTH; ++c) {
        for (int r = cells.first; c > 0 && r < cells.end; ++r) {
            const std::size_t root = Find(Point(r, c));
            if (hasFeed_[root] != 0) {
                power_[Point(r, c)] = fed_[root];
            }
        }
        for (int r = cells.first; r < cells.end; ++r) {
            const CLDCell* cell = cells.At(r, c);
            if (cell == nullptr) {
                continue;
            }
            const std::size_t from = Find(Point(r, c));
            if (cell->IsHLine() || cell->IsCoil()) {
                steps_.push_back({from, Find(Point(r, c + 1)), TAlgebra::TRUE_REF});
            } else if (cell->IsContact()) {
                steps_.push_back({from, Find(Point(r, c + 1)), VarOf(r, c)});
            } else if (cell->IsFunc() && FuncOutputCount(cell->Code()) > 0) {
                const int to = c + FuncWidth(*cell);
                if (to <= LADDER_WIDTH) {
                    Feed(Point(r, to), VarOf(r, c));
                }
            }
        }
        FeedSteps();
    }
    return !algebra_.Overflowed();
}

// Cells that join the same two wires are one parallel group: the power of the left wire is
// taken once, with the OR of their conditions, so that a tall mesh costs one step per wire and
// not one per row. Without vertical lines every cell has a wire of its own on each side.
template <typename TAlgebra>
void CChecker<TAlgebra>::FeedSteps() {
    if (cells_->anyVLine) {
        for (std::size_t i = 1; i < steps_.size(); ++i) {
            for (std::size_t j = i; j > 0 && (steps_[j].from < steps_[j - 1].from ||
                                              (steps_[j].from == steps_[j - 1].from &&
                                               steps_[j].to < steps_[j - 1].to));
                 --j) {
                std::swap(steps_[j], steps_[j - 1]);
            }
        }
    }
    for (std::size_t i = 0; i < steps_.size();) {
        Ref condition = steps_[i].condition;
        std::size_t j = i + 1;
        for (;
             j < steps_.size() && steps_[j].from == steps_[i].from && steps_[j].to == steps_[i].to;
             ++j) {
            condition = algebra_.Or(condition, steps_[j].condition);
        }
        Feed(steps_[i].to, algebra_.And(power_[steps_[i].from], condition));
        i = j;
    }
    steps_.clear();
}

template <typename TAlgebra>
int CChecker<TAlgebra>::RunInstructions(const CLDCmdList& out, std::size_t start,
                                        std::span<const CEmittedNode> trace) {
    const CNetworkCells& cells = *cells_;
    stack_.clear();
    std::size_t next = 0;
    int lastRow = cells.first;
    for (std::size_t i = start; i < out.GetCount(); ++i) {
        const CLDCmd& cmd = out[i];
        const CEmittedNode* node = nullptr;
        if (next < trace.size() && trace[next].index == i) {
            node = &trace[next++];
            lastRow = node->row;
        }
        if (cmd.kind == LDCMD_OPERAND) {
            continue;
        }
        if (cmd.kind == LDCMD_BASIC && (cmd.code == BASIC_AND_STK || cmd.code == BASIC_OR_STK)) {
            if (node != nullptr || !Readable(2)) {
                return lastRow;
            }
            const Ref b = stack_.back().value;
            stack_.pop_back();
            Ref& a = stack_.back().value;
            a = cmd.code == BASIC_OR_STK ? algebra_.Or(a, b) : algebra_.And(a, b);
            continue;
        }
        const CLDCell* at = node != nullptr ? cells.At(node->row, node->column) : nullptr;
        if (at == nullptr) {
            return lastRow;
        }
        const int r = node->row;
        const int c = node->column;
        const CLDCell& cell = *at;
        if (cmd.kind == LDCMD_FUNC && cell.IsFunc()) {
            const int inputs = FuncInputCount(cmd.code);
            if (inputs < 0 || !Readable(static_cast<std::size_t>(inputs))) {
                return r;
            }
            const std::size_t base = stack_.size() - static_cast<std::size_t>(inputs);
            for (int k = 0; k < inputs; ++k) {
                if (!cells.IsElementRow(r + k) ||
                    stack_[base + static_cast<std::size_t>(k)].value != power_[Point(r + k, c)]) {
                    return r;
                }
            }
            stack_.resize(base);
            if (FuncOutputCount(cmd.code) > 0) {
                stack_.push_back({VarOf(r, c), false});
            }
            ++written_[cells.Index(r, c)];
            continue;
        }
        if (cmd.kind != LDCMD_BASIC) {
            return r;
        }
        if (cell.IsCoil()) {
            if (!Readable(1) || stack_.back().value != power_[Point(r, c)]) {
                return r;
            }
            ++written_[cells.Index(r, c)];
            continue;
        }
        const CContactOp op = ContactOp(cmd.code);
        if (!cell.IsContact() || op == CContactOp::NONE) {
            return r;
        }
        const Ref var = VarOf(r, c);
        if (op == CContactOp::LOAD || op == CContactOp::STACK) {
            if (op == CContactOp::LOAD) {
                for (CEntry& entry : stack_) {
                    entry.hidden = true;
                }
            }
            stack_.push_back({var, false});
        } else if (!Readable(1)) {
            return r;
        } else {
            Ref& top = stack_.back().value;
            top = op == CContactOp::OR ? algebra_.Or(top, var) : algebra_.And(top, var);
        }
    }
    return algebra_.Overflowed() ? cells.first : -1;
}

template <typename TAlgebra>
int CChecker<TAlgebra>::MissingOutput() const {
    const CNetworkCells& cells = *cells_;
    for (std::size_t i = 0; i < cells.cells.size(); ++i) {
        const CLDCell* cell = cells.cells[i];
        if (cell != nullptr && (cell->IsCoil() || cell->IsFunc()) && written_[i] != 1) {
            return cells.first + static_cast<int>(i / LADDER_WIDTH);
        }
    }
    return -1;
}

}  // namespace

struct CEmissionCheck::CState {
    CNetworkCells cells;
    CChecker<CTruthTables> small;
    CChecker<CDiagrams> large;
};

CEmissionCheck::CEmissionCheck() : state_(std::make_unique<CState>()) {}

CEmissionCheck::~CEmissionCheck() = default;

bool CEmissionCheck::Check(const CLadder& ladder, int first, int end, const CLDCmdList& out,
                           std::size_t start, std::span<const CEmittedNode> trace,
                           CErrorList& errors) {
    state_->cells.Read(ladder, first, end);
    const int row = state_->cells.varCount <= CTruthTables::MAX_VARS
                        ? state_->small.Run(state_->cells, out, start, trace)
                        : state_->large.Run(state_->cells, out, start, trace);
    if (row < 0) {
        return true;
    }
    errors.Add(row, ERR_REFLUENCE);
    return false;
}

}  // namespace varno
