#include "platform/archive.h"

#include <gtest/gtest.h>

#include "support/hex.h"
#include "support/temp_dir.h"

namespace varno {
namespace {

using test::FromHex;
using test::ToHex;

void WriteSample(CArchive& ar) {
    ar.WriteValue<std::uint8_t>(0x4C);
    ar.WriteValue<std::uint16_t>(0x0102);
    ar.WriteValue<std::int16_t>(-2);
    ar.WriteValue<std::uint32_t>(0xA1B2C3D4);
    ar.WriteValue<std::int32_t>(-1);
    ar.WriteBytes("AB");
}

TEST(Archive, MemoryWritesLittleEndian) {
    CMemWriteArchive ar(16);
    WriteSample(ar);
    EXPECT_EQ(ToHex(ar.Data()), "4C 02 01 FE FF D4 C3 B2 A1 FF FF FF FF 41 42");
    // A cleared archive starts over.
    ar.Clear();
    ar.WriteBytes("AB");
    EXPECT_EQ(ToHex(ar.Data()), "41 42");
}

TEST(Archive, MemoryReadsBackAndCountsRemaining) {
    const std::string bytes = FromHex("4C 02 01 FE FF D4 C3 B2 A1 FF FF FF FF 41 42");
    CMemReadArchive ar(bytes);
    std::uint8_t u8 = 0;
    std::uint16_t u16 = 0;
    std::int16_t i16 = 0;
    std::uint32_t u32 = 0;
    std::int32_t i32 = 0;
    EXPECT_EQ(ar.Remaining(), 15u);
    ASSERT_TRUE(ar.ReadValue(u8) && ar.ReadValue(u16) && ar.ReadValue(i16));
    ASSERT_TRUE(ar.ReadValue(u32) && ar.ReadValue(i32));
    EXPECT_EQ(u8, 0x4C);
    EXPECT_EQ(u16, 0x0102);
    EXPECT_EQ(i16, -2);
    EXPECT_EQ(u32, 0xA1B2C3D4u);
    EXPECT_EQ(i32, -1);
    EXPECT_EQ(ar.Remaining(), 2u);
    EXPECT_EQ(ar.ReadBytes(2), "AB");
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(Archive, ShortReadIsReportedAndZeroFilled) {
    const std::string bytes = FromHex("01 02 03");
    CMemReadArchive ar(bytes);
    std::uint32_t value = 0xFFFFFFFF;
    EXPECT_FALSE(ar.ReadValue(value));
    EXPECT_EQ(value, 0x030201u);
    EXPECT_EQ(ar.Remaining(), 0u);
    std::uint8_t b = 7;
    EXPECT_FALSE(ar.ReadValue(b));
    EXPECT_EQ(b, 0);
}

TEST(Archive, ReadBytesRefusesMoreThanRemainsWithoutConsuming) {
    const std::string bytes = "abc";
    CMemReadArchive ar(bytes);
    EXPECT_FALSE(ar.ReadBytes(4).has_value());
    EXPECT_EQ(ar.Remaining(), 3u);
    EXPECT_EQ(ar.ReadBytes(3), "abc");
}

TEST(Archive, WrongDirectionIsAProgrammingError) {
    CMemWriteArchive out;
    std::uint8_t b;
    EXPECT_THROW(out.Read(&b, 1), std::logic_error);
    CMemReadArchive in(std::string("x"));
    EXPECT_THROW(in.Write("x", 1), std::logic_error);
}

TEST(Archive, FileRoundTripWithSmallBuffer) {
    test::CTempDir dir;
    const std::string path = dir.File("sample.bin");
    {
        auto ar = CFileArchive::Open(path, CFileArchive::Mode::Write, 3);
        ASSERT_TRUE(ar);
        WriteSample(*ar);
        ar->Close();
    }
    EXPECT_EQ(ToHex(test::ReadFileBytes(path)), "4C 02 01 FE FF D4 C3 B2 A1 FF FF FF FF 41 42");

    auto ar = CFileArchive::Open(path, CFileArchive::Mode::Read, 3);
    ASSERT_TRUE(ar);
    EXPECT_EQ(ar->Remaining(), 15u);
    std::uint8_t u8;
    std::uint16_t u16;
    ASSERT_TRUE(ar->ReadValue(u8) && ar->ReadValue(u16));
    EXPECT_EQ(u16, 0x0102);
    EXPECT_EQ(ar->Remaining(), 12u);
    char rest[20];
    EXPECT_EQ(ar->Read(rest, sizeof rest), 12u);
    EXPECT_EQ(ar->Remaining(), 0u);
}

TEST(Archive, OpenFailuresAreReported) {
    test::CTempDir dir;
    std::string error;
    EXPECT_EQ(CFileArchive::Open(dir.File("missing"), CFileArchive::Mode::Read, 4096, &error),
              nullptr);
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_EQ(CFileArchive::Open(dir.Path().string(), CFileArchive::Mode::Read, 4096, &error),
              nullptr);
    EXPECT_FALSE(error.empty());
}

TEST(Archive, InjectedWriteFaultThrows) {
    test::CTempDir dir;
    auto ar = CFileArchive::Open(dir.File("f"), CFileArchive::Mode::Write);
    ASSERT_TRUE(ar);
    CFileArchive::SetWriteFaultForTesting(5);
    ar->WriteValue<std::uint32_t>(1);
    EXPECT_THROW(ar->WriteValue<std::uint32_t>(2), CFileException);
    CFileArchive::SetWriteFaultForTesting(std::nullopt);
    ar->WriteValue<std::uint32_t>(3);
}

}  // namespace
}  // namespace varno
