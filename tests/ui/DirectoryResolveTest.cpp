// Typed folders made absolute like cd does, and entering a folder that is
// gone through its nearest existing ancestor.
#include "ui/main/DirectoryResolve.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

#include <unistd.h>

using testing_support::TempDir;

namespace {

TEST(DirectoryResolveTest, AbsoluteDirectoryNormalisesLikeCd)
{
    EXPECT_EQ(AbsoluteDirectory("/", "/home/u"), "");
    EXPECT_EQ(AbsoluteDirectory("docs/./a//", "/home/u"), "/home/u/docs/a");
    EXPECT_EQ(AbsoluteDirectory("/home/u/..", "/x"), "/home");
    EXPECT_EQ(AbsoluteDirectory("../../..", "/home/u"), "");
    EXPECT_EQ(AbsoluteDirectory("", "/home/u"), "/home/u");
    // Names are bytes, kept as they are.
    EXPECT_EQ(AbsoluteDirectory("\xff\xfe", "/tmp"), "/tmp/\xff\xfe");
}

TEST(DirectoryResolveTest, EnterDirectoryFallsBackToAnAncestorAndChangesDirectory)
{
    TempDir dir;
    dir.mkdir("a");
    // Earlier windows of this process may have left it in a folder that is gone.
    char old[4096] = "/";
    if (!getcwd(old, sizeof old))
        std::strcpy(old, "/");
    const auto entered = EnterDirectory(dir.file("a/missing/deeper"), "/");
    ASSERT_TRUE(entered.has_value());
    EXPECT_EQ(*entered, dir.file("a"));
    char now[4096];
    ASSERT_NE(getcwd(now, sizeof now), nullptr);
    EXPECT_EQ(std::string(now), dir.file("a"));
    EXPECT_EQ(LastComponent(*entered), "a");
    EXPECT_EQ(chdir(old), 0);
}

} // namespace
