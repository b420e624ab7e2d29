#include "project/options_values.h"

#include "project/varno_app.h"

namespace varno {

namespace {

// The sheet does not raise a low height to the smallest one the project file allows but to
// twice it, as the original sheet did.
constexpr int SHEET_HEIGHT_FOR_LOW = 10;

}  // namespace

void CopyDisplay(const CDisplaySettings& from, COptionsValues& to) {
    to.showGrid = from.showGrid;
    to.showLineNo = from.showLineNo;
    to.showComment2 = from.showComment2;
    to.gridColor = from.gridColor;
    to.cellWidth = from.cellWidth;
    to.cellHeight = from.cellHeight;
    to.font = from.font;
}

void CopyDisplay(const COptionsValues& from, CDisplaySettings& to) {
    to.showGrid = from.showGrid;
    to.showLineNo = from.showLineNo;
    to.showComment2 = from.showComment2;
    to.gridColor = from.gridColor;
    to.cellWidth = from.cellWidth;
    to.cellHeight = from.cellHeight;
    to.font = from.font;
}

COptionsValues OptionsFromApp(const CVARNOApp& app) {
    COptionsValues values;
    values.romName = app.Files().romName;
    CopyDisplay(app.Display(), values);
    return values;
}

void ApplyOptions(CVARNOApp& app, const COptionsValues& values) {
    CProjectFiles files = app.Files();
    files.romName = values.romName.empty() ? std::string(DEFAULT_ROM_NAME) : values.romName;
    CDisplaySettings display = app.Display();
    CopyDisplay(values, display);
    display.cellWidth = values.cellWidth < CDisplaySettings::MIN_CELL_WIDTH
                            ? CDisplaySettings::MIN_CELL_WIDTH
                            : values.cellWidth;
    display.cellHeight = values.cellHeight < CDisplaySettings::MIN_CELL_HEIGHT
                             ? SHEET_HEIGHT_FOR_LOW
                             : values.cellHeight;
    app.SetFiles(files);
    app.SetDisplay(display);
}

}  // namespace varno
