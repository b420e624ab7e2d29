#include "params/param_data.h"

#include "comments/comment_list.h"
#include "model/address.h"

namespace varno {

namespace {

LDADDR ByteAddress(char letter, std::size_t number) {
    return LDADDR{static_cast<std::uint8_t>(letter), -1, static_cast<std::uint16_t>(number)};
}

template <class T>
std::span<std::uint8_t> AsBytes(std::vector<T>& values) {
    return {reinterpret_cast<std::uint8_t*>(values.data()), values.size() * sizeof(T)};
}

template <class T>
std::span<const std::uint8_t> AsBytes(const std::vector<T>& values) {
    return {reinterpret_cast<const std::uint8_t*>(values.data()), values.size() * sizeof(T)};
}

}  // namespace

const CCommentGrp* CParamData::CommentGroup() const {
    return comments_ != nullptr ? comments_->FindGroup(name_) : nullptr;
}

std::string CParamData::EntryAddressText(std::size_t index) const {
    return FormatAddress(EntryAddress(index), false);
}

void CParamC::SetValue(std::size_t index, std::int32_t value) {
    if (index < values_.size()) {
        values_[index] = static_cast<std::uint16_t>(value);
    }
}

std::int32_t CParamC::GetValue(std::size_t index) const {
    return index < values_.size() ? values_[index] : 0;
}

std::span<std::uint8_t> CParamC::RawValues() {
    return AsBytes(values_);
}

std::span<const std::uint8_t> CParamC::RawValues() const {
    return AsBytes(values_);
}

LDADDR CParamC::EntryAddress(std::size_t index) const {
    return ByteAddress('C', 4 * index);
}

void CParamD::SetValue(std::size_t index, std::int32_t value) {
    if (index < values_.size()) {
        values_[index] = static_cast<std::uint8_t>(value);
    }
}

std::int32_t CParamD::GetValue(std::size_t index) const {
    return index < values_.size() ? values_[index] : 0;
}

LDADDR CParamD::EntryAddress(std::size_t index) const {
    return ByteAddress('D', index);
}

void CParamT::SetValue(std::size_t index, std::int32_t value) {
    if (index < values_.size()) {
        values_[index] = value;
    }
}

std::int32_t CParamT::GetValue(std::size_t index) const {
    return index < values_.size() ? values_[index] : 0;
}

std::span<std::uint8_t> CParamT::RawValues() {
    return AsBytes(values_);
}

std::span<const std::uint8_t> CParamT::RawValues() const {
    return AsBytes(values_);
}

LDADDR CParamT::EntryAddress(std::size_t index) const {
    return ByteAddress('T', 4 * index);
}

}  // namespace varno
