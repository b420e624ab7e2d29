// The system clipboard for the ladder views: blocks of bytes under a private MIME type, so that
// ladder elements travel between windows and between running instances.
#pragma once

#include <QString>

#include "platform/clipboard.h"

namespace varno {

// The MIME type a registered format name is offered under.
QString ClipboardMimeType(const std::string& format);

class CQtClipboard final : public IClipboard {
public:
    bool HasFormat(const std::string& format) const override;
    std::optional<std::vector<std::uint8_t>> GetData(const std::string& format) const override;
    bool SetData(const std::string& format, std::vector<std::uint8_t> data) override;
};

}  // namespace varno
