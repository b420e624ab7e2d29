// The project's 60-byte font record and Qt's fonts. The record's height is in pixels (negative
// for the character height, positive for the cell height, which is taken the same here);
// points convert at 96 dots per inch, the platform's screen resolution the records were made
// for. Fields Qt has no notion of (character set, precisions, quality, pitch and family) are
// kept from the record a font replaces.
#pragma once

#include <QFont>

#include "project/font_record.h"

namespace varno {

QFont FontFromRecord(const CLogFont& record);
CLogFont RecordFromFont(const QFont& font, const CLogFont& base);

}  // namespace varno
