// The "Ladder" page of the options sheet: grid on or off and its colour, line numbers,
// comment 2, the ladder font and the cell width and height. The sheet calls Load with the
// project's display settings when it opens and, after OK, Apply on a copy of them, which it
// then raises to the minimum cell sizes and stores; show symbol is not on the page and Apply
// leaves it alone. "Grid color" and "Font" open the platform's colour and font dialogs.
#pragma once

#include <QWidget>

#include "project/varno_app.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace varno {

class CLadderProp final : public QWidget {
    Q_OBJECT

public:
    explicit CLadderProp(QWidget* parent = nullptr);

    void Load(const CDisplaySettings& settings);
    void Apply(CDisplaySettings& settings) const;

    QCheckBox* GridBox() const { return grid_; }
    QPushButton* GridColorButton() const { return gridColor_; }
    QCheckBox* LineNumberBox() const { return lineNumber_; }
    QCheckBox* Comment2Box() const { return comment2_; }
    QPushButton* FontButton() const { return font_; }
    QSpinBox* WidthBox() const { return width_; }
    QSpinBox* HeightBox() const { return height_; }
    std::uint32_t GridColor() const { return gridColorValue_; }
    const CLogFont& Font() const { return fontValue_; }

private:
    void OnGridColor();
    void OnFont();
    void ShowValues();

    QCheckBox* grid_;
    QPushButton* gridColor_;
    QCheckBox* lineNumber_;
    QCheckBox* comment2_;
    QPushButton* font_;
    QSpinBox* width_;
    QSpinBox* height_;
    std::uint32_t gridColorValue_ = 0;
    CLogFont fontValue_;
};

}  // namespace varno
