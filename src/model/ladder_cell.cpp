#include "model/ladder_cell.h"

#include <algorithm>
#include <atomic>
#include <new>

#include "model/catalog.h"

namespace varno {

namespace {

std::atomic<std::uint64_t> g_layoutEpoch{0};
thread_local int g_detachedDepth = 0;

}  // namespace

std::uint64_t LayoutEpoch() {
    return g_layoutEpoch.load(std::memory_order_relaxed);
}

void TouchLayout() {
    if (g_detachedDepth == 0) {
        g_layoutEpoch.fetch_add(1, std::memory_order_relaxed);
    }
}

CDetachedCellEdits::CDetachedCellEdits() {
    ++g_detachedDepth;
}

CDetachedCellEdits::~CDetachedCellEdits() {
    --g_detachedDepth;
}

bool CLDCell::ShapeChanges(const CLDCmd& next) const {
    return element_.kind == LDCMD_FUNC || next.kind == LDCMD_FUNC || element_.vline != next.vline;
}

void CLDCell::SetElement(const CLDCmd& element) {
    if (ShapeChanges(element)) {
        TouchLayout();
    }
    element_ = element;
    if (element_.kind == LDCMD_FUNC) {
        element_.operand = 0;
    } else {
        FreeOperands();
    }
}

void CLDCell::SetElementKeepVLine(const CLDCmd& element) {
    CLDCmd next = element;
    next.vline = element_.vline;
    SetElement(next);
}

void CLDCell::SetVLine(bool on) {
    const std::uint8_t vline = on ? 1 : 0;
    if (element_.vline != vline) {
        TouchLayout();
        element_.vline = vline;
    }
}

void CLDCell::Clear() {
    SetElementKeepVLine(CLDCmd{});
}

void CLDCell::Copy(const CLDCell& other) {
    if (this == &other) {
        return;
    }
    if (ShapeChanges(other.element_)) {
        TouchLayout();
    }
    element_ = other.element_;
    operands_ = other.operands_;
}

CLDCell& CLDCell::operator=(CLDCell&& other) noexcept {
    if (this != &other) {
        if (ShapeChanges(other.element_)) {
            TouchLayout();
        }
        element_ = other.element_;
        operands_ = std::move(other.operands_);
    }
    return *this;
}

bool CLDCell::SetOperands(std::span<const CLDCmd> source) {
    int count = varno::FuncRecordCount(element_, source);
    if (source.size() < static_cast<std::size_t>(count)) {
        return false;
    }
    try {
        operands_.Assign(source.first(static_cast<std::size_t>(count)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    TouchLayout();
    return true;
}

void CLDCell::FreeOperands() {
    if (!operands_.empty()) {
        TouchLayout();
    }
    operands_.Clear();
}

bool CLDCell::SetOperand(int index, const CLDCmd& value) {
    if (index < 0 || static_cast<std::size_t>(index) >= operands_.size()) {
        return false;
    }
    CLDCmd& slot = operands_[static_cast<std::size_t>(index)];
    const CLDCmd old = slot;
    slot = value;
    if (static_cast<std::size_t>(varno::FuncRecordCount(element_, operands_.Span())) !=
        operands_.size()) {
        slot = old;
        return false;
    }
    TouchLayout();
    return true;
}

const CLDCmd* CLDCell::Operand(int index) const {
    if (!IsFunc() || index < 0 || index >= FuncOperandCount(element_.code) ||
        static_cast<std::size_t>(index) >= operands_.size()) {
        return nullptr;
    }
    return &operands_[static_cast<std::size_t>(index)];
}

namespace {

// Whether the address is one the batch edit aims at; shifts it unless testOnly.
bool ShiftOne(LDADDR& addr, char letter, int first, int last, int delta, bool testOnly) {
    if (addr.letter != static_cast<std::uint8_t>(letter) || addr.number < first ||
        addr.number > last) {
        return false;
    }
    if (!testOnly) {
        addr.number = static_cast<std::uint16_t>(addr.number + delta);
    }
    return true;
}

}  // namespace

bool CLDCell::ShiftAddress(char letter, int first, int last, int delta, bool testOnly) {
    if (element_.kind == LDCMD_BASIC) {
        LDADDR addr = element_.Address();
        bool hit = ShiftOne(addr, letter, first, last, delta, testOnly);
        element_.SetAddress(addr);
        return hit;
    }
    if (!IsFunc()) {
        return false;
    }
    bool affected = false;
    std::size_t catalogCount = std::min<std::size_t>(
        operands_.size(), static_cast<std::size_t>(FuncOperandCount(element_.code)));
    for (std::size_t i = 0; i < catalogCount; ++i) {
        CLDCmd& op = operands_[i];
        if (op.code != LDOPD_ADDR) {
            continue;
        }
        LDADDR addr = op.Address();
        if (ShiftOne(addr, letter, first, last, delta, testOnly)) {
            op.SetAddress(addr);
            affected = true;
        }
    }
    if (affected && !testOnly) {
        TouchLayout();
    }
    return affected;
}

int FuncWidth(const CLDCell& cell) {
    return FuncWidth(cell.Element());
}

int FuncHeight(const CLDCell& cell) {
    return FuncHeight(cell.Element(), cell.Operands());
}

int FuncTableLength(const CLDCell& cell) {
    return FuncTableLength(cell.Element(), cell.Operands());
}

int FuncRecordCount(const CLDCell& cell) {
    return FuncRecordCount(cell.Element(), cell.Operands());
}

}  // namespace varno
