#include "project/project_paths.h"

#include <gtest/gtest.h>

namespace varno {
namespace {

TEST(ProjectPaths, SplitTakesDirectoryAndName) {
    auto parts = SplitProjectPath("D:\\work\\Mill.KPJ");
    EXPECT_EQ(parts.directory, "D:\\work\\");
    EXPECT_EQ(parts.name, "Mill");
    parts = SplitProjectPath("/home/u/a.b/Demo.v2.KPJ");
    EXPECT_EQ(parts.directory, "/home/u/a.b/");
    EXPECT_EQ(parts.name, "Demo.v2");
    // A dot in a folder is no extension; a bare name has no folder.
    parts = SplitProjectPath("/home/u/a.b/Demo");
    EXPECT_EQ(parts.name, "Demo");
    parts = SplitProjectPath("Mill.KPJ");
    EXPECT_EQ(parts.directory, "");
    EXPECT_EQ(parts.name, "Mill");
}

TEST(ProjectPaths, StoredPathsAreWindowsFormInGbk) {
    EXPECT_EQ(DefaultStoredPath("Demo", ".vld"), ".\\Demo.vld");
    EXPECT_EQ(DefaultStoredPath("演示", ".cmt"), ".\\\xD1\xDD\xCA\xBE.cmt");
}

TEST(ProjectPaths, ResolvingAcceptsEitherSeparator) {
    EXPECT_EQ(ResolveStoredPath("/p/", ".\\Demo.vld"), "/p/Demo.vld");
    EXPECT_EQ(ResolveStoredPath("/p/", "./sub/../Demo.vld"), "/p/Demo.vld");
    EXPECT_EQ(ResolveStoredPath("/p/q/", "..\\lib\\x.cmt"), "/p/lib/x.cmt");
    EXPECT_EQ(ResolveStoredPath("/p/", "/abs/x.par"), "/abs/x.par");
    EXPECT_EQ(ResolveStoredPath("/p/", "\\abs\\x.par"), "/abs/x.par");
    // GBK names become UTF-8, and a "\" trail byte inside a character is no separator.
    EXPECT_EQ(ResolveStoredPath("/p/", ".\\\xD1\xDD\xCA\xBE.ver"), "/p/演示.ver");
    EXPECT_EQ(ResolveStoredPath("/p/", ".\\\x81\x5C.ver"), "/p/" + std::string("乗") + ".ver");
}

}  // namespace
}  // namespace varno
