#include "platform/Collation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {
int Sign(int v)
{
    return (v > 0) - (v < 0);
}
} // namespace

TEST(CollationTest, BlanksBeforeDigitsBeforeLetters)
{
    EXPECT_LT(CompareCollated(" ", "0"), 0);
    EXPECT_LT(CompareCollated("9", "a"), 0);
    EXPECT_LT(CompareCollated("9", "A"), 0);
    EXPECT_LT(CompareCollated(" folder", "0file"), 0);
    // The padded number keys rely on this: a blank where the other has a digit sorts first.
    EXPECT_LT(CompareCollated("img         7.jpg", "img        12.jpg"), 0);
}

TEST(CollationTest, IgnoresLetterCaseButNotLetters)
{
    EXPECT_EQ(CompareCollated("abc.txt", "ABC.TXT"), 0);
    EXPECT_EQ(CompareCollated("Café", "CAFÉ"), 0);
    EXPECT_LT(CompareCollated("apple", "Banana"), 0);
    EXPECT_LT(CompareCollated("Apple", "banana"), 0);
    EXPECT_NE(CompareCollated("cafe", "café"), 0);
    EXPECT_LT(CompareCollated("", "a"), 0);
}

TEST(CollationTest, IsLocaleAwareForJapanese)
{
    EXPECT_LT(CompareCollated("あ", "い"), 0);
    EXPECT_LT(CompareCollated("z", "あ"), 0);
}

TEST(CollationTest, InvalidBytesOrderDeterministically)
{
    const std::string a = "name\xff", b = "name\xfe";
    const int ab = CompareCollated(a, b);
    EXPECT_NE(ab, 0);
    EXPECT_EQ(CompareCollated(b, a), -ab);
    EXPECT_EQ(CompareCollated(a, a), 0);
    EXPECT_EQ(CompareCollated("X\xff", "x\xff"), 0);
}

TEST(CollationTest, PreparedKeysAgreeWithDirectComparison)
{
    const std::vector<std::string> texts = {"",       " ",      "0",       "10",      "9",      "a",
                                            "A",      "b",      "abc.txt", "ABC.TXT", "é",      "e",
                                            "あいう", "アイウ", "日本",    "\xff",    "\xfe",   "x\xffy",
                                            "X\xffY", "z z",    "zz",      " 1",      "_under", "-dash"};
    const CollationKeys keys(texts);
    ASSERT_EQ(keys.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = 0; j < texts.size(); ++j)
            EXPECT_EQ(Sign(keys.Compare(i, j)), Sign(CompareCollated(texts[i], texts[j])))
                << "'" << texts[i] << "' vs '" << texts[j] << "'";
}
