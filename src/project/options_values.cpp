#include "project/options_values.h"

#include "project/varno_app.h"

namespace varno {

namespace {

// The sheet does not raise a low height to the smallest one the project file allows but to
// twice it, as the original sheet did.
constexpr int SHEET_HEIGHT_FOR_LOW = 10;

}  // namespace

COptionsValues OptionsFromApp(const CVARNOApp& app) {
    const CDisplaySettings& display = app.Display();
    COptionsValues values;
    values.romName = app.Files().romName;
    values.showGrid = display.showGrid;
    values.showLineNo = display.showLineNo;
    values.showComment2 = display.showComment2;
    values.gridColor = display.gridColor;
    values.cellWidth = display.cellWidth;
    values.cellHeight = display.cellHeight;
    values.font = display.font;
    return values;
}

void ApplyOptions(CVARNOApp& app, const COptionsValues& values) {
    CProjectFiles files = app.Files();
    files.romName = values.romName.empty() ? std::string(DEFAULT_ROM_NAME) : values.romName;
    CDisplaySettings display = app.Display();
    display.showGrid = values.showGrid;
    display.showLineNo = values.showLineNo;
    display.showComment2 = values.showComment2;
    display.gridColor = values.gridColor;
    display.cellWidth = values.cellWidth < CDisplaySettings::MIN_CELL_WIDTH
                            ? CDisplaySettings::MIN_CELL_WIDTH
                            : values.cellWidth;
    display.cellHeight = values.cellHeight < CDisplaySettings::MIN_CELL_HEIGHT
                             ? SHEET_HEIGHT_FOR_LOW
                             : values.cellHeight;
    display.font = values.font;
    app.SetFiles(files);
    app.SetDisplay(display);
}

}  // namespace varno
