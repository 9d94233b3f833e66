#include "cli/PathList.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

using cli::PathList;

// The count a run makes room by: paths, not delimiters (empty lines are
// skipped), a last path without a delimiter included, and the list is read
// from its start afterwards all the same.
TEST(PathListTest, CountsThePathsOfAListFileWithoutMovingItOn)
{
    testing_support::TempDir dir;
    const std::string lines = dir.write("lines", "a\n\n\nb\nc");
    const std::string nul = dir.write("nul", std::string("a\0b\0\0", 5));
    const std::string empty = dir.write("empty", "\n\n");
    PathList list(lines, '\n');
    EXPECT_EQ(list.MostPaths(), 3u);
    std::string path;
    ASSERT_TRUE(list.Next(path));
    EXPECT_EQ(path, "a");
    EXPECT_EQ(PathList(nul, '\0').MostPaths(), 2u);
    EXPECT_EQ(PathList(empty, '\n').MostPaths(), 0u);
}
