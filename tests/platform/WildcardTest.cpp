#include "platform/Wildcard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

TEST(Wildcard, StarAndQuestionMark)
{
    EXPECT_TRUE(MatchWildcard("*.txt", "notes.txt"));
    EXPECT_TRUE(MatchWildcard("*.txt", ".txt"));
    EXPECT_FALSE(MatchWildcard("*.txt", "notes.txt.bak"));
    EXPECT_TRUE(MatchWildcard("img??.jpg", "img01.jpg"));
    EXPECT_FALSE(MatchWildcard("img??.jpg", "img1.jpg"));
    EXPECT_FALSE(MatchWildcard("img??.jpg", "img001.jpg"));
    EXPECT_TRUE(MatchWildcard("a*b*c", "a--b--b--c"));
    EXPECT_FALSE(MatchWildcard("a*b*c", "a--b--b--"));
    EXPECT_FALSE(MatchWildcard("a*", "ba"));
    EXPECT_TRUE(MatchWildcard("exact", "exact"));
    EXPECT_FALSE(MatchWildcard("exact", "exactly"));
    EXPECT_TRUE(MatchWildcard("**", ""));
}

TEST(Wildcard, IgnoresLetterCaseBeyondAscii)
{
    EXPECT_TRUE(MatchWildcard("*.TXT", "readme.txt"));
    EXPECT_TRUE(MatchWildcard("CAFÉ*", "café.doc"));
    EXPECT_TRUE(MatchWildcard("ＡＢ*", "ａｂｃ")); // full-width letters
    EXPECT_FALSE(MatchWildcard("ab*", "ａｂｃ"));  // but not across widths
}

TEST(Wildcard, DotStarMatchesNamesWithoutDot)
{
    EXPECT_TRUE(MatchWildcard("*.*", "README"));
    EXPECT_TRUE(MatchWildcard("*.*", ".profile"));
    EXPECT_TRUE(MatchWildcard("*.*", ""));
    EXPECT_TRUE(MatchWildcard("x.*", "x"));
    EXPECT_TRUE(MatchWildcard("x.*", "x.tar.gz"));
    EXPECT_FALSE(MatchWildcard("x.*", "xy"));
    EXPECT_TRUE(MatchWildcard("a*.*", "abc"));
}

TEST(Wildcard, QuestionMarkIsOneCharacterNotOneByte)
{
    EXPECT_TRUE(MatchWildcard("?.txt", "日.txt"));
    EXPECT_FALSE(MatchWildcard("??.txt", "日.txt"));
    // Invalid UTF-8 bytes count one character each and never match a different byte.
    EXPECT_TRUE(MatchWildcard("a??", "a\xff\xfe"));
    EXPECT_FALSE(MatchWildcard("a\xff", "a\xfe"));
    EXPECT_TRUE(MatchWildcard("*\xff*", "x\xffy"));
}

TEST(Wildcard, ManyStarsOnLongNamesFinish)
{
    const std::string name(4000, 'a');
    EXPECT_FALSE(MatchWildcard("*a*a*a*a*a*a*a*a*a*a*b", name));
    EXPECT_TRUE(MatchWildcard("*a*a*a*a*a*a*a*a*a*a*", name));
}

TEST(PatternList, SplitsTrimsAndKeepsOrder)
{
    EXPECT_EQ(SplitPatternList("*.jpg; *.PNG ;;*.jpg"),
              (std::vector<std::string>{"*.jpg", "*.PNG", "*.jpg"}));
    EXPECT_EQ(SplitPatternList(""), std::vector<std::string>{"*.*"});
    EXPECT_EQ(SplitPatternList(" ; "), std::vector<std::string>{"*.*"});
    EXPECT_EQ(SplitPatternList("a b.txt"), std::vector<std::string>{"a b.txt"});
}
