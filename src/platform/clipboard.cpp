#include "platform/clipboard.h"

namespace varno {

bool CMemoryClipboard::HasFormat(const std::string& format) const {
    return !locked_ && blocks_.contains(format);
}

std::optional<std::vector<std::uint8_t>> CMemoryClipboard::GetData(
    const std::string& format) const {
    auto it = blocks_.find(format);
    if (locked_ || it == blocks_.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool CMemoryClipboard::SetData(const std::string& format, std::vector<std::uint8_t> data) {
    if (locked_) {
        return false;
    }
    blocks_.clear();
    blocks_[format] = std::move(data);
    return true;
}

}  // namespace varno
