#include "compiler/instruction_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <thread>
#include <vector>

#include "model/catalog.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/string_table.h"

namespace varno {

namespace {

constexpr std::size_t MNEMONIC_WIDTH = 11;

// Only basic instructions and functional heads have a mnemonic in the file; every other
// record, operands included, gets a blank one.
std::string_view FileMnemonic(const CLDCmd& cmd) {
    if (cmd.kind == LDCMD_BASIC && cmd.code < BASIC_CODE_COUNT) {
        return BasicMnemonic(cmd.code);
    }
    if (cmd.kind == LDCMD_FUNC && cmd.code < FUNC_SLOT_COUNT) {
        return FuncName(cmd.code).value_or("");
    }
    return " ";
}

// The digits of a value as "%0*d" prints them: a minus sign, then at least minDigits digits.
void AppendDecimal(std::string& text, std::int64_t value, int minDigits) {
    char digits[24];
    int count = 0;
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) {
        text += '-';
        --minDigits;
    }
    for (int i = count; i < minDigits; ++i) {
        text += '0';
    }
    while (count > 0) {
        text += digits[--count];
    }
}

// FormatAddress without its temporaries: only the letter can change case, as the rest are
// digits and a dot.
void AppendAddress(std::string& text, const LDADDR& addr, bool withBit) {
    if (addr.letter == 0) {
        return;
    }
    const char letter = static_cast<char>(addr.letter);
    text += letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    AppendDecimal(text, addr.number, 4);
    if (withBit && addr.bit >= 0) {
        text += '.';
        AppendDecimal(text, addr.bit, 1);
    }
}

void AppendInstructionLine(std::string& text, const CLDCmd& cmd) {
    const std::string_view mnemonic = FileMnemonic(cmd);
    text += mnemonic;
    if (mnemonic.size() < MNEMONIC_WIDTH) {
        text.append(MNEMONIC_WIDTH - mnemonic.size(), ' ');
    }
    if (cmd.kind == LDCMD_BASIC) {
        if (cmd.code != BASIC_NONE && cmd.code != BASIC_AND_STK && cmd.code != BASIC_OR_STK) {
            AppendAddress(text, cmd.Address(), true);
        }
    } else if (cmd.kind == LDCMD_OPERAND) {
        if (cmd.code == LDOPD_ADDR) {
            AppendAddress(text, cmd.Address(), false);
        } else {
            AppendDecimal(text, cmd.Constant(), 1);
        }
    }
}

// The rung separator split around its one number, so that a rung costs two appends; an edition
// whose text is not of that shape is formatted line by line.
struct CSeparator {
    explicit CSeparator(const std::string& format) : format_(format) {
        const std::size_t percent = format.find('%');
        split_ = percent != std::string::npos && format.compare(percent, 2, "%d") == 0 &&
                 format.find('%', percent + 1) == std::string::npos;
        if (split_) {
            prefix_ = std::string_view(format).substr(0, percent);
            suffix_ = std::string_view(format).substr(percent + 2);
        }
    }
    void Append(std::string& text, int rung) const {
        if (!split_) {
            text += Format(format_.c_str(), rung);
            return;
        }
        text += prefix_;
        AppendDecimal(text, rung, 1);
        text += suffix_;
    }

private:
    const std::string& format_;
    bool split_ = false;
    std::string_view prefix_;
    std::string_view suffix_;
};

}  // namespace

std::string InstructionLine(const CLDCmd& cmd) {
    std::string line;
    AppendInstructionLine(line, cmd);
    return line;
}

bool StartsRung(const CLDCmd& cmd) {
    if (cmd.kind == LDCMD_BASIC) {
        return cmd.code == BASIC_RD || cmd.code == BASIC_RD_NOT || cmd.code == BASIC_RDPT ||
               cmd.code == BASIC_RDNT;
    }
    return cmd.kind == LDCMD_FUNC && FuncInputCount(cmd.code) == 0;
}

