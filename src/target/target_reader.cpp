#include "target/target_reader.h"

#include <cstring>
#include <string_view>

#include "comments/compiled_comments.h"
#include "model/ladder_file.h"
#include "platform/archive.h"
#include "platform/codepage.h"

namespace varno {

namespace {

constexpr std::uint16_t PARAM_ENTRY_SIZE = 8;

bool HasTag(std::span<const std::uint8_t> bytes, const char* tag) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), tag, 4) == 0;
}

// Walks the file section by section; the first failure keeps its reason.
class CTargetParser {
public:
    explicit CTargetParser(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::optional<CTargetImage> Parse() {
        CTargetImage image;
        if (!FileHeader() || !Instructions(image)) {
            return std::nullopt;
        }
        if (Rest().size() < 4) {
            return Short("PAR");
        }
        if (HasTag(Rest(), "PAR")) {
            if (!Params(image)) {
                return std::nullopt;
            }
        } else if (!HasTag(Rest(), "CMT")) {
            return Expected("PAR");
        }
        if (!Comments(image) || !Version(image) || !Ladder(image)) {
            return std::nullopt;
        }
        if (pos_ != bytes_.size()) {
            return Fail(Format(LoadString(IDS_TARGET_TRAILING_DATA).c_str(), Offset()));
        }
        return image;
    }

    const std::string& Why() const { return why_; }

private:
    std::span<const std::uint8_t> Rest() const { return bytes_.subspan(pos_); }
    unsigned long long Offset() const { return pos_; }

    std::nullopt_t Fail(std::string why) {
        why_ = std::move(why);
        return std::nullopt;
    }
    std::nullopt_t Expected(const char* tag) {
        return Fail(Format(LoadString(IDS_TARGET_SECTION_EXPECTED).c_str(), Offset(), tag));
    }
    std::nullopt_t Short(const char* tag) {
        return Fail(Format(LoadString(IDS_TARGET_SECTION_SHORT).c_str(), tag, Offset()));
    }
    std::nullopt_t Damaged(const char* tag) {
        return Fail(Format(LoadString(IDS_TARGET_SECTION_DAMAGED).c_str(), tag, Offset()));
    }

    // A section with a 32-byte header whose u32 at offset 8 is its size: the tag, the header
    // size and that size against the bytes present. The section's bytes, or nullopt.
    std::optional<std::span<const std::uint8_t>> SizedSection(const char* tag) {
        std::span<const std::uint8_t> rest = Rest();
        if (!HasTag(rest, tag)) {
            return rest.size() < 4 ? Short(tag) : Expected(tag);
        }
        if (rest.size() < TARGET_HEADER_SIZE) {
            return Short(tag);
        }
        const auto size = ReadLe<std::uint32_t>(rest.data() + 8);
        if (ReadLe<std::uint16_t>(rest.data() + 4) != TARGET_HEADER_SIZE ||
            size < TARGET_HEADER_SIZE) {
            return Damaged(tag);
        }
        if (size > rest.size()) {
            return Short(tag);
        }
        return rest.first(size);
    }

    bool FileHeader() {
        if (!HasTag(bytes_, "PLC") || bytes_.size() < TARGET_HEADER_SIZE) {
            Fail(LoadString(IDS_TARGET_NOT_TARGET));
            return false;
        }
        if (ReadLe<std::uint16_t>(bytes_.data() + 4) != TARGET_HEADER_SIZE ||
            ReadLe<std::uint16_t>(bytes_.data() + 6) > TARGET_VERSION) {
            Damaged("PLC");
            return false;
        }
        pos_ = TARGET_HEADER_SIZE;
        return true;
    }

    bool Instructions(CTargetImage& image) {
        std::optional<std::span<const std::uint8_t>> section = SizedSection("EXE");
        if (!section) {
            return false;
        }
        const std::span<const std::uint8_t> records = section->subspan(TARGET_HEADER_SIZE);
        const auto count = ReadLe<std::uint32_t>(section->data() + 16);
        if (records.size() % sizeof(CLDCmd) != 0 || count != records.size() / sizeof(CLDCmd) ||
            ReadLe<std::uint32_t>(section->data() + 12) != TARGET_HEADER_SIZE ||
            count > TARGET_MAX_INSTRUCTIONS) {
            Damaged("EXE");
            return false;
        }
        std::uint32_t checksum = 0;
        for (std::uint8_t byte : records) {
            checksum += byte;
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            if (ReadLe<std::uint16_t>(records.data() + sizeof(CLDCmd) * i) !=
                static_cast<std::uint16_t>(i)) {
                Damaged("EXE");
                return false;
            }
        }
        if (checksum != ReadLe<std::uint32_t>(section->data() + 20)) {
            Fail(LoadString(IDS_TARGET_CHECKSUM));
            return false;
        }
        image.instructions = count;
        pos_ += section->size();
        return true;
    }

    // A sized section whose bytes `read` takes in whole; a section it refuses is damaged.
    template <class Read>
    bool Section(const char* tag, Read read) {
        std::optional<std::span<const std::uint8_t>> section = SizedSection(tag);
        if (!section) {
            return false;
        }
        if (!read(*section)) {
            Damaged(tag);
            return false;
        }
        pos_ += section->size();
        return true;
    }

    bool Params(CTargetImage& image) {
        return Section("PAR", [&](std::span<const std::uint8_t> section) {
            if (!ParamSectionSound(section)) {
                return false;
            }
            image.paramFile.emplace(reinterpret_cast<const char*>(section.data()), section.size());
            return true;
        });
    }

    bool Comments(CTargetImage& image) {
        return Section("CMT", [&](std::span<const std::uint8_t> section) {
            CMemReadArchive ar(section);
            return ReadCompiledComments(ar, image.comments) && ar.Remaining() == 0;
        });
    }

    bool Version(CTargetImage& image) {
        return Section("VER", [&](std::span<const std::uint8_t> section) {
            CMemReadArchive ar(section);
            return image.versions.ReadVersionBlock(ar) && ar.Remaining() == 0;
        });
    }

    bool Ladder(CTargetImage& image);

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    std::string why_;
};

bool CTargetParser::Ladder(CTargetImage& image) {
    const std::span<const std::uint8_t> rest = Rest();
    if (!HasTag(rest, "LAD")) {
        rest.size() < 4 ? Short("LAD") : Expected("LAD");
        return false;
    }
    if (rest.size() < TARGET_LADDER_HEADER_SIZE) {
        Short("LAD");
        return false;
    }
    const std::uint8_t* header = rest.data();
    const auto rows = ReadLe<std::uint16_t>(header + 16);
    const auto programs = ReadLe<std::uint16_t>(header + 22);
    const std::uint32_t tableEnd = TARGET_LADDER_HEADER_SIZE +
                                   TARGET_PROGRAM_ENTRY_SIZE * std::uint32_t{programs} +
                                   TARGET_ROW_ENTRY_SIZE * std::uint32_t{rows};
    if (ReadLe<std::uint16_t>(header + 4) != TARGET_LADDER_HEADER_SIZE ||
        ReadLe<std::uint16_t>(header + 6) > TARGET_VERSION ||
        ReadLe<std::uint16_t>(header + 20) != TARGET_PROGRAM_ENTRY_SIZE ||
        ReadLe<std::uint16_t>(header + 24) != TARGET_ROW_ENTRY_SIZE ||
        ReadLe<std::uint16_t>(header + 26) != rows ||
        ReadLe<std::uint32_t>(header + 8) != tableEnd ||
        ReadLe<std::uint32_t>(header + 12) != tableEnd) {
        Damaged("LAD");
        return false;
    }
    if (tableEnd > rest.size()) {
        Short("LAD");
        return false;
    }
    std::uint32_t tableRows = 0;
    for (std::uint32_t p = 0; p < programs; ++p) {
        tableRows += ReadLe<std::uint16_t>(header + TARGET_LADDER_HEADER_SIZE +
                                           TARGET_PROGRAM_ENTRY_SIZE * p + 2);
    }
    if (tableRows != rows) {
        Damaged("LAD");
        return false;
    }
    const std::uint8_t* index =
        header + TARGET_LADDER_HEADER_SIZE + TARGET_PROGRAM_ENTRY_SIZE * std::uint32_t{programs};
    std::uint64_t recordBytes = 0;
    for (std::uint32_t r = 0; r < rows; ++r) {
        recordBytes += ReadLe<std::uint16_t>(index + TARGET_ROW_ENTRY_SIZE * r);
    }
    if (recordBytes > rest.size() - tableEnd) {
        Short("LAD");
        return false;
    }
    CMemReadArchive ar(rest.subspan(tableEnd));
    for (std::uint32_t r = 0; r < rows; ++r) {
        const std::uint8_t* entry = index + TARGET_ROW_ENTRY_SIZE * r;
        const std::size_t start = ar.Position();
        CRowRead read = ReadRow(ar);
        if (!read.row) {
            Damaged("LAD");
            return false;
        }
        const int height = read.row->DisplayHeight();
        const int extent = read.row->IsComment() ? height : read.row->Extent();
        if (ReadLe<std::uint16_t>(entry) != ar.Position() - start || entry[2] != height ||
            entry[3] != extent) {
            Damaged("LAD");
            return false;
        }
    }
    if (ar.Remaining() != 0) {
        pos_ += tableEnd + ar.Position();
        Fail(Format(LoadString(IDS_TARGET_TRAILING_DATA).c_str(), Offset()));
        return false;
    }
    std::string ladder(reinterpret_cast<const char*>(header), TARGET_LADDER_HEADER_SIZE);
    std::memset(ladder.data() + 22, 0, 2);
    std::memset(ladder.data() + 26, 0, 2);
    ladder.append(reinterpret_cast<const char*>(rest.data()) + tableEnd, rest.size() - tableEnd);
    image.ladderFile = std::move(ladder);
    pos_ = bytes_.size();
    return true;
}

}  // namespace

