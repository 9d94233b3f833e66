#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"

#include <gtest/gtest.h>

namespace {

std::string Convert(CRenameSettings s, const std::string &name)
{
    s.RenameMode = kModeCharKind;
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(CharKindCase, TitleAndExtension)
{
    CRenameSettings s;
    s.IsCase = 1;
    s.FileCase = 3;
    s.ExtensionCase = 1;
    EXPECT_EQ(Convert(s, "hELLO wORLD.txt"), "Hello world.TXT"); // only the very first is upper
    s.FileCase = 1;
    s.ExtensionCase = 2;
    EXPECT_EQ(Convert(s, "café.JPG"), "CAFÉ.jpg");
    EXPECT_EQ(Convert(s, "ａｂｃ.txt"), "ＡＢＣ.txt"); // full-width letters keep their width
    s.FileCase = 7;                                    // out of range: no change
    EXPECT_EQ(Convert(s, "AbC.TXT"), "AbC.txt");
}

TEST(CharKindCase, CapitalisedExtension)
{
    CRenameSettings s;
    s.IsCase = 1;
    s.ExtensionCase = 3;
    EXPECT_EQ(Convert(s, "a.TXT"), "a.Txt");
    EXPECT_EQ(Convert(s, "a.ｊＰＧ"), "a.Ｊｐｇ"); // full-width letters keep their width
    EXPECT_EQ(Convert(s, "README"), "README.");
    s.IsCase = 0;
    EXPECT_EQ(Convert(s, "a.tXT"), "a.tXT") << "case left alone while the case box is off";
}

TEST(CharKindWidth, DigitsAndLettersOfTheTitleOnly)
{
    CRenameSettings s;
    s.IsConvNum = 1;
    s.ConvNum = 1;
    EXPECT_EQ(Convert(s, "file2.mp3"), "file２.mp3");
    s.IsConvNum = 0;
    s.IsConvAlpha = 1;
    EXPECT_EQ(Convert(s, "ＡＢＣ１.txt"), "ABC１.txt");
    s.ConvAlpha = 1;
    s.IsCase = 1;
    s.ExtensionCase = 1;
    EXPECT_EQ(Convert(s, "ab-1.ｔｘｔ"), "ａｂ-1.ＴＸＴ"); // the extension changes case only
}

TEST(CharKindWidth, KatakanaConvertsCharacterByCharacter)
{
    CRenameSettings s;
    s.IsConvKana = 1;
    EXPECT_EQ(Convert(s, "ガパテ「ー」.txt"), "ｶﾞﾊﾟﾃ｢ｰ｣.txt");
    s.ConvKana = 1;
    EXPECT_EQ(Convert(s, "ｶﾞﾃ.txt"), "カ゛テ.txt"); // the two halves are not joined
    EXPECT_EQ(Convert(s, "ガ.txt"), "ガ.txt");
}

TEST(CharKindWidth, OtherCharactersAndUncheckedKindsKeepTheirForm)
{
    CRenameSettings s;
    EXPECT_EQ(Convert(s, "Aａ1１ｶﾞガ写 　\xFF.tXt"), "Aａ1１ｶﾞガ写 　\xFF.tXt");
    EXPECT_EQ(Convert(s, "README"), "README.");
    s.IsConvKana = s.IsConvNum = s.IsConvAlpha = 1;
    for (int width : {0, 1}) {
        s.ConvKana = s.ConvNum = s.ConvAlpha = width;
        EXPECT_EQ(Convert(s, "写真ひらがな　！.txt"), "写真ひらがな　！.txt");
    }
}

TEST(ConvertChar, WidthFlagDecidesWhetherSettingsApply)
{
    CRenameSettings s;
    s.IsConvAlpha = 1;
    EXPECT_EQ(s.ConvertChar("ｂ", CRenameSettings::kCaseUpper, false), "Ｂ");
    EXPECT_EQ(s.ConvertChar("ｂ", CRenameSettings::kCaseUpper, true), "B");
    EXPECT_EQ(s.ConvertChar("\x80", CRenameSettings::kCaseUpper, true), "\x80");
}

} // namespace
