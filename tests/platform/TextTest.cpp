#include "platform/Text.h"

#include <gtest/gtest.h>

using platform::CharLength;
using platform::CharOffset;
using platform::CountChars;
using platform::ToLower;
using platform::ToUpper;

TEST(TextTest, MultiByteCharactersCountAsOne)
{
    EXPECT_EQ(CountChars(""), 0u);
    EXPECT_EQ(CountChars("abc"), 3u);
    EXPECT_EQ(CountChars("写真"), 2u);              // kanji, 3 bytes each
    EXPECT_EQ(CountChars("ﾃｽﾄ"), 3u);               // half-width katakana
    EXPECT_EQ(CountChars("a\xF0\x9F\x98\x80"), 2u); // 4-byte sequence
    EXPECT_EQ(CharLength("写真", 0), 3u);
    EXPECT_EQ(CharLength("写真", 6), 0u);
}

TEST(TextTest, InvalidBytesCountOneEach)
{
    // A lone continuation byte, a truncated sequence, an overlong "/" and an
    // encoded surrogate are each made of single invalid bytes.
    EXPECT_EQ(CountChars("\x80"), 1u);
    EXPECT_EQ(CountChars("\xE5\x86"), 2u);
    EXPECT_EQ(CountChars("\xC0\xAF"), 2u);
    EXPECT_EQ(CountChars("\xED\xA0\x80"), 3u);
    EXPECT_EQ(CountChars("\xF5\x80\x80\x80"), 4u);
    // Shift-JIS bytes of テ followed by ASCII.
    EXPECT_EQ(CountChars("\x83\x65x"), 3u);
}

TEST(TextTest, CharOffsetStepsWholeCharacters)
{
    const std::string s = "a写\xFF真b";
    EXPECT_EQ(CharOffset(s, 0), 0u);
    EXPECT_EQ(CharOffset(s, 1), 1u);
    EXPECT_EQ(CharOffset(s, 2), 4u);
    EXPECT_EQ(CharOffset(s, 3), 5u);
    EXPECT_EQ(CharOffset(s, 4), 8u);
    EXPECT_EQ(CharOffset(s, 5), s.size());
    EXPECT_EQ(CharOffset(s, 100), s.size());
}

TEST(TextTest, MapsLettersOfEveryScript)
{
    EXPECT_EQ(ToUpper("abc.Txt"), "ABC.TXT");
    EXPECT_EQ(ToLower("ABC.Txt"), "abc.txt");
    EXPECT_EQ(ToUpper("café"), "CAFÉ");
    EXPECT_EQ(ToLower("ÉTÉ"), "été");
    EXPECT_EQ(ToUpper("ａｂｃ"), "ＡＢＣ"); // full-width Latin
    EXPECT_EQ(ToLower("ΣΑΣ"), "σασ");       // simple mapping: no final sigma
    EXPECT_EQ(ToUpper("straße"), "STRAßE"); // no one-to-many mapping
}

TEST(TextTest, KeepsKanaDigitsAndInvalidBytes)
{
    EXPECT_EQ(ToUpper("写真ﾃｽﾄ123"), "写真ﾃｽﾄ123");
    EXPECT_EQ(ToUpper("a\xFF\x90z"), "A\xFF\x90Z");
    EXPECT_EQ(ToLower(std::string("A\0B", 3)), std::string("a\0b", 3));
}

TEST(TextTest, MappingMayChangeByteLength)
{
    // U+0131 dotless i (2 bytes) upper-cases to ASCII I (1 byte); the Kelvin
    // sign (3 bytes) lower-cases to k.
    EXPECT_EQ(ToUpper("\xC4\xB1"), "I");
    EXPECT_EQ(ToLower("\xE2\x84\xAA"), "k");
}
