#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"

#include <gtest/gtest.h>

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

} // namespace
