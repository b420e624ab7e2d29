#include "ladder_picture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "compiler/compile.h"
#include "model/address.h"
#include "model/catalog.h"

namespace varno::test {

namespace {

struct CToken {
    bool vline = false;
    std::string body;
};

std::vector<CToken> SplitRow(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    std::vector<CToken> tokens;
    for (const std::string& word : words) {
        if (word == "...") {
            std::size_t fill = LADDER_WIDTH - (words.size() - 1);
            if (words.size() - 1 > LADDER_WIDTH) {
                ADD_FAILURE() << "row too long: " << text;
                fill = 0;
            }
            tokens.insert(tokens.end(), fill, CToken{false, "-"});
            continue;
        }
        bool vline = word.starts_with("|");
        tokens.push_back(CToken{vline, vline ? word.substr(1) : word});
    }
    if (tokens.size() > LADDER_WIDTH) {
        ADD_FAILURE() << "row has more than eight cells: " << text;
        tokens.resize(LADDER_WIDTH);
    }
    return tokens;
}

LDADDR ContactAddress(const std::string& text) {
    if (text.size() == 1 && text[0] >= 'A' && text[0] <= 'W') {
        int index = text[0] - 'A';
        return LDADDR{'X', static_cast<std::int8_t>(index % 8),
                      static_cast<std::uint16_t>(index / 8)};
    }
    LDADDR addr;
    if (!ParseAddress(text, addr)) {
        ADD_FAILURE() << "bad contact address " << text;
    }
    return addr;
}

LDADDR CoilAddress(const std::string& text) {
    if (text == "Y") {
        return LDADDR{'Y', 0, 0};
    }
    if (text.size() == 2 && text[0] == 'Y' && text[1] >= '0' && text[1] <= '7') {
        return LDADDR{'Y', static_cast<std::int8_t>(text[1] - '0'), 0};
    }
    LDADDR addr;
    if (!ParseAddress(text, addr)) {
        ADD_FAILURE() << "bad coil address " << text;
    }
    return addr;
}

CLDCmd BasicCell(const std::string& body) {
    if (body.starts_with("(") && body.ends_with(")")) {
        std::string inner = body.substr(1, body.size() - 2);
        std::uint8_t code = BASIC_WRT;
        if (inner.starts_with("/")) {
            code = BASIC_WRT_NOT;
            inner.erase(0, 1);
        } else if (inner.starts_with("S:")) {
            code = BASIC_SET;
            inner.erase(0, 2);
        } else if (inner.starts_with("R:")) {
            code = BASIC_RST;
            inner.erase(0, 2);
        }
        LDADDR addr = CoilAddress(inner);
        return CLDCmd::Basic(code, addr.letter, addr.number, addr.bit);
    }
    std::string name = body;
    std::uint8_t code = BASIC_RD;
    if (name.starts_with("/")) {
        code = BASIC_RD_NOT;
        name.erase(0, 1);
    } else if (name.starts_with("P:")) {
        code = BASIC_RDPT;
        name.erase(0, 2);
    } else if (name.starts_with("N:")) {
        code = BASIC_RDNT;
        name.erase(0, 2);
    }
    LDADDR addr = ContactAddress(name);
    return CLDCmd::Basic(code, addr.letter, addr.number, addr.bit);
}

// "[NAME:op,op]" to a head cell with its operand records.
CLDCell BlockCell(const std::string& body) {
    std::string inner = body.substr(1, body.size() - 2);
    std::string name = inner.substr(0, inner.find(':'));
    CLDCmd head;
    if (!FindFuncByName(name, head)) {
        ADD_FAILURE() << "unknown block " << name;
    }
    std::vector<CLDCmd> operands;
    if (std::size_t colon = inner.find(':'); colon != std::string::npos) {
        std::istringstream in(inner.substr(colon + 1));
        for (std::string text; std::getline(in, text, ',');) {
            CLDCmd op;
            if (!ParseOperand(text, op)) {
                ADD_FAILURE() << "bad operand " << text;
            }
            op.kind = LDCMD_OPERAND;
            operands.push_back(op);
        }
    }
    CLDCell cell(head);
    EXPECT_TRUE(cell.SetOperands(operands)) << body;
    return cell;
}

std::string AddressName(const LDADDR& addr) {
    if (addr.letter == 'X' && addr.bit >= 0 && addr.number * 8 + addr.bit < 23) {
        return std::string(1, static_cast<char>('A' + addr.number * 8 + addr.bit));
    }
    if (addr.letter == 'Y' && addr.number == 0 && addr.bit >= 0) {
        return addr.bit == 0 ? "Y" : "Y" + std::to_string(addr.bit);
    }
    return FormatAddress(addr, true);
}

}  // namespace

std::unique_ptr<CLadder> LadderFromPicture(const CPicture& picture, const std::string& name) {
    auto ladder = std::make_unique<CLadder>();
    ladder->SetName(name);
    std::vector<std::vector<CToken>> rows;
    for (const std::string& text : picture) {
        int index = ladder->RowCount();
        if (text.starts_with("//")) {
            CLDRow comment(text.substr(2), "");
            ladder->InsertRow(index, &comment);
            rows.emplace_back();
        } else {
            ladder->InsertRow(index);
            rows.push_back(SplitRow(text));
        }
    }
    // Blocks first: they need their whole area empty.
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            const std::string& body = rows[r][c].body;
            if (body.starts_with("[")) {
                EXPECT_NE(ladder->PlaceBlock(r, c, BlockCell(body), false), nullptr)
                    << "block at " << r << "," << c;
            }
        }
    }
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            const std::string& body = rows[r][c].body;
            if (body == "-") {
                CLDCmd line;
                line.kind = LDCMD_HLINE;
                EXPECT_NE(ladder->PutElement(r, c, CLDCell(line)), nullptr);
            } else if (body == "#") {
                std::uint8_t kind = ladder->GetCell(r, c)->Kind();
                EXPECT_TRUE(kind == LDCMD_NONE || kind == LDCMD_FUNC_END)
                    << "no block covers " << r << "," << c;
            } else if (body == ">") {
                EXPECT_EQ(ladder->GetCell(r, c)->Kind(), LDCMD_FUNC_INPUT)
                    << "no control input at " << r << "," << c;
            } else if (body != "." && !body.starts_with("[")) {
                EXPECT_NE(ladder->PutElement(r, c, CLDCell(BasicCell(body))), nullptr);
            }
            if (rows[r][c].vline) {
                EXPECT_TRUE(ladder->SetVLine(r, c));
            }
        }
    }
    return ladder;
}

