#include "exec/CompactStringSet.h"

#include <gtest/gtest.h>

#include <string>

using exec::CompactStringSet;
using namespace std::string_literals;

TEST(CompactStringSetTest, FindsEveryKeyAgainAcrossGrowth)
{
    CompactStringSet set;
    for (int i = 0; i < 5000; ++i)
        ASSERT_TRUE(set.Insert("/d/file" + std::to_string(i))) << i;
    for (int i = 0; i < 5000; ++i)
        ASSERT_FALSE(set.Insert("/d/file" + std::to_string(i))) << i;
    EXPECT_TRUE(set.Contains("/d/file4999"));
    EXPECT_FALSE(set.Contains("/d/file5000"));
    EXPECT_TRUE(set.Insert("/d/file5000"));
    EXPECT_FALSE(CompactStringSet().Contains("")) << "an empty set holds nothing";
}

TEST(CompactStringSetTest, ComparesWholeKeysByteForByte)
{
    CompactStringSet set;
    EXPECT_TRUE(set.Insert("ab"));
    EXPECT_TRUE(set.Insert("a"));   // a prefix of a key is another key
    EXPECT_TRUE(set.Insert("abc")); // and so is a longer one
    EXPECT_TRUE(set.Insert("AB"));
    EXPECT_TRUE(set.Insert(""));
    EXPECT_FALSE(set.Insert(""));
    EXPECT_TRUE(set.Insert("a\0b"s));
    EXPECT_TRUE(set.Insert("a\0c"s));
    EXPECT_FALSE(set.Insert("a\0b"s));
}

// Lengths that take one, two and three bytes to write come back whole.
TEST(CompactStringSetTest, KeepsKeysOfEveryLength)
{
    CompactStringSet set;
    for (const std::size_t length :
         {std::size_t{127}, std::size_t{128}, std::size_t{16'383}, std::size_t{16'384}})
        ASSERT_TRUE(set.Insert(std::string(length, 'k'))) << length;
    for (const std::size_t length :
         {std::size_t{127}, std::size_t{128}, std::size_t{16'383}, std::size_t{16'384}})
        EXPECT_TRUE(set.Contains(std::string(length, 'k'))) << length;
    EXPECT_FALSE(set.Contains(std::string(129, 'k')));
}
