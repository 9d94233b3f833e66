#include "platform/Paths.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(PathsTest, RootIsHeldEmptyAndShownAsSlash)
{
    EXPECT_EQ(JoinPath("", "etc"), "/etc");
    EXPECT_EQ(JoinPath("/home/a", "b.txt"), "/home/a/b.txt");
    EXPECT_EQ(NormalizeDirectory("/"), "");
    EXPECT_EQ(NormalizeDirectory("/home/a//"), "/home/a");
    EXPECT_EQ(DisplayDirectory(""), "/");
    EXPECT_EQ(DisplayDirectory("/tmp"), "/tmp");
}

TEST(PathsTest, SplitKeepsEveryByteOfTheName)
{
    const std::string odd = std::string("n\xff\x01me.txt");
    auto s = SplitPath("/data/" + odd);
    EXPECT_EQ(s.directory, "/data");
    EXPECT_EQ(s.name, odd);
    s = SplitPath("/top");
    EXPECT_EQ(s.directory, "");
    EXPECT_EQ(s.name, "top");
    s = SplitPath("plain");
    EXPECT_EQ(s.directory, "");
    EXPECT_EQ(s.name, "plain");
}
