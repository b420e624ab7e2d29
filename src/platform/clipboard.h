// The clipboard: blocks of bytes under a registered format name. The desktop application puts
// them on the system clipboard; the command-line tool and tests share one in-memory clipboard
// per process.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace varno {

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Whether the clipboard offers a block under the format.
    virtual bool HasFormat(const std::string& format) const = 0;
    // A copy of the block under the format; nullopt when there is none or the clipboard cannot
    // be opened.
    virtual std::optional<std::vector<std::uint8_t>> GetData(const std::string& format) const = 0;
    // Empties the clipboard and hands it the block under the format. False, with the clipboard
    // as it was, when it cannot be opened.
    virtual bool SetData(const std::string& format, std::vector<std::uint8_t> data) = 0;
};

class CMemoryClipboard final : public IClipboard {
public:
    bool HasFormat(const std::string& format) const override;
    std::optional<std::vector<std::uint8_t>> GetData(const std::string& format) const override;
    bool SetData(const std::string& format, std::vector<std::uint8_t> data) override;

    // Test hook: while locked, the clipboard cannot be opened, as when another program holds it.
    void SetLocked(bool locked) { locked_ = locked; }

private:
    std::map<std::string, std::vector<std::uint8_t>> blocks_;
    bool locked_ = false;
};

}  // namespace varno
