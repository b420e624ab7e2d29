#include "comments/compiled_comments.h"

#include <cstring>
#include <limits>

#include "platform/atomic_file.h"
#include "platform/codepage.h"

namespace varno {

namespace {

constexpr char CMT_TAG[4] = {'C', 'M', 'T', '\0'};
constexpr std::uint16_t HEADER_SIZE = 32;
constexpr std::uint16_t FORMAT_VERSION = 200;
constexpr std::uint16_t ENTRY_SIZE = 8;

bool IsKept(const CCommentItem& item) {
    return !item.symbol.empty() || !item.comment1.empty() || !item.comment2.empty();
}

std::uint64_t BlockSize(const CCommentItem& item) {
    return item.symbol.size() + item.comment1.size() + item.comment2.size() + 3;
}

bool HasZero(const CCommentItem& item) {
    return item.symbol.find('\0') != std::string::npos ||
           item.comment1.find('\0') != std::string::npos ||
           item.comment2.find('\0') != std::string::npos;
}

struct CSectionSizes {
    std::uint64_t kept = 0;
    std::uint64_t textStart = 0;
    std::uint64_t total = 0;
};

CSectionSizes Measure(const CCommentList& list) {
    CSectionSizes sizes;
    std::uint64_t texts = 0;
    for (const auto& group : list.Groups()) {
        for (const CCommentItem& item : group->Items()) {
            if (IsKept(item)) {
                ++sizes.kept;
                texts += BlockSize(item);
            }
        }
    }
    sizes.textStart = HEADER_SIZE + ENTRY_SIZE * (list.Groups().size() + sizes.kept);
    sizes.total = sizes.textStart + texts;
    return sizes;
}

template <class T>
T ReadLe(const std::uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Text up to the next zero byte (or the end); pos moves past that zero.
std::string NextText(std::string_view block, std::size_t& pos) {
    if (pos >= block.size()) {
        return {};
    }
    std::size_t zero = block.find('\0', pos);
    std::size_t end = zero == std::string_view::npos ? block.size() : zero;
    std::string text(block.substr(pos, end - pos));
    pos = end + 1;
    return text;
}

}  // namespace

std::optional<std::string> CompiledCommentsRefusal(const CCommentList& list) {
    for (const auto& group : list.Groups()) {
        for (const CCommentItem& item : group->Items()) {
            if (HasZero(item)) {
                return Format(LoadString(IDS_CMT_ZERO_BYTE).c_str(), item.AddressText().c_str());
            }
        }
    }
    const CSectionSizes sizes = Measure(list);
    if (sizes.kept > std::numeric_limits<std::uint16_t>::max() ||
        list.Groups().size() > std::numeric_limits<std::uint16_t>::max()) {
        return Format(LoadString(IDS_CMT_TOO_MANY_ITEMS).c_str(),
                      static_cast<unsigned long long>(sizes.kept));
    }
    if (sizes.total > std::numeric_limits<std::uint32_t>::max()) {
        return Format(LoadString(IDS_CMT_TOO_LARGE).c_str(),
                      static_cast<unsigned long long>(sizes.total));
    }
    return std::nullopt;
}

void WriteCompiledComments(CArchive& ar, const CCommentList& list) {
    const CSectionSizes sizes = Measure(list);
    ar.Write(CMT_TAG, 4);
    ar.WriteValue(HEADER_SIZE);
    ar.WriteValue(FORMAT_VERSION);
    ar.WriteValue(static_cast<std::uint32_t>(sizes.total));
    ar.WriteValue(static_cast<std::uint32_t>(sizes.textStart));
    ar.WriteValue(ENTRY_SIZE);
    ar.WriteValue(static_cast<std::uint16_t>(list.Groups().size()));
    ar.WriteValue(ENTRY_SIZE);
    ar.WriteValue(static_cast<std::uint16_t>(sizes.kept));
    const std::uint8_t zeros[8] = {};
    ar.Write(zeros, sizeof zeros);

    std::uint32_t itemEntry =
        HEADER_SIZE + ENTRY_SIZE * static_cast<std::uint32_t>(list.Groups().size());
    for (const auto& group : list.Groups()) {
        std::uint16_t kept = 0;
        for (const CCommentItem& item : group->Items()) {
            kept += IsKept(item) ? 1 : 0;
        }
        const char name[2] = {group->Name().empty() ? '\0' : group->Name()[0], '\0'};
        ar.Write(name, 2);
        ar.WriteValue(kept);
        ar.WriteValue(itemEntry);
        itemEntry += ENTRY_SIZE * kept;
    }
    auto textBlock = static_cast<std::uint32_t>(sizes.textStart);
    for (const auto& group : list.Groups()) {
        for (const CCommentItem& item : group->Items()) {
            if (IsKept(item)) {
                ar.WriteValue(item.address);
                ar.WriteValue(textBlock);
                textBlock += static_cast<std::uint32_t>(BlockSize(item));
            }
        }
    }
    for (const auto& group : list.Groups()) {
        for (const CCommentItem& item : group->Items()) {
            if (IsKept(item)) {
                for (const std::string* text : {&item.symbol, &item.comment1, &item.comment2}) {
                    ar.WriteBytes(*text);
                    ar.WriteValue(std::uint8_t{0});
                }
            }
        }
    }
}

std::vector<std::uint8_t> CompiledCommentBytes(const CCommentList& list) {
    CMemWriteArchive ar;
    WriteCompiledComments(ar, list);
    return ar.TakeData();
}

bool WriteCompiledCommentFile(const CCommentList& list, const std::string& path, std::string* why) {
    if (std::optional<std::string> refusal = CompiledCommentsRefusal(list)) {
        if (why != nullptr) {
            *why = *refusal;
        }
        return false;
    }
    try {
        SaveFileAtomically(path, [&](CArchive& ar) { WriteCompiledComments(ar, list); });
    } catch (const CFileException& e) {
        if (why != nullptr) {
            *why = Format(LoadString(IDS_CMT_WRITE_FAILED).c_str(), Utf8ToGbk(e.what()).c_str());
        }
        return false;
    }
    return true;
}

bool ReadCompiledComments(CArchive& ar, CCommentList& list) {
    std::uint8_t header[HEADER_SIZE];
    if (!ar.ReadExact(header, sizeof header) || std::memcmp(header, CMT_TAG, 4) != 0) {
        return false;
    }
    const auto total = ReadLe<std::uint32_t>(header + 8);
    const auto textStart = ReadLe<std::uint32_t>(header + 12);
    const auto groupCount = ReadLe<std::uint16_t>(header + 18);
    const auto itemCount = ReadLe<std::uint16_t>(header + 22);
    const std::uint64_t tablesEnd =
        HEADER_SIZE + std::uint64_t{ENTRY_SIZE} * (std::uint64_t{groupCount} + itemCount);
    if (ReadLe<std::uint16_t>(header + 4) != HEADER_SIZE ||
        ReadLe<std::uint16_t>(header + 16) != ENTRY_SIZE ||
        ReadLe<std::uint16_t>(header + 20) != ENTRY_SIZE || textStart != tablesEnd ||
        total < tablesEnd || total - HEADER_SIZE > ar.Remaining()) {
        return false;
    }
    std::optional<std::string> body = ar.ReadBytes(total - HEADER_SIZE);
    if (!body) {
        return false;
    }
    // Offsets below count from the section start; the body starts at HEADER_SIZE.
    const std::string_view section(*body);
    const auto* items =
        reinterpret_cast<const std::uint8_t*>(section.data()) + ENTRY_SIZE * groupCount;
    std::vector<CCommentItem> read;
    read.reserve(itemCount);
    for (std::size_t k = 0; k < itemCount; ++k) {
        const std::uint8_t* entry = items + ENTRY_SIZE * k;
        const auto begin = ReadLe<std::uint32_t>(entry + 4);
        const std::uint32_t end =
            k + 1 < itemCount ? ReadLe<std::uint32_t>(entry + ENTRY_SIZE + 4) : total;
        // Blocks follow one another from the first text block on, as they were written.
        if ((k == 0 && begin != textStart) || begin > end || end > total) {
            return false;
        }
        CCommentItem item;
        item.address = ReadLe<LDADDR>(entry);
        const std::string_view block = section.substr(begin - HEADER_SIZE, end - begin);
        std::size_t pos = 0;
        item.symbol = NextText(block, pos);
        item.comment1 = NextText(block, pos);
        item.comment2 = NextText(block, pos);
        read.push_back(std::move(item));
    }
    list.Reset();
    for (const CCommentItem& item : read) {
        list.AddOrReplace(item);
    }
    return true;
}

bool ReadCompiledCommentFile(const std::string& path, CCommentList& list) {
    std::unique_ptr<CFileArchive> ar = CFileArchive::Open(path, CFileArchive::Mode::Read);
    return ar && ReadCompiledComments(*ar, list);
}

bool RunGenerateCommentFile(const CCommentList& list, const std::string& path, IOutput& output,
                            IMessageService& messages) {
    output.ClearOutput();
    std::string why;
    if (!WriteCompiledCommentFile(list, path, &why)) {
        output.AppendLine(why);
        messages.Beep(BeepKind::Error);
        return false;
    }
    messages.Beep(BeepKind::Exclamation);
    return true;
}

std::string CompiledCommentStoredPath(std::string_view storedCommentPath) {
    // The stored path is GBK: a trail byte can look like a backslash, so walk by characters.
    std::size_t directoryEnd = 0;
    for (std::size_t pos = 0; pos < storedCommentPath.size();) {
        const char c = storedCommentPath[pos];
        pos += CharLength(storedCommentPath, pos);
        if (c == '\\' || c == '/') {
            directoryEnd = pos;
        }
    }
    return std::string(storedCommentPath.substr(0, directoryEnd)) + COMPILED_COMMENT_FILE;
}

}  // namespace varno
