// CLDCell: one cell of a ladder row. It holds a CLDCmd element and, when the element is the head
// of a functional block (kind LDCMD_FUNC), the block's operand records: the catalog operands and
// then, for CODB, the table items. The head owns that array by value, so copying a cell copies
// the array and no two cells ever share one. The element's own operand field stays 0 for a head.
//
// Cell kinds: LDCMD_NONE empty; LDCMD_BASIC contact or coil with its LDADDR; LDCMD_FUNC block
// head (code = instruction number); LDCMD_FUNC_INPUT the block's left column on a row below the
// head that carries control input `code`; LDCMD_FUNC_END the block's last column on the head
// row; LDCMD_HLINE a horizontal wire. Byte 1 (vline) set means a vertical wire on the cell's
// left edge joining this row to the row above.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "model/catalog.h"
#include "model/ldcmd.h"

namespace varno {

// A head's operand records, owned and deep-copied; one pointer wide in the many cells that are
// not heads, which keeps long programs compact. The records are one block behind that pointer,
// after a record whose operand field counts them: reading a large program makes thousands.
class COperandArray {
public:
    COperandArray() = default;
    COperandArray(const COperandArray& other) : records_(Clone(other)) {}
    COperandArray& operator=(const COperandArray& other) {
        records_ = Clone(other);
        return *this;
    }
    COperandArray(COperandArray&&) noexcept = default;
    COperandArray& operator=(COperandArray&&) noexcept = default;

    std::span<const CLDCmd> Span() const {
        return records_ ? std::span<const CLDCmd>(records_.get() + 1, size())
                        : std::span<const CLDCmd>();
    }
    std::size_t size() const { return records_ ? records_[0].operand : 0; }
    bool empty() const { return size() == 0; }
    CLDCmd& operator[](std::size_t index) { return records_[index + 1]; }
    const CLDCmd& operator[](std::size_t index) const { return records_[index + 1]; }
    // Copies the records (none: the array is freed).
    void Assign(std::span<const CLDCmd> records) { records_ = Make(records); }
    void Clear() { records_.reset(); }

private:
    static std::unique_ptr<CLDCmd[]> Make(std::span<const CLDCmd> records) {
        if (records.empty()) {
            return nullptr;
        }
        auto block = std::make_unique<CLDCmd[]>(records.size() + 1);
        block[0].operand = static_cast<std::uint32_t>(records.size());
        std::copy(records.begin(), records.end(), block.get() + 1);
        return block;
    }
    static std::unique_ptr<CLDCmd[]> Clone(const COperandArray& other) {
        return Make(other.Span());
    }

    std::unique_ptr<CLDCmd[]> records_;
};

// A number that changes whenever anything that decides the shape of a ladder may have changed
// anywhere: a cell becoming or ceasing to be a block head, a head's operands, a vertical-line
// flag, a comment row's texts. Caches of display rows, block extents and rungs compare it to
// know they are still valid.
std::uint64_t LayoutEpoch();
void TouchLayout();

// Edits of cells that belong to no ladder yet (a block being built, a cell or row being read)
// cannot change any ladder's layout; inside this scope they leave LayoutEpoch alone, so that
// ladders keep their layouts instead of starting over.
class CDetachedCellEdits {
public:
    CDetachedCellEdits();
    ~CDetachedCellEdits();
    CDetachedCellEdits(const CDetachedCellEdits&) = delete;
    CDetachedCellEdits& operator=(const CDetachedCellEdits&) = delete;
};

class CLDCell {
public:
    CLDCell() = default;
    // A cell holding the element; a head gets no operands until SetOperands.
    explicit CLDCell(const CLDCmd& element) {
        CDetachedCellEdits detached;
        SetElement(element);
    }
    // Copies are deep (the operand array is duplicated).
    CLDCell(const CLDCell& other) : element_(other.element_), operands_(other.operands_) {}
    CLDCell& operator=(const CLDCell& other) {
        Copy(other);
        return *this;
    }
    // Moving hands the operand array over without copying it.
    CLDCell(CLDCell&& other) noexcept
        : element_(other.element_), operands_(std::move(other.operands_)) {}
    CLDCell& operator=(CLDCell&& other) noexcept;

    const CLDCmd& Element() const { return element_; }
    std::uint8_t Kind() const { return element_.kind; }
    std::uint8_t Code() const { return element_.code; }
    bool VLine() const { return element_.vline != 0; }
    LDADDR Address() const { return element_.Address(); }

    // Replaces bytes 0..7. A head's operand field is stored as 0 and its operand array kept
    // (give it one with SetOperands); any other kind drops the array.
    void SetElement(const CLDCmd& element);
    // As SetElement, but this cell keeps its own vertical-line flag.
    void SetElementKeepVLine(const CLDCmd& element);
    // Empties the cell (kind, code, reserved and operand 0, array freed); the flag is kept.
    void Clear();
    void SetVLine(bool on);

    // Deep copy of bytes 0..7 and the operand array.
    void Copy(const CLDCell& other);
    // Frees a head's operand array.
    void FreeOperands();
    // Gives a head its own copy of FuncRecordCount records taken from `source` (the CODB table
    // length is read from source[1]). Fails, leaving the cell unchanged, when the source holds
    // fewer records than that or memory runs out. A cell that is not a head gets no records.
    bool SetOperands(std::span<const CLDCmd> source);
    // All operand records of a head, catalog operands then table items.
    std::span<const CLDCmd> Operands() const { return operands_.Span(); }
    // The index-th catalog operand of a head, or null past the catalog's operand count.
    const CLDCmd* Operand(int index) const;
    // Replaces one record of a head's operand array (a catalog operand or a table item). False,
    // and no change, outside the array or when the value would change the number of records
    // the head owns (a CODB table length): SetOperands gives a block a new array.
    bool SetOperand(int index, const CLDCmd& value);

    // Inline: the compiler and the check ask this of every cell they walk.
    bool IsContact() const {
        return element_.kind == LDCMD_BASIC && element_.code < 32 &&
               (CONTACT_MASK >> element_.code & 1u) != 0;
    }
    bool IsCoil() const {
        return element_.kind == LDCMD_BASIC && element_.code >= BASIC_WRT &&
               element_.code <= BASIC_RST;
    }
    bool IsFunc() const { return element_.kind == LDCMD_FUNC; }
    bool IsEmpty() const { return element_.kind == LDCMD_NONE; }
    bool IsHLine() const { return element_.kind == LDCMD_HLINE; }

    // Batch address edit. The cell is affected when it is a contact or coil whose address has
    // the letter and a byte number in [first, last], or a head with a catalog operand that is
    // such an address. Unless testOnly, delta is added to each such byte number (16-bit wrap).
    bool ShiftAddress(char letter, int first, int last, int delta, bool testOnly);

private:
    static constexpr std::uint32_t CONTACT_MASK = [] {
        std::uint32_t mask = 0;
        for (const std::uint8_t code : CONTACT_CODES) {
            mask |= 1u << code;
        }
        return mask;
    }();

    // Whether replacing the element by `next` may change how the ladder is laid out or wired.
    bool ShapeChanges(const CLDCmd& next) const;

    CLDCmd element_;
    COperandArray operands_;
};

// Block geometry of a cell, read from the catalog and, for CODB, the cell's own operands. A cell
// that is not a head is 1 wide, 1 high and owns no records.
int FuncWidth(const CLDCell& cell);
int FuncHeight(const CLDCell& cell);
int FuncTableLength(const CLDCell& cell);
int FuncRecordCount(const CLDCell& cell);

}  // namespace varno
