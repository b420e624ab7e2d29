// A report-style list whose rows alternate between two background colours, black text on
// both. The base of the in-place editing list.
#pragma once

#include <QTableView>
#include <cstdint>

namespace varno {

class CColorList : public QTableView {
    Q_OBJECT

public:
    static constexpr std::uint32_t EVEN_ROW_COLOR = 0xFFFFFF;  // 0xBBGGRR
    static constexpr std::uint32_t ODD_ROW_COLOR = 0xF9F7F0;

    explicit CColorList(QWidget* parent = nullptr);

    // Rows 0, 2, 4, ... take the even colour, the others the odd one.
    void SetRowColors(std::uint32_t even, std::uint32_t odd);
};

}  // namespace varno
