#include "model/ladder_list.h"

#include <algorithm>
#include <unordered_map>

#include "model/address.h"
#include "model/catalog.h"
#include "platform/string_table.h"

namespace varno {

namespace {

CLDCell BlockHead(std::uint8_t number) {
    CLDCmd head;
    head.kind = LDCMD_FUNC;
    head.code = number;
    return CLDCell(head);
}

}  // namespace

int ProgramOrderKey(const std::string& name) {
    if (name == LoadString(IDS_LEVEL1)) {
        return -2;
    }
    if (name == LoadString(IDS_LEVEL2)) {
        return -1;
    }
    LDADDR addr;
    if (!ParseAddress(name, addr)) {
        return 0;
    }
    return addr.letter == 'P' ? addr.number : -3;
}

CLadder& CLadderList::AddSorted(std::unique_ptr<CLadder> program) {
    const int key = ProgramOrderKey(program->Name());
    std::size_t at = 0;
    while (at < GetCount() && ProgramOrderKey(GetAt(at)->Name()) <= key) {
        ++at;
    }
    return InsertAt(at, std::move(program));
}

void CLadderList::ReplaceAndAddAll(std::vector<std::unique_ptr<CLadder>> programs) {
    // Of several new programs with one name only the last survives; it goes in at the end of
    // its key's group because it was added after everything already there.
    std::unordered_map<std::string, std::size_t> last;
    for (std::size_t i = 0; i < programs.size(); ++i) {
        last[programs[i]->Name()] = i;
    }
    struct CEntry {
        int key;
        std::unique_ptr<CLadder> program;
    };
    std::vector<CEntry> merged;
    merged.reserve(GetCount() + last.size());
    while (!IsEmpty()) {
        std::unique_ptr<CLadder> old = TakeAt(GetCount() - 1);
        if (!last.contains(old->Name())) {
            merged.push_back({ProgramOrderKey(old->Name()), std::move(old)});
        }
    }
    std::reverse(merged.begin(), merged.end());
    for (std::size_t i = 0; i < programs.size(); ++i) {
        if (last[programs[i]->Name()] == i) {
            merged.push_back({ProgramOrderKey(programs[i]->Name()), std::move(programs[i])});
        }
    }
    // The kept programs are in key order already; a stable sort places the new ones behind
    // the kept ones of equal key and keeps their own order.
    std::stable_sort(merged.begin(), merged.end(),
                     [](const CEntry& a, const CEntry& b) { return a.key < b.key; });
    for (CEntry& entry : merged) {
        AddTail(std::move(entry.program));
    }
}

CLadder* CLadderList::FindByName(const std::string& name) const {
    std::optional<std::size_t> at = FindPosition(name);
    return at ? GetAt(*at) : nullptr;
}

std::optional<std::size_t> CLadderList::FindPosition(const std::string& name) const {
    for (std::size_t i = 0; i < GetCount(); ++i) {
        if (GetAt(i)->Name() == name) {
            return i;
        }
    }
    return std::nullopt;
}

bool CLadderList::RemoveByName(const std::string& name) {
    std::optional<std::size_t> at = FindPosition(name);
    return at && RemoveAt(*at);
}

std::uint64_t CLadderList::TotalRows() const {
    std::uint64_t rows = 0;
    for (const CLadder& program : *this) {
        rows += static_cast<std::uint64_t>(program.RowCount());
    }
    return rows;
}

namespace {

CLadder& NewLevel(CLadderList& list, StrId name, std::uint8_t endNumber) {
    auto program = std::make_unique<CLadder>();
    program->SetName(LoadString(name));
    CLadder& added = list.AddSorted(std::move(program));
    added.PlaceBlock(0, 0, BlockHead(endNumber), true);
    return added;
}

}  // namespace

CLadder& CLadderList::NewLevel1() {
    return NewLevel(*this, IDS_LEVEL1, FUNC_END1);
}

CLadder& CLadderList::NewLevel2() {
    return NewLevel(*this, IDS_LEVEL2, FUNC_END2);
}

void CLadderList::ResetToNewProject() {
    DeleteAll();
    NewLevel1();
    NewLevel2();
}

CLadder* CLadderList::NewSubprogram(const std::string& name) {
    CLDCmd operand;
    if (!ParseProgramOperand(name, operand)) {
        return nullptr;
    }
    auto program = std::make_unique<CLadder>();
    CLDCell sp = BlockHead(FUNC_SP);
    sp.SetOperands(std::span<const CLDCmd>(&operand, 1));
    program->PlaceBlock(0, 0, sp, true);
    program->SetName(FormatOperand(operand, false));
    CLadder& added = AddSorted(std::move(program));
    added.PlaceBlock(2, 0, BlockHead(FUNC_SPE), true);
    return &added;
}

}  // namespace varno
