#include "compiler/instruction_file.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

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

// Writes the digits of a value as "%0*d" prints them, a minus sign, then at least minDigits
// digits, at `at`; returns the end. Room for MAX_DECIMAL bytes.
constexpr std::size_t MAX_DECIMAL = 21;
char* PutDecimal(char* at, std::int64_t value, int minDigits) {
    char digits[20];
    int count = 0;
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        *at++ = '-';
        --minDigits;
    }
    for (int i = count; i < minDigits; ++i) {
        *at++ = '0';
    }
    while (count > 0) {
        *at++ = digits[--count];
    }
    return at;
}

// FormatAddress written in place: only the letter can change case, as the rest are digits and
// a dot. Room for a letter, a number, a dot and a bit.
constexpr std::size_t MAX_ADDRESS = 2 + 2 * MAX_DECIMAL;
char* PutAddress(char* at, const LDADDR& addr, bool withBit) {
    if (addr.letter == 0) {
        return at;
    }
    const char letter = static_cast<char>(addr.letter);
    *at++ = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    // Nearly every address has a four-digit number and a one-digit bit.
    if (addr.number < 10000) {
        const std::uint16_t high = addr.number / 100;
        const std::uint16_t low = addr.number % 100;
        *at++ = static_cast<char>('0' + high / 10);
        *at++ = static_cast<char>('0' + high % 10);
        *at++ = static_cast<char>('0' + low / 10);
        *at++ = static_cast<char>('0' + low % 10);
    } else {
        at = PutDecimal(at, addr.number, 4);
    }
    if (withBit && addr.bit >= 0) {
        *at++ = '.';
        if (addr.bit < 10) {
            *at++ = static_cast<char>('0' + addr.bit);
        } else {
            at = PutDecimal(at, addr.bit, 1);
        }
    }
    return at;
}

// The most a line takes besides its mnemonic: blanks up to the operand column, the operand
// and the line end.
constexpr std::size_t MAX_LINE_REST = MNEMONIC_WIDTH + MAX_ADDRESS + 2;

char* PutInstructionLine(char* at, const CLDCmd& cmd, std::string_view mnemonic) {
    at = std::copy(mnemonic.begin(), mnemonic.end(), at);
    if (mnemonic.size() < MNEMONIC_WIDTH) {
        at = std::fill_n(at, MNEMONIC_WIDTH - mnemonic.size(), ' ');
    }
    if (cmd.kind == LDCMD_BASIC) {
        if (cmd.code != BASIC_NONE && cmd.code != BASIC_AND_STK && cmd.code != BASIC_OR_STK) {
            at = PutAddress(at, cmd.Address(), true);
        }
    } else if (cmd.kind == LDCMD_OPERAND) {
        if (cmd.code == LDOPD_ADDR) {
            at = PutAddress(at, cmd.Address(), false);
        } else {
            at = PutDecimal(at, cmd.Constant(), 1);
        }
    }
    return at;
}

// Room for `most` bytes in `text` from `at` on: text.data() + at.
char* Room(std::string& text, std::size_t at, std::size_t most) {
    if (text.size() - at < most) {
        text.resize(std::max(2 * text.size(), at + most));
    }
    return text.data() + at;
}

// The rung separator split around its one number, so that a rung costs two copies; an edition
// whose text is not of that shape is formatted line by line.
class CSeparator {
public:
    explicit CSeparator(const std::string& format) : format_(format) {
        const std::size_t percent = format.find('%');
        split_ = percent != std::string::npos && format.compare(percent, 2, "%d") == 0 &&
                 format.find('%', percent + 1) == std::string::npos;
        if (split_) {
            prefix_ = std::string_view(format).substr(0, percent);
            suffix_ = std::string_view(format).substr(percent + 2);
        }
    }
    // Writes the separator of the rung into `text` at `at`; returns where it ends.
    std::size_t Put(std::string& text, std::size_t at, int rung) const {
        if (!split_) {
            const std::string line = Format(format_.c_str(), rung);
            std::copy(line.begin(), line.end(), Room(text, at, line.size()));
            return at + line.size();
        }
        char* end = Room(text, at, prefix_.size() + MAX_DECIMAL + suffix_.size());
        end = std::copy(prefix_.begin(), prefix_.end(), end);
        end = PutDecimal(end, rung, 1);
        end = std::copy(suffix_.begin(), suffix_.end(), end);
        return static_cast<std::size_t>(end - text.data());
    }

private:
    const std::string& format_;
    bool split_ = false;
    std::string_view prefix_;
    std::string_view suffix_;
};

}  // namespace

std::string InstructionLine(const CLDCmd& cmd) {
    const std::string_view mnemonic = FileMnemonic(cmd);
    std::string line(mnemonic.size() + MAX_LINE_REST, '\0');
    line.resize(
        static_cast<std::size_t>(PutInstructionLine(line.data(), cmd, mnemonic) - line.data()));
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

// Writes the text of cmds[begin, end) at the start of `room`, which grows when it has to; the
// rungs are numbered on from `rungs`, which ends at the last one. Returns the text's size.
std::size_t PutListPiece(std::string& room, const CLDCmdList& cmds, std::size_t begin,
                         std::size_t end, int& rungs) {
    const CSeparator separator(LoadString(IDS_RUNG_SEPARATOR));
    // An instruction line is about 20 bytes and a rung's separator about 40, one to every few
    // lines: room for that is made ahead, and lines are written in place.
    constexpr std::size_t BYTES_PER_INSTRUCTION = 48;
    room.resize(std::max(room.size(), (end - begin) * BYTES_PER_INSTRUCTION));
    std::size_t at = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const CLDCmd& cmd = cmds[i];
        if (StartsRung(cmd)) {
            at = separator.Put(room, at, ++rungs);
        }
        const std::string_view mnemonic = FileMnemonic(cmd);
        char* line = Room(room, at, mnemonic.size() + MAX_LINE_REST);
        line = PutInstructionLine(line, cmd, mnemonic);
        *line++ = '\r';
        *line++ = '\n';
        at = static_cast<std::size_t>(line - room.data());
    }
    return at;
}

}  // namespace

std::string InstructionListText(const CLDCmdList& cmds) {
    std::string text;
    int rungs = 0;
    text.resize(PutListPiece(text, cmds, 0, cmds.GetCount(), rungs));
    return text;
}

void WriteInstructionList(const std::string& path, const CLDCmdList& cmds) {
    // Formatted and written block by block through one buffer, so that the text is never held
    // whole.
    constexpr std::size_t BLOCK_INSTRUCTIONS = 8192;
    SaveFileAtomically(path, [&](CArchive& ar) {
        std::string room;
        int rungs = 0;
        for (std::size_t begin = 0; begin < cmds.GetCount(); begin += BLOCK_INSTRUCTIONS) {
            const std::size_t size = PutListPiece(
                room, cmds, begin, std::min(begin + BLOCK_INSTRUCTIONS, cmds.GetCount()), rungs);
            ar.Write(room.data(), size);
        }
    });
}

}  // namespace varno
