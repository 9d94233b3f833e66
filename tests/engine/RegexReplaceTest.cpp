#include "engine/RegexReplace.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Replace(const std::string &title, const std::string &pattern, const std::string &replacement,
                    bool caseless = false)
{
    return engine::RegexReplace(title, pattern, caseless, replacement,
                                [](const std::string &text) { return text; });
}

} // namespace

TEST(RegexReplaceTest, GroupsNamedGroupsAndDollars)
{
    EXPECT_EQ(Replace("DSC_0001", "^DSC_(\\d+)", "photo-$1"), "photo-0001");
    EXPECT_EQ(Replace("2024-05-06", "(?<y>\\d+)-(\\d+)-(\\d+)", "$3.$2.${y}"), "06.05.2024");
    EXPECT_EQ(Replace("a1b22", "\\d+", "[$$]"), "a[$]b[$]") << "every match";
    EXPECT_EQ(Replace("ab", "(x)?b", "<$1>"), "a<>") << "a group that took no part is empty";
    EXPECT_EQ(Replace("abc", "z", "-"), "abc") << "no match";
    EXPECT_EQ(Replace("Photo photo", "PHOTO", "img", true), "img img");
    EXPECT_EQ(Replace("Photo", "PHOTO", "img"), "Photo");
}

TEST(RegexReplaceTest, EmptyMatchesMoveOnByOneCharacter)
{
    EXPECT_EQ(Replace("baaac", "a*", "-"), "-b--c-");
    EXPECT_EQ(Replace("写真", "", "・"), "・写・真・") << "characters, not bytes, of a UTF-8 name";
}

TEST(RegexReplaceTest, NamesThatAreNotUtf8AreMatchedByteForByte)
{
    EXPECT_EQ(Replace("a\xff\xfe-1", "\\d", "N"), "a\xff\xfe-N");
    EXPECT_EQ(Replace("\xff\xfe", ".", "[$0]"), "[$0][$0]") << "one byte each; $0 is literal text";
    EXPECT_EQ(Replace("日本\xff", "本", "x"), "日x\xff");
}

TEST(RegexReplaceTest, LiteralTextIsExpandedButMatchedTextIsNot)
{
    const auto expand = [](const std::string &text) {
        std::string out = text;
        for (std::size_t at = out.find("%n"); at != std::string::npos; at = out.find("%n"))
            out.replace(at, 2, "NAME");
        return out;
    };
    EXPECT_EQ(engine::RegexReplace("a%n$1", "^(a)", false, "%n-$1", expand), "NAME-a%n$1");
}

TEST(RegexReplaceTest, InvalidPatternsSayWhyAndWhere)
{
    EXPECT_FALSE(engine::CheckPattern("^DSC_(\\d+)$", false));
    const auto error = engine::CheckPattern("写真[a-", false);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->offset, 5u) << "counted in characters";
    EXPECT_NE(error->message.find("missing terminating ]"), std::string::npos) << error->message;
    EXPECT_EQ(Replace("abc", "(", "x"), "abc") << "a name stays as it is";
}
