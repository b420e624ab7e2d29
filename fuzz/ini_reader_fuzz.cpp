// The INI reader on arbitrary bytes: whatever it reads, written back and read again, must give
// the same sections, keys and values. One text cannot survive: a section name that ends in a
// lone GBK lead byte, which pairs with the "]" written after it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/codepage.h"
#include "project/ini_reader.h"
#include "project/profile.h"

using namespace varno;

namespace {

bool EndsInLoneLeadByte(const std::string& name) {
    std::size_t i = 0;
    std::size_t last = 0;
    for (; i < name.size(); i += CharLength(name, i)) {
        last = i;
    }
    return last + 1 == name.size() && IsLeadByte(static_cast<unsigned char>(name[last]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<CIniSection> first = ParseIni(bytes);

    CXmlProfile profile;
    for (const CIniSection& section : first) {
        if (section.name.empty()) {
            std::abort();
        }
        if (EndsInLoneLeadByte(section.name)) {
            return 0;
        }
        for (const auto& [key, value] : section.entries) {
            if (key.empty() || profile.WriteString(section.name, key, value) == nullptr) {
                std::abort();
            }
        }
    }
    CMemWriteArchive ar;
    profile.WriteIni(ar);
    const std::string written(ar.Data().begin(), ar.Data().end());

    const std::vector<CIniSection> second = ParseIni(written);
    // Sections without entries are not written.
    std::size_t j = 0;
    for (const CIniSection& section : first) {
        if (section.entries.empty()) {
            continue;
        }
        if (j == second.size() || second[j].name != section.name ||
            second[j].entries != section.entries) {
            std::abort();
        }
        ++j;
    }
    if (j != second.size()) {
        std::abort();
    }
    return 0;
}
