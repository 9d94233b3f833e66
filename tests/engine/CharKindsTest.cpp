#include "EntryMaker.h"
#include "engine/RenameSettings.h"

#include <gtest/gtest.h>

namespace {

std::string Convert(const CRenameSettings &s, const std::string &name)
{
    CRenameSettings withMode = s;
    withMode.RenameMode = kModeCharKind;
    return withMode.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(CharKindCase, CapitalisesOnlyTheFirstCharacter)
{
    CRenameSettings s;
    s.IsCase = 1;
    s.FileCase = 3;
    s.ExtensionCase = 1;
    EXPECT_EQ(Convert(s, "hELLO wORLD.txt"), "Hello world.TXT");
    s.FileCase = 1;
    s.ExtensionCase = 2;
    EXPECT_EQ(Convert(s, "café.JPG"), "CAFÉ.jpg");
    // Full-width letters change case too and keep their width.
    EXPECT_EQ(Convert(s, "ａｂｃ.txt"), "ＡＢＣ.txt");
    s.IsCase = 0;
    EXPECT_EQ(Convert(s, "MiXeD.TxT"), "MiXeD.TxT");
}

TEST(CharKindWidth, DigitsAndLettersOfTheTitleOnly)
{
    CRenameSettings s;
    s.IsConvNum = 1;
    s.ConvNum = 1;
    EXPECT_EQ(Convert(s, "file2.mp3"), "file２.mp3");
    s.ConvNum = 0;
    EXPECT_EQ(Convert(s, "ｆｉｌｅ２.mp3"), "ｆｉｌｅ2.mp3");
    s.IsConvNum = 0;
    s.IsConvAlpha = 1;
    s.ConvAlpha = 0;
    EXPECT_EQ(Convert(s, "ＡＢＣ.txt"), "ABC.txt");
    s.ConvAlpha = 1;
    EXPECT_EQ(Convert(s, "abc-1.txt"), "ａｂｃ-1.txt");
    // A full-width extension changes case but never width.
    s.IsCase = 1;
    s.ExtensionCase = 1;
    EXPECT_EQ(Convert(s, "a.ｔｘｔ"), "ａ.ＴＸＴ");
}

TEST(CharKindWidth, KatakanaSplitsAndJoinsCharacterByCharacter)
{
    CRenameSettings s;
    s.IsConvKana = 1;
    s.ConvKana = 0;
    EXPECT_EQ(Convert(s, "ガパテスト.txt"), "ｶﾞﾊﾟﾃｽﾄ.txt");
    EXPECT_EQ(Convert(s, "「ア」ー・.txt"), "｢ｱ｣ｰ･.txt");
    s.ConvKana = 1;
    EXPECT_EQ(Convert(s, "ｶﾞﾃｽﾄ.txt"), "カ゛テスト.txt");
    EXPECT_EQ(Convert(s, "ガ.txt"), "ガ.txt");
}

TEST(CharKindWidth, OtherCharactersNeverChange)
{
    CRenameSettings s;
    s.IsConvKana = s.IsConvNum = s.IsConvAlpha = 1;
    s.ConvKana = s.ConvNum = s.ConvAlpha = 1;
    EXPECT_EQ(Convert(s, "写真ひらがな　！.txt"), "写真ひらがな　！.txt");
    s.ConvKana = s.ConvNum = s.ConvAlpha = 0;
    EXPECT_EQ(Convert(s, "写真ひらがな　！.txt"), "写真ひらがな　！.txt");
}

TEST(CharKindWidth, NothingCheckedKeepsEveryCharacter)
{
    const CRenameSettings s;
    EXPECT_EQ(Convert(s, "Aａ1１ｶﾞガ写 　\xFF.tXt"), "Aａ1１ｶﾞガ写 　\xFF.tXt");
    EXPECT_EQ(Convert(s, "README"), "README.");
}

TEST(CharKindCase, OutOfRangeCaseSettingsChangeNothing)
{
    CRenameSettings s;
    s.IsCase = 1;
    s.FileCase = 7;
    s.ExtensionCase = -1;
    EXPECT_EQ(Convert(s, "AbC.TxT"), "AbC.TxT");
}

TEST(ConvertChar, SingleCharacters)
{
    CRenameSettings s;
    EXPECT_EQ(s.ConvertChar("ｂ", CRenameSettings::kCaseUpper, false), "Ｂ");
    EXPECT_EQ(s.ConvertChar("Ｂ", CRenameSettings::kCaseLower, true), "ｂ");
    EXPECT_EQ(s.ConvertChar("\x80", CRenameSettings::kCaseUpper, true), "\x80");
    s.IsConvAlpha = 1;
    EXPECT_EQ(s.ConvertChar("ｂ", CRenameSettings::kCaseUpper, false), "Ｂ");
    EXPECT_EQ(s.ConvertChar("ｂ", CRenameSettings::kCaseUpper, true), "B");
}

} // namespace
