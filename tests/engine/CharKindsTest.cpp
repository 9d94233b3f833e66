#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"

#include "platform/Text.h"
#include "platform/Width.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

std::string Convert(CRenameSettings s, const std::string &name)
{
    s.RenameMode = RenameKind::CharKind;
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(CharKindsTest, TitleAndExtension)
{
    CRenameSettings s;
    s.IsCase = 1;
    s.FileCase = LetterCase::Capitalised;
    s.ExtensionCase = LetterCase::Upper;
    EXPECT_EQ(Convert(s, "hELLO wORLD.txt"), "Hello world.TXT"); // only the very first is upper
    s.FileCase = LetterCase::Upper;
    s.ExtensionCase = LetterCase::Lower;
    EXPECT_EQ(Convert(s, "café.JPG"), "CAFÉ.jpg");
    EXPECT_EQ(Convert(s, "ａｂｃ.txt"), "ＡＢＣ.txt"); // full-width letters keep their width
    s.FileCase = static_cast<LetterCase>(7);           // out of range: no change
    EXPECT_EQ(Convert(s, "AbC.TXT"), "AbC.txt");
}

TEST(CharKindsTest, CapitalisedExtension)
{
    CRenameSettings s;
    s.IsCase = 1;
    s.ExtensionCase = LetterCase::Capitalised;
    EXPECT_EQ(Convert(s, "a.TXT"), "a.Txt");
    EXPECT_EQ(Convert(s, "a.ｊＰＧ"), "a.Ｊｐｇ"); // full-width letters keep their width
    EXPECT_EQ(Convert(s, "README"), "README.");
    s.IsCase = 0;
    EXPECT_EQ(Convert(s, "a.tXT"), "a.tXT") << "case left alone while the case box is off";
}

TEST(CharKindsTest, DigitsAndLettersOfTheTitleOnly)
{
    CRenameSettings s;
    s.IsConvNum = true;
    s.ConvNum = CharWidth::Full;
    EXPECT_EQ(Convert(s, "file2.mp3"), "file２.mp3");
    s.IsConvNum = 0;
    s.IsConvAlpha = true;
    EXPECT_EQ(Convert(s, "ＡＢＣ１.txt"), "ABC１.txt");
    s.ConvAlpha = CharWidth::Full;
    s.IsCase = 1;
    s.ExtensionCase = LetterCase::Upper;
    EXPECT_EQ(Convert(s, "ab-1.ｔｘｔ"), "ａｂ-1.ＴＸＴ"); // the extension changes case only
}

TEST(CharKindsTest, KatakanaConvertsCharacterByCharacter)
{
    CRenameSettings s;
    s.IsConvKana = true;
    EXPECT_EQ(Convert(s, "ガパテ「ー」.txt"), "ｶﾞﾊﾟﾃ｢ｰ｣.txt");
    s.ConvKana = CharWidth::Full;
    EXPECT_EQ(Convert(s, "ｶﾞﾃ.txt"), "カ゛テ.txt"); // the two halves are not joined
    EXPECT_EQ(Convert(s, "ガ.txt"), "ガ.txt");
}

TEST(CharKindsTest, OtherCharactersAndUncheckedKindsKeepTheirForm)
{
    CRenameSettings s;
    EXPECT_EQ(Convert(s, "Aａ1１ｶﾞガ写 　\xFF.tXt"), "Aａ1１ｶﾞガ写 　\xFF.tXt");
    EXPECT_EQ(Convert(s, "README"), "README.");
    s.IsConvKana = s.IsConvNum = s.IsConvAlpha = true;
    for (CharWidth width : {CharWidth::Half, CharWidth::Full}) {
        s.ConvKana = s.ConvNum = s.ConvAlpha = width;
        EXPECT_EQ(Convert(s, "写真ひらがな　！.txt"), "写真ひらがな　！.txt");
    }
}

TEST(CharKindsTest, WidthFlagDecidesWhetherSettingsApply)
{
    CRenameSettings s;
    s.IsConvAlpha = true;
    EXPECT_EQ(s.ConvertChar("ｂ", CRenameSettings::kCaseUpper, false), "Ｂ");
    EXPECT_EQ(s.ConvertChar("ｂ", CRenameSettings::kCaseUpper, true), "B");
    EXPECT_EQ(s.ConvertChar("\x80", CRenameSettings::kCaseUpper, true), "\x80");
}

// ASCII characters convert without being decoded: each must come out as its
// full-width form does where a width is chosen for letters and digits, and
// keep its own width otherwise.
TEST(CharKindsTest, AsciiConvertsAsItsFullWidthForm)
{
    CRenameSettings s;
    s.IsConvAlpha = s.IsConvNum = true;
    for (CharWidth width : {CharWidth::Half, CharWidth::Full}) {
        s.ConvAlpha = s.ConvNum = width;
        for (int operation :
             {CRenameSettings::kCaseNone, CRenameSettings::kCaseUpper, CRenameSettings::kCaseLower}) {
            for (char c = '!'; c <= '~'; ++c) {
                const std::string ascii(1, c);
                std::string full;
                platform::AppendChar(full, platform::FullWidthOf(static_cast<char32_t>(c)));
                const bool letterOrDigit = std::isalnum(static_cast<unsigned char>(c)) != 0;
                EXPECT_EQ(s.ConvertChar(ascii, operation, true),
                          letterOrDigit ? s.ConvertChar(full, operation, true) : ascii)
                    << c << " " << operation;
                EXPECT_EQ(platform::ToFullWidth(s.ConvertChar(ascii, operation, false)),
                          s.ConvertChar(full, operation, false))
                    << c << " " << operation;
            }
        }
    }
}

TEST(CharKindsTest, MixedTitlesConvertCharacterByCharacter)
{
    CRenameSettings s;
    s.IsCase = 1;
    s.FileCase = LetterCase::Capitalised;
    s.ExtensionCase = LetterCase::Upper;
    s.IsConvAlpha = true;
    s.ConvAlpha = CharWidth::Full;
    EXPECT_EQ(Convert(s, "ｂAR写\xFFｶx1.Txt"), "Ｂａｒ写\xFFｶｘ1.TXT");
    EXPECT_EQ(Convert(s, "\xFF"
                         "aB.txt"),
              "\xFFａｂ.TXT")
        << "an invalid byte is the first character";
}

} // namespace
