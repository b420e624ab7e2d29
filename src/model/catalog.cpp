#include "model/catalog.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>

#include "model/address.h"
#include "model/catalog_data.h"
#include "platform/codepage.h"

namespace varno {

namespace {

struct CCatalog {
    std::array<std::optional<CFuncDescriptor>, FUNC_SLOT_COUNT> descriptors;
    std::array<std::vector<std::uint16_t>, CATEGORY_COUNT> members;
    std::array<CFuncCategory, CATEGORY_COUNT> categories;
};

CCatalog BuildCatalog() {
    CCatalog c;
    for (const auto& f : catalog_data::Functions()) {
        CFuncDescriptor d;
        d.width = f.width;
        d.height = f.height;
        d.output = f.output;
        for (std::string_view input : f.inputs) {
            if (!input.empty()) {
                d.inputNames.emplace_back(input);
            }
        }
        d.inputCount = static_cast<std::uint8_t>(d.inputNames.size());
        d.operandCount = static_cast<std::uint8_t>(std::count_if(
            f.hints.begin(), f.hints.end(), [](std::uint8_t key) { return key != 0; }));
        c.descriptors[f.number] = std::move(d);
    }
    const auto categories = catalog_data::Categories();
    for (std::size_t i = 0; i < categories.size(); ++i) {
        for (std::string_view name : categories[i].members) {
            if (name.empty()) {
                continue;
            }
            CLDCmd cmd;
            if (!FindFuncByName(name, cmd)) {
                throw std::logic_error("category member without an instruction");
            }
            c.members[i].push_back(cmd.code);
        }
        c.categories[i] = CFuncCategory{categories[i].title, c.members[i]};
    }
    return c;
}

const CCatalog& TheCatalog() {
    static const CCatalog catalog = BuildCatalog();
    return catalog;
}

std::array<std::optional<CFuncTexts>, FUNC_SLOT_COUNT> BuildTexts() {
    std::array<std::optional<CFuncTexts>, FUNC_SLOT_COUNT> texts;
    const auto hints = catalog_data::OperandHints();
    for (const auto& f : catalog_data::Functions()) {
        CFuncTexts& t = texts[f.number].emplace();
        t.description = Utf8ToGbk(f.description);
        for (std::uint8_t key : f.hints) {
            if (key != 0) {
                t.operandHints.push_back(Utf8ToGbk(hints[key - 1]));
            }
        }
    }
    return texts;
}

// Names only, so that building the categories can look members up by name.
const std::array<std::string_view, FUNC_SLOT_COUNT>& Names() {
    static const auto names = [] {
        std::array<std::string_view, FUNC_SLOT_COUNT> n{};
        for (const auto& f : catalog_data::Functions()) {
            n[f.number] = f.name;
        }
        return n;
    }();
    return names;
}

bool IsHead(const CLDCmd& cell) {
    return cell.kind == LDCMD_FUNC;
}

}  // namespace

std::string_view BasicMnemonic(int code) {
    const auto mnemonics = catalog_data::BasicMnemonics();
    if (code < 0 || code >= static_cast<int>(mnemonics.size())) {
        return {};
    }
    return mnemonics[static_cast<std::size_t>(code)];
}

std::optional<std::string_view> FuncName(int number) {
    if (number < 0 || number >= FUNC_SLOT_COUNT || Names()[number].empty()) {
        return std::nullopt;
    }
    return Names()[number];
}

const CFuncDescriptor* FuncDescriptor(int number) {
    if (number < 0 || number >= FUNC_SLOT_COUNT) {
        return nullptr;
    }
    const auto& d = TheCatalog().descriptors[number];
    return d ? &*d : nullptr;
}

const CFuncTexts* FuncTexts(int number) {
    if (number < 0 || number >= FUNC_SLOT_COUNT) {
        return nullptr;
    }
    static const auto texts = BuildTexts();
    const auto& t = texts[number];
    return t ? &*t : nullptr;
}

int FuncOperandCount(int number) {
    const CFuncDescriptor* d = FuncDescriptor(number);
    return d != nullptr ? d->operandCount : 0;
}

int FuncInputCount(int number) {
    const CFuncDescriptor* d = FuncDescriptor(number);
    return d != nullptr ? d->inputCount : 0;
}

int FuncOutputCount(int number) {
    const CFuncDescriptor* d = FuncDescriptor(number);
    return d != nullptr ? d->output : 0;
}

bool FindFuncByName(std::string_view text, CLDCmd& cmd) {
    std::string name = MbTrim(text);
    const auto& names = Names();
    for (int number = 0; number < FUNC_SLOT_COUNT; ++number) {
        if (!names[number].empty() && names[number] == name) {
            cmd = CLDCmd{};
            cmd.kind = LDCMD_FUNC;
            cmd.code = static_cast<std::uint8_t>(number);
            return true;
        }
    }
    return false;
}

const CFuncCategory& Category(int index) {
    return TheCatalog().categories.at(static_cast<std::size_t>(index));
}

std::string Mnemonic(const CLDCmd& cmd) {
    if (cmd.kind == LDCMD_FUNC) {
        if (cmd.code < FUNC_SLOT_COUNT) {
            return std::string(Names()[cmd.code]);
        }
    } else if (cmd.code < BASIC_CODE_COUNT) {
        return std::string(BasicMnemonic(cmd.code));
    }
    return " ";
}

std::string FormatInstruction(const CLDCmd& cmd) {
    std::string line = Format("%-11s", Mnemonic(cmd).c_str());
    if (cmd.kind == LDCMD_BASIC) {
        if (cmd.code != BASIC_NONE && cmd.code != BASIC_AND_STK && cmd.code != BASIC_OR_STK) {
            line += FormatAddress(cmd.Address(), true);
        }
    } else if (cmd.kind == LDCMD_OPERAND) {
        line += FormatOperand(cmd, false);
    }
    return line;
}

int FuncWidth(const CLDCmd& cell) {
    const CFuncDescriptor* d = IsHead(cell) ? FuncDescriptor(cell.code) : nullptr;
    return d != nullptr ? d->width : 1;
}

int FuncTableLength(const CLDCmd& cell, std::span<const CLDCmd> operands) {
    if (!IsHead(cell) || cell.code != FUNC_CODB || operands.size() < 2) {
        return 0;
    }
    // Kept well inside int so that the record count and the row count cannot overflow.
    constexpr std::int32_t LIMIT = std::numeric_limits<std::int32_t>::max() - 16;
    return std::clamp(operands[1].Constant(), 0, LIMIT);
}

int FuncHeight(const CLDCmd& cell, std::span<const CLDCmd> operands) {
    const CFuncDescriptor* d = IsHead(cell) ? FuncDescriptor(cell.code) : nullptr;
    if (d == nullptr) {
        return 1;
    }
    int length = FuncTableLength(cell, operands);
    int perRow = (!operands.empty() && operands[0].Constant() == 4) ? 4 : 6;
    return d->height + (length + perRow - 1) / perRow;
}

int FuncRecordCount(const CLDCmd& cell, std::span<const CLDCmd> operands) {
    if (!IsHead(cell)) {
        return 0;
    }
    return FuncOperandCount(cell.code) + FuncTableLength(cell, operands);
}

}  // namespace varno
