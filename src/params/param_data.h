// The PLC's parameter tables: timers (T, signed 32-bit presets), counters (C, unsigned 16-bit)
// and a byte data table (D). Each table owns its value array, held little-endian as it is
// stored in the parameter file, and knows the element-comment group of its letter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/ldcmd.h"

namespace varno {

class CCommentGrp;
class CCommentList;

class CParamData {
public:
    virtual ~CParamData() = default;
    CParamData(const CParamData&) = delete;
    CParamData& operator=(const CParamData&) = delete;

    // "T", "C" or "D".
    const std::string& Name() const { return name_; }
    // The comment group of the table's letter, looked up when asked so that a reset of the
    // comment list never leaves a stale reference; null without a comment list.
    const CCommentGrp* CommentGroup() const;

    // Ignored when index >= Length(); stores the value cut to the entry width.
    virtual void SetValue(std::size_t index, std::int32_t value) = 0;
    // 0 when index >= Length().
    virtual std::int32_t GetValue(std::size_t index) const = 0;
    virtual std::size_t Length() const = 0;
    virtual std::size_t ByteSize() const = 0;
    virtual std::span<std::uint8_t> RawValues() = 0;
    virtual std::span<const std::uint8_t> RawValues() const = 0;
    // The address entry i stands for (no bit), and its text.
    virtual LDADDR EntryAddress(std::size_t index) const = 0;
    std::string EntryAddressText(std::size_t index) const;
    // Sets the table's default length, all values 0.
    virtual void SetDefaultLength() = 0;

protected:
    CParamData(std::string name, const CCommentList* comments)
        : name_(std::move(name)), comments_(comments) {}

private:
    std::string name_;
    const CCommentList* comments_;
};

// Counters: 100 entries of 16 bits, addresses C0000, C0004, ...
class CParamC : public CParamData {
public:
    static constexpr std::size_t DEFAULT_LENGTH = 100;
    explicit CParamC(const CCommentList* comments = nullptr) : CParamC("C", comments) {}

    void SetValue(std::size_t index, std::int32_t value) override;
    std::int32_t GetValue(std::size_t index) const override;
    std::size_t Length() const override { return values_.size(); }
    std::size_t ByteSize() const override { return values_.size() * 2; }
    std::span<std::uint8_t> RawValues() override;
    std::span<const std::uint8_t> RawValues() const override;
    LDADDR EntryAddress(std::size_t index) const override;
    void SetDefaultLength() override { values_.assign(DEFAULT_LENGTH, 0); }

protected:
    CParamC(std::string name, const CCommentList* comments)
        : CParamData(std::move(name), comments) {}

private:
    std::vector<std::uint16_t> values_;
};

// Data table: 1000 entries of 8 bits, addresses D0000, D0001, ...
class CParamD : public CParamData {
public:
    static constexpr std::size_t DEFAULT_LENGTH = 1000;
    explicit CParamD(const CCommentList* comments = nullptr) : CParamData("D", comments) {}

    void SetValue(std::size_t index, std::int32_t value) override;
    std::int32_t GetValue(std::size_t index) const override;
    std::size_t Length() const override { return values_.size(); }
    std::size_t ByteSize() const override { return values_.size(); }
    std::span<std::uint8_t> RawValues() override { return values_; }
    std::span<const std::uint8_t> RawValues() const override { return values_; }
    LDADDR EntryAddress(std::size_t index) const override;
    void SetDefaultLength() override { values_.assign(DEFAULT_LENGTH, 0); }

private:
    std::vector<std::uint8_t> values_;
};

// Timers: 200 entries of 32 bits, addresses T0000, T0004, ... A kind of counter table with
// its own wider values.
class CParamT : public CParamC {
public:
    static constexpr std::size_t DEFAULT_LENGTH = 200;
    explicit CParamT(const CCommentList* comments = nullptr) : CParamC("T", comments) {}

    void SetValue(std::size_t index, std::int32_t value) override;
    std::int32_t GetValue(std::size_t index) const override;
    std::size_t Length() const override { return values_.size(); }
    std::size_t ByteSize() const override { return values_.size() * 4; }
    std::span<std::uint8_t> RawValues() override;
    std::span<const std::uint8_t> RawValues() const override;
    LDADDR EntryAddress(std::size_t index) const override;
    void SetDefaultLength() override { values_.assign(DEFAULT_LENGTH, 0); }

private:
    std::vector<std::int32_t> values_;
};

}  // namespace varno