std::vector<std::string> Listing(const CLDCmdList& cmds) {
    std::vector<std::string> lines;
    for (const CLDCmd& cmd : cmds) {
        switch (cmd.kind) {
            case LDCMD_BASIC: {
                std::string line(BasicMnemonic(cmd.code));
                if (line.empty()) {
                    line = "code" + std::to_string(cmd.code);
                }
                if (cmd.code != BASIC_NONE && cmd.code != BASIC_AND_STK &&
                    cmd.code != BASIC_OR_STK) {
                    line += " " + AddressName(cmd.Address());
                }
                lines.push_back(line);
                break;
            }
            case LDCMD_FUNC:
                lines.emplace_back(FuncName(cmd.code).value_or("func"));
                break;
            case LDCMD_OPERAND:
                lines.push_back("(" + FormatOperand(cmd, false) + ")");
                break;
            default:
                lines.push_back("kind" + std::to_string(cmd.kind));
                break;
        }
    }
    return lines;
}

CCompiled CompilePicture(const CPicture& picture) {
    auto ladder = LadderFromPicture(picture);
    CLDCmdList out;
    CErrorList errors;
    errors.SetProgramName(ladder->Name());
    CCompiled result;
    result.ok = CompileLadder(*ladder, out, errors);
    result.listing = Listing(out);
    result.errors.assign(errors.begin(), errors.end());
    return result;
}

}  // namespace varno::test

namespace varno {
void PrintTo(const CErrorInfo& error, std::ostream* os) {
    *os << error.program << ":" << error.row << ":kind" << error.kind;
}
}  // namespace varno