namespace {

// Appends the text of cmds[begin, end), whose rungs are numbered on from rungsBefore.
void AppendListPiece(std::string& text, const CLDCmdList& cmds, std::size_t begin, std::size_t end,
                     int rungsBefore) {
    const CSeparator separator(LoadString(IDS_RUNG_SEPARATOR));
    // An instruction line is about 20 bytes and a rung's separator about 40, one to every few
    // lines. The estimate errs high: growing the text would copy all of it into fresh memory,
    // while room never written costs nothing.
    constexpr std::size_t BYTES_PER_INSTRUCTION = 48;
    text.reserve(text.size() + (end - begin) * BYTES_PER_INSTRUCTION);
    int rung = rungsBefore;
    for (std::size_t i = begin; i < end; ++i) {
        const CLDCmd& cmd = cmds[i];
        if (StartsRung(cmd)) {
            separator.Append(text, ++rung);
        }
        AppendInstructionLine(text, cmd);
        text += "\r\n";
    }
}

int RungsIn(const CLDCmdList& cmds, std::size_t begin, std::size_t end) {
    int rungs = 0;
    for (std::size_t i = begin; i < end; ++i) {
        rungs += StartsRung(cmds[i]) ? 1 : 0;
    }
    return rungs;
}

// Long lists are formatted in pieces on several threads; short ones in one.
constexpr std::size_t PIECE_INSTRUCTIONS = 32768;
constexpr std::size_t MAX_PIECES = 4;

// The file's bytes in consecutive pieces.
std::vector<std::string> ListPieces(const CLDCmdList& cmds) {
    const std::size_t count =
        std::clamp<std::size_t>(std::min<std::size_t>(cmds.GetCount() / PIECE_INSTRUCTIONS,
                                                      std::thread::hardware_concurrency()),
                                1, MAX_PIECES);
    std::vector<std::string> pieces(count);
    std::vector<std::jthread> threads;
    std::size_t begin = 0;
    int rungsBefore = 0;
    for (std::size_t p = 0; p < count; ++p) {
        const std::size_t end =
            p + 1 == count ? cmds.GetCount() : cmds.GetCount() / count * (p + 1);
        if (p + 1 == count) {
            AppendListPiece(pieces[p], cmds, begin, end, rungsBefore);
            break;
        }
        threads.emplace_back([&cmds, &piece = pieces[p], begin, end, rungsBefore] {
            AppendListPiece(piece, cmds, begin, end, rungsBefore);
        });
        rungsBefore += RungsIn(cmds, begin, end);
        begin = end;
    }
    return pieces;
}

}  // namespace

std::string InstructionListText(const CLDCmdList& cmds) {
    std::string text;
    for (const std::string& piece : ListPieces(cmds)) {
        text += piece;
    }
    return text;
}

void WriteInstructionList(const std::string& path, const CLDCmdList& cmds) {
    // The file is formatted block by block into two buffers used in turn: another thread
    // formats the next block while this one writes the last, so the text never has to be held
    // whole in fresh memory.
    constexpr std::size_t BLOCK_INSTRUCTIONS = 8192;
    const std::size_t count = cmds.GetCount();
    const std::size_t blocks =
        std::max<std::size_t>(1, (count + BLOCK_INSTRUCTIONS - 1) / BLOCK_INSTRUCTIONS);
    auto format = [&cmds, count](std::string& text, std::size_t block, int rungsBefore) {
        text.clear();
        const std::size_t begin = block * BLOCK_INSTRUCTIONS;
        AppendListPiece(text, cmds, begin, std::min(begin + BLOCK_INSTRUCTIONS, count),
                        rungsBefore);
    };
    SaveFileAtomically(path, [&](CArchive& ar) {
        std::array<std::string, 2> buffers;
        format(buffers[0], 0, 0);
        int rungsBefore = 0;
        for (std::size_t block = 0; block < blocks; ++block) {
            const std::size_t begin = block * BLOCK_INSTRUCTIONS;
            rungsBefore += RungsIn(cmds, begin, std::min(begin + BLOCK_INSTRUCTIONS, count));
            std::jthread next;
            if (block + 1 < blocks) {
                next = std::jthread(format, std::ref(buffers[(block + 1) % 2]), block + 1,
                                    rungsBefore);
            }
            ar.WriteBytes(buffers[block % 2]);
        }
    });
}

}  // namespace varno
