// Colours as the core and the project file hold them (0xBBGGRR, red in the lowest byte) and as
// Qt draws them.
#pragma once

#include <QColor>
#include <cstdint>

namespace varno {

inline QColor ColorFromRef(std::uint32_t ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}
inline std::uint32_t RefFromColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

}  // namespace varno