bool ParamSectionSound(std::span<const std::uint8_t> section) {
    if (section.size() < TARGET_HEADER_SIZE || !HasTag(section, "PAR") ||
        ReadLe<std::uint16_t>(section.data() + 4) != TARGET_HEADER_SIZE ||
        ReadLe<std::uint32_t>(section.data() + 8) != section.size() ||
        ReadLe<std::uint16_t>(section.data() + 16) != PARAM_ENTRY_SIZE) {
        return false;
    }
    const auto tables = ReadLe<std::uint16_t>(section.data() + 18);
    const std::uint64_t directoryEnd =
        TARGET_HEADER_SIZE + std::uint64_t{PARAM_ENTRY_SIZE} * tables;
    if (directoryEnd > section.size()) {
        return false;
    }
    for (std::uint32_t t = 0; t < tables; ++t) {
        const std::uint8_t* entry = section.data() + TARGET_HEADER_SIZE + PARAM_ENTRY_SIZE * t;
        const std::uint64_t size = ReadLe<std::uint16_t>(entry + 2);
        const std::uint64_t offset = ReadLe<std::uint32_t>(entry + 4);
        if (offset < directoryEnd || offset + size > section.size()) {
            return false;
        }
    }
    return true;
}

std::optional<CTargetImage> ReadTargetFile(std::span<const std::uint8_t> bytes, std::string* why) {
    CTargetParser parser(bytes);
    std::optional<CTargetImage> image = parser.Parse();
    if (!image && why != nullptr) {
        *why = parser.Why();
    }
    return image;
}

}  // namespace varno
