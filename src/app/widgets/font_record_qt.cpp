#include "app/widgets/font_record_qt.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/qt_text.h"
#include "platform/codepage.h"

namespace varno {

namespace {

constexpr double RECORD_DPI = 96.0;
constexpr int DEFAULT_WEIGHT = 400;

}  // namespace

QFont FontFromRecord(const CLogFont& record) {
    QFont font;
    const std::string face = record.FaceName();
    if (!face.empty()) {
        font.setFamily(FromGbk(face));
    }
    if (record.height != 0) {
        font.setPixelSize(std::abs(record.height));
    }
    const int weight = record.weight == 0 ? DEFAULT_WEIGHT : std::clamp(record.weight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(record.italic != 0);
    font.setUnderline(record.underline != 0);
    font.setStrikeOut(record.strikeOut != 0);
    return font;
}

CLogFont RecordFromFont(const QFont& font, const CLogFont& base) {
    CLogFont record = base;
    const int pixels = font.pixelSize() > 0
                           ? font.pixelSize()
                           : static_cast<int>(std::lround(font.pointSizeF() * RECORD_DPI / 72.0));
    record.height = -pixels;
    record.width = 0;
    record.weight = font.weight();
    record.italic = font.italic() ? 1 : 0;
    record.underline = font.underline() ? 1 : 0;
    record.strikeOut = font.strikeOut() ? 1 : 0;
    // The face name keeps its zero byte and never ends in half a double-byte character.
    const std::string face = ToGbk(font.family());
    std::size_t length = 0;
    while (length < face.size()) {
        const std::size_t next = length + CharLength(face, length);
        if (next > sizeof(record.faceName) - 1) {
            break;
        }
        length = next;
    }
    std::memset(record.faceName, 0, sizeof(record.faceName));
    std::memcpy(record.faceName, face.data(), length);
    return record;
}

}  // namespace varno
