#include "editor/dialog_checks.h"

#include <algorithm>
#include <limits>

#include "model/catalog.h"

namespace varno {

std::optional<CElementChoice> CheckElementDialog(ElementClass cls, CElementDialogData& data,
                                                 const CCommentList& comments,
                                                 IMessageService& messages) {
    const SymbolLookup lookup = [&comments](const std::string& symbol) {
        return comments.AddressOfSymbol(symbol);
    };
    std::optional<CElementAddress> address = ValidateElementAddress(data.address, cls, lookup);
    if (!address) {
        messages.ShowMessage(IDS_CAPTION_ERROR, IDS_ADDRESS_ERROR, MbIcon::Error);
        return std::nullopt;
    }
    data.address = address->text;
    static_assert(std::size(CONTACT_CODES) == std::size(COIL_CODES));
    const std::uint8_t* codes = cls == ElementClass::Contact ? CONTACT_CODES : COIL_CODES;
    const int index = std::clamp(data.typeIndex, 0, static_cast<int>(std::size(COIL_CODES)) - 1);
    return CElementChoice{codes[index], address->address};
}

bool CheckElemCommentDialog(const CElemCommentData& data, IMessageService& messages) {
    CLDCmd operand;
    if (!ParseOperand(data.address, operand)) {
        messages.ShowMessage(IDS_CAPTION_ERROR, IDS_ADDRESS_ERROR, MbIcon::Error);
        return false;
    }
    return true;
}

std::int32_t ReadDialogInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\r' || text[i] == '\v' || text[i] == '\f')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long long LIMIT = 1LL << 32;  // beyond every 32-bit value either way
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), LIMIT);
    }
    if (negative) {
        value = -value;
    }
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void FillBatchDefaults(CBatchDialogData& data) {
    const auto& ranges = BatchEditRanges();
    if (data.typeIndex < 0 || data.typeIndex >= static_cast<int>(ranges.size())) {
        return;
    }
    const std::string hint = RangeHint(*ranges[static_cast<std::size_t>(data.typeIndex)]);
    data.start = hint.substr(1, 4);
    const std::size_t dash = hint.find('-');
    data.end = dash == std::string::npos ? std::string() : hint.substr(dash + 1, 4);
}

CBatchRequest ReadBatchDialog(const CBatchDialogData& data) {
    CBatchRequest request;
    const auto& ranges = BatchEditRanges();
    if (data.typeIndex >= 0 && data.typeIndex < static_cast<int>(ranges.size())) {
        request.letter = ranges[static_cast<std::size_t>(data.typeIndex)]->bank;
    }
    request.first = ReadDialogInt(data.start);
    request.last = ReadDialogInt(data.end);
    request.delta = static_cast<int>(data.amount % 65536);
    request.area = data.area;
    return request;
}

}  // namespace varno
