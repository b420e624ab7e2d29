// The edge between the model's GBK bytes and Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>

#include "platform/codepage.h"
#include "platform/string_table.h"

namespace varno {

inline QString FromGbk(const std::string& gbk) {
    return QString::fromStdString(GbkToUtf8(gbk));
}
inline std::string ToGbk(const QString& text) {
    return Utf8ToGbk(text.toStdString());
}
inline QString Tr(StrId id) {
    return FromGbk(LoadString(id));
}

}  // namespace varno
