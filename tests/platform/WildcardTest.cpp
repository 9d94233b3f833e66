#include "platform/Wildcard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

TEST(WildcardTest, MatchesAsTheDirectorySearchDoes)
{
    struct Case {
        const char *pattern, *name;
        bool matches;
    };
    const Case cases[] = {
        {"*.txt", "notes.txt", true},
        {"*.txt", "notes.txt.bak", false},
        {"img??.jpg", "img01.jpg", true},
        {"img??.jpg", "img1.jpg", false},
        {"a*b*c", "a--b--b--c", true},
        {"a*b*c", "a--b--b--", false},
        {"a*", "ba", false},
        {"exact", "exactly", false},
        {"**", "", true},
        // letter case, also beyond ASCII, but not across widths
        {"*.TXT", "readme.txt", true},
        {"CAFÉ*", "café.doc", true},
        {"ＡＢ*", "ａｂｃ", true},
        {"ab*", "ａｂｃ", false},
        // a trailing ".*" may match nothing
        {"*.*", "README", true},
        {"*.*", "", true},
        {"x.*", "x", true},
        {"x.*", "x.tar.gz", true},
        {"x.*", "xy", false},
        {"a*.*", "abc", true},
        // "?" is one character, an invalid byte is one character of its own
        {"?.txt", "日.txt", true},
        {"??.txt", "日.txt", false},
        {"a??", "a\xff\xfe", true},
        {"a\xff", "a\xfe", false},
        {"*\xff*", "x\xffy", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MatchWildcard(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
}

TEST(WildcardTest, ManyStarsOnLongNamesFinish)
{
    const std::string name(4000, 'a');
    EXPECT_FALSE(MatchWildcard("*a*a*a*a*a*a*a*a*a*a*b", name));
    EXPECT_TRUE(MatchWildcard("*a*a*a*a*a*a*a*a*a*a*", name));
}

TEST(WildcardTest, SplitsTrimsAndKeepsOrder)
{
    EXPECT_EQ(SplitPatternList("*.jpg; *.PNG ;;*.jpg"),
              (std::vector<std::string>{"*.jpg", "*.PNG", "*.jpg"}));
    EXPECT_EQ(SplitPatternList(" ; "), std::vector<std::string>{"*.*"});
    EXPECT_EQ(SplitPatternList("a b.txt"), std::vector<std::string>{"a b.txt"});
}
