// The values of the Options sheet: the Build page's target file name and the Ladder page's
// display settings (show symbol is not on the sheet), and the rules by which OK takes them.
#pragma once

#include <cstdint>
#include <string>

#include "project/font_record.h"
#include "project/varno_app.h"

namespace varno {

struct COptionsValues {
    std::string romName;  // GBK
    int showGrid = 1;
    int showLineNo = 1;
    int showComment2 = 0;
    std::uint32_t gridColor = 0;
    int cellWidth = 0;
    int cellHeight = 0;
    CLogFont font;
};

// The display settings the Ladder page shows, between the sheet's values and the project's
// settings; show symbol is not on the page and is left as it is.
void CopyDisplay(const CDisplaySettings& from, COptionsValues& to);
void CopyDisplay(const COptionsValues& from, CDisplaySettings& to);

// The pages' initial values, from the open project's settings.
COptionsValues OptionsFromApp(const CVARNOApp& app);
// OK: an empty target name becomes "DST.PLC", a width below 10 becomes 10 and a height below 5
// becomes 10; the settings are marked modified.
void ApplyOptions(CVARNOApp& app, const COptionsValues& values);

}  // namespace varno
