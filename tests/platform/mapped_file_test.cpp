#include "platform/mapped_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace varno {
namespace {

std::string Text(const CMappedFile& file) {
    return {reinterpret_cast<const char*>(file.Bytes().data()), file.Bytes().size()};
}

TEST(MappedFile, MapsExactlyTheFilesBytesAndRefusesWhatIsNoRegularFile) {
    test::CTempDir dir;
    std::string bytes(70000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 7 + i / 300);
    }
    test::WriteFileBytes(dir.File("rows.vld"), bytes);
    auto mapped = CMappedFile::Open(dir.File("rows.vld"));
    ASSERT_TRUE(mapped);
    EXPECT_EQ(Text(*mapped), bytes);

    test::WriteFileBytes(dir.File("empty.vld"), "");
    auto empty = CMappedFile::Open(dir.File("empty.vld"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->Bytes().empty());

    EXPECT_EQ(CMappedFile::Open(dir.File("missing.vld")), nullptr);
    EXPECT_EQ(CMappedFile::Open(dir.Path().string()), nullptr);
}

}  // namespace
}  // namespace varno
