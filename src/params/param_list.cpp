#include "params/param_list.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/archive.h"

namespace varno {

namespace {

constexpr char PARAM_TAG[4] = {'P', 'A', 'R', '\0'};
constexpr std::uint16_t HEADER_SIZE = 32;
constexpr std::uint16_t FORMAT_VERSION = 200;
constexpr std::uint16_t ENTRY_SIZE = 8;

}  // namespace

CParamData& CParamList::Add(std::unique_ptr<CParamData> table) {
    for (auto& existing : tables_) {
        if (existing->Name() == table->Name()) {
            existing = std::move(table);
            return *existing;
        }
    }
    tables_.push_back(std::move(table));
    return *tables_.back();
}

CParamData* CParamList::Find(std::string_view name) const {
    for (const auto& table : tables_) {
        if (table->Name() == name) {
            return table.get();
        }
    }
    return nullptr;
}

void CParamList::SetDefaultTables(const CCommentList* comments) {
    tables_.clear();
    Add(std::make_unique<CParamC>(comments)).SetDefaultLength();
    Add(std::make_unique<CParamD>(comments)).SetDefaultLength();
    Add(std::make_unique<CParamT>(comments)).SetDefaultLength();
}

std::uint32_t CParamList::FileSize() const {
    std::uint32_t size = HEADER_SIZE + ENTRY_SIZE * static_cast<std::uint32_t>(tables_.size());
    for (const auto& table : tables_) {
        size += static_cast<std::uint32_t>(table->ByteSize());
    }
    return size;
}

void CParamList::WriteParamFile(CArchive& ar) const {
    const std::uint32_t firstValues =
        HEADER_SIZE + ENTRY_SIZE * static_cast<std::uint32_t>(tables_.size());
    ar.Write(PARAM_TAG, 4);
    ar.WriteValue(HEADER_SIZE);
    ar.WriteValue(FORMAT_VERSION);
    ar.WriteValue(FileSize());
    ar.WriteValue(firstValues);
    ar.WriteValue(ENTRY_SIZE);
    ar.WriteValue(static_cast<std::uint16_t>(tables_.size()));
    const std::uint8_t zeros[12] = {};
    ar.Write(zeros, sizeof zeros);
    std::uint32_t offset = firstValues;
    for (const auto& table : tables_) {
        const char name[2] = {table->Name().empty() ? '\0' : table->Name()[0], '\0'};
        ar.Write(name, 2);
        ar.WriteValue(static_cast<std::uint16_t>(table->ByteSize()));
        ar.WriteValue(offset);
        offset += static_cast<std::uint32_t>(table->ByteSize());
    }
    for (const auto& table : tables_) {
        std::span<const std::uint8_t> raw = std::as_const(*table).RawValues();
        ar.Write(raw.data(), raw.size());
    }
}

bool CParamList::ReadParamFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < HEADER_SIZE || std::memcmp(bytes.data(), PARAM_TAG, 4) != 0) {
        return false;
    }
    const std::size_t count = ReadLe<std::uint16_t>(bytes.data() + 18);
    // A directory cut short by the end of the data lists only its complete entries.
    const std::size_t present = std::min(count, (bytes.size() - HEADER_SIZE) / ENTRY_SIZE);
    for (std::size_t i = 0; i < present; ++i) {
        const std::uint8_t* entry = bytes.data() + HEADER_SIZE + ENTRY_SIZE * i;
        const std::size_t nameLength = entry[0] == 0 ? 0 : entry[1] == 0 ? 1 : 2;
        CParamData* table =
            Find(std::string_view(reinterpret_cast<const char*>(entry), nameLength));
        if (table == nullptr) {
            continue;
        }
        const std::size_t size = ReadLe<std::uint16_t>(entry + 2);
        const std::size_t offset = ReadLe<std::uint32_t>(entry + 4);
        std::span<std::uint8_t> values = table->RawValues();
        std::fill(values.begin(), values.end(), std::uint8_t{0});
        if (offset >= bytes.size()) {
            continue;
        }
        const std::size_t n = std::min({size, values.size(), bytes.size() - offset});
        std::memcpy(values.data(), bytes.data() + offset, n);
    }
    return true;
}

}  // namespace varno
