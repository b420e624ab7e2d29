// Fonts from the project's record and the fixed-pitch text estimate.
#include "editor/draw_surface.h"

#include <cstdlib>

namespace varno {

CFontDesc CFontDesc::FromLogFont(const CLogFont& record) {
    const std::string face = record.FaceName();
    const CLogFont& source = face.empty() ? CLogFont::Default() : record;
    CFontDesc font;
    font.face = source.FaceName();
    font.height = source.height == 0 ? CLogFont::Default().height : source.height;
    font.weight = source.weight;
    font.italic = source.italic != 0;
    font.underline = source.underline != 0;
    font.strikeOut = source.strikeOut != 0;
    return font;
}

int CFontDesc::PixelSize() const {
    // A positive height counts the internal leading as well, about a fifth of the cell.
    const long long h = height < 0 ? -static_cast<long long>(height) : height * 4LL / 5;
    if (h < 1) {
        return 1;
    }
    return h > 4096 ? 4096 : static_cast<int>(h);
}

int CFixedPitchMeasure::CharWidth(const CFontDesc& font) {
    return (font.PixelSize() * 6 + 9) / 10;
}

int CFixedPitchMeasure::TextWidth(const CFontDesc& font, std::string_view text) {
    const long long width = static_cast<long long>(CharWidth(font)) * text.size();
    return width > 1'000'000'000 ? 1'000'000'000 : static_cast<int>(width);
}

int CFixedPitchMeasure::TextHeight(const CFontDesc& font) {
    return (font.PixelSize() * 23 + 19) / 20;
}

}  // namespace varno
