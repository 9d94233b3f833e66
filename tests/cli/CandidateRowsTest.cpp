#include "cli/CandidateRows.h"

#include <gtest/gtest.h>

using namespace cli;

TEST(CandidateRowsTest, ResolvesAgainstTheWorkingDirectoryKeepingBytes)
{
    EXPECT_EQ(AbsolutePath("a.txt", "/home/u"), "/home/u/a.txt");
    EXPECT_EQ(AbsolutePath("./x//y/", "/home/u"), "/home/u/x/y");
    EXPECT_EQ(AbsolutePath("/abs/./b", "/home/u"), "/abs/b");
    EXPECT_EQ(AbsolutePath("../b", "/home/u"), "/home/u/../b");
    EXPECT_EQ(AbsolutePath("a", ""), "/a"); // working directory is the root
    EXPECT_EQ(AbsolutePath("/", "/home/u"), "");
    EXPECT_EQ(AbsolutePath("n\nm\xfe", "/d"), "/d/n\nm\xfe");
}
