#include "EntryMaker.h"
#include "engine/RenameSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const CFileEntry kPhoto = MakeEntry("/in", "a.jpg");

TEST(RenameSettingsRecord, DefaultsAndCopy)
{
    const platform::TimeValue before = platform::CurrentTime();
    CRenameSettings s;
    EXPECT_GE(s.FileTime, before);
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "001.jpg");
    EXPECT_EQ(s.GetNumberedDirName(0), "001");
    EXPECT_EQ(s.ReplaceNum, 2);
    EXPECT_EQ(s.InsertNum, 2);

    CRenameSettings source;
    source.RenameMode = kModeFormat;
    source.FormatStr = "x";
    source.IsInBatch = 1;
    source.InputLines = {"from source"};
    CRenameSettings target;
    target.InputLines = {"kept"};
    target.CopyFrom(source);
    EXPECT_EQ(target.RenameMode, kModeFormat);
    EXPECT_EQ(target.FormatStr, "x");
    EXPECT_EQ(target.IsInBatch, 0);
    EXPECT_EQ(target.InputLines, std::vector<std::string>{"kept"});
    target.CopyFrom(target);
    EXPECT_EQ(target.InputLines, std::vector<std::string>{"kept"});
}

TEST(RenumberMode, NumbersRowsWithFixedTexts)
{
    CRenameSettings s;
    s.RenumStr1 = "img";
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "img001.jpg");
    EXPECT_EQ(s.ComputeNewName(kPhoto, 4), "img005.jpg");
    s.NumberStep = 2;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 4), "img009.jpg");
    s.NumberWidth = 2;
    s.NumberStart = 100;
    s.NumberStep = 1;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "img100.jpg"); // never cut
    s.RenumStr2 = "_%f";
    s.IsRenumExtensionChange = 1;
    s.RenumExtension = "%e.bak";
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "img100_a.jpg.bak");
}

TEST(RenumberMode, EntriesWithoutExtensionEndInDot)
{
    CRenameSettings s;
    s.RenumStr1 = "img";
    EXPECT_EQ(s.ComputeNewName(MakeEntry("/in", "README"), 0), "img001.");
    EXPECT_EQ(s.ComputeNewName(MakeEntry("/in", "folder.d", true), 0), "img001.");
}

TEST(RenumberMode, OutOfRangeNumbersStaySane)
{
    CRenameSettings s;
    s.NumberStart = -5;
    s.NumberWidth = 4;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "-005.jpg"); // sign counts toward the width
    s.NumberWidth = 0;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "-5.jpg");
    // Wraps like signed 32-bit arithmetic instead of overflowing.
    s.NumberStart = INT_MAX;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 1), "-2147483648.jpg");
    s.NumberStart = 0;
    s.NumberStep = INT_MAX;
    EXPECT_EQ(s.ComputeNewName(kPhoto, INT_MAX), "1.jpg");
    // A huge width is capped instead of allocating gigabytes.
    s.NumberWidth = INT_MAX;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0).size(), 255u + 4u);
}

TEST(OldNameMode, SurroundsTitle)
{
    CRenameSettings s;
    s.RenameMode = kModeOldName;
    s.OrgStr1 = "%n2_";
    s.OrgStr2 = "_old";
    EXPECT_EQ(s.ComputeNewName(MakeEntry("/in", "report.txt"), 0), "01_report_old.txt");
    s.IsOrgExtensionChange = 1;
    s.OrgExtension = "bak";
    EXPECT_EQ(s.ComputeNewName(MakeEntry("/in", "report.txt"), 0), "01_report_old.bak");
}

std::string Replace(const std::string &pattern, const std::string &name, bool ignoreCase = false,
                    const std::string &replacement = "X", int row = 0)
{
    CRenameSettings s;
    s.RenameMode = kModeReplace;
    s.ReplaceStr1 = pattern;
    s.ReplaceStr2 = replacement;
    s.IsReplaceCase = ignoreCase;
    return s.ComputeNewName(MakeEntry("/in", name), row);
}

TEST(ReplaceMode, ReplacesEveryOccurrenceInTitle)
{
    EXPECT_EQ(Replace("a", "Banana.a"), "BXnXnX.a");
    EXPECT_EQ(Replace("aa", "aaa.txt"), "Xa.txt"); // no overlap
    EXPECT_EQ(Replace("z", "abc"), "abc.");
    EXPECT_EQ(Replace("写", "写真写.jpg", false, "%n1", 1), "2真2.jpg");
}

TEST(ReplaceMode, IgnoringCaseKeepsUnmatchedText)
{
    EXPECT_EQ(Replace("_A", "Data_a.txt"), "Data_a.txt");
    EXPECT_EQ(Replace("_A", "Data_a.txt", true), "DataX.txt");
    EXPECT_EQ(Replace("a", "Banana.txt", true), "BXnXnX.txt");
    EXPECT_EQ(Replace("a", "aBc.txt", true), "XBc.txt");
    EXPECT_EQ(Replace("É", "été.txt", true), "XtX.txt");
    // Upper-casing the dotless i shortens it by a byte: the text after the
    // match must still be cut at the right character.
    EXPECT_EQ(Replace("i", "\xC4\xB1x\xC4\xB1y.txt", true), "XxXy.txt");
}

TEST(ReplaceMode, MatchesOnlyWholeCharacters)
{
    // The lone byte 0x86 is the middle of 写 and must not match inside it.
    EXPECT_EQ(Replace("\x86", "写\x86.txt"), "写X.txt");
    EXPECT_EQ(Replace("\xE5", "写.txt"), "写.txt");
}

TEST(ReplaceMode, EmptySearchKeepsFileName)
{
    EXPECT_EQ(Replace("", "a.txt"), "a.txt");
    EXPECT_EQ(Replace("", "README"), "README");
}

std::string RangeReplace(int mode, int position, int width, const std::string &name)
{
    CRenameSettings s;
    s.RenameMode = kModeRangeReplace;
    s.ReplaceMode = mode;
    s.ReplaceNum = position;
    s.ReplaceWidth = width;
    s.ReplaceStr = "Z";
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(RangeReplaceMode, ReplacesCharactersByPosition)
{
    EXPECT_EQ(RangeReplace(0, 2, 2, "abcde.txt"), "Zcde.txt");
    EXPECT_EQ(RangeReplace(2, 2, 2, "abcde.txt"), "abcZ.txt");
    EXPECT_EQ(RangeReplace(1, 2, 2, "abcde.txt"), "aZde.txt");
    EXPECT_EQ(RangeReplace(3, 2, 2, "abcde.txt"), "abcZ.txt");
    EXPECT_EQ(RangeReplace(1, 9, 2, "abcde.txt"), "abcdZ.txt"); // last character replaced
    EXPECT_EQ(RangeReplace(3, 9, 2, "abcde.txt"), "Zcde.txt");
    EXPECT_EQ(RangeReplace(0, 2, 9, "abc.txt"), "Z.txt");
    EXPECT_EQ(RangeReplace(1, 2, 1, ".txt"), "Z.txt");
    EXPECT_EQ(RangeReplace(4, 2, 1, "abc.txt"), "");
    EXPECT_EQ(RangeReplace(-1, 2, 1, "abc.txt"), "");
}

TEST(RangeReplaceMode, CountsCharactersNotBytes)
{
    EXPECT_EQ(RangeReplace(1, 2, 1, "写真集.jpg"), "写Z集.jpg");
    EXPECT_EQ(RangeReplace(2, 2, 2, "ﾃｽﾄ.jpg"), "ﾃZ.jpg");
    EXPECT_EQ(RangeReplace(0, 2, 1, "\xFF\xFE写.jpg"), "Z\xFE写.jpg");
}

TEST(RangeReplaceMode, OddValuesNeverCrash)
{
    EXPECT_EQ(RangeReplace(1, 0, 1, "abc.txt"), "Zabc.txt");
    EXPECT_EQ(RangeReplace(1, INT_MIN, INT_MAX, "abc.txt"), "Zabc.txt");
    EXPECT_EQ(RangeReplace(3, INT_MIN, INT_MAX, "abc.txt"), "abZ.txt");
    EXPECT_EQ(RangeReplace(0, 2, -3, "abc.txt"), "Zabc.txt");
    EXPECT_EQ(RangeReplace(2, 2, INT_MIN, "abc.txt"), "abcZ.txt");
    EXPECT_EQ(RangeReplace(1, INT_MAX, INT_MAX, "abc.txt"), "abZ.txt");
}

std::string Insert(int mode, int position, const std::string &name)
{
    CRenameSettings s;
    s.RenameMode = kModeInsert;
    s.InsertMode = mode;
    s.InsertNum = position;
    s.InsertStr = "X";
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(InsertMode, InsertsByCharacterPosition)
{
    EXPECT_EQ(Insert(0, 3, "abcde.txt"), "Xabcde.txt");
    EXPECT_EQ(Insert(2, 3, "abcde.txt"), "abcdeX.txt");
    EXPECT_EQ(Insert(1, 3, "abcde.txt"), "abXcde.txt");
    EXPECT_EQ(Insert(3, 3, "abcde.txt"), "abcXde.txt");
    EXPECT_EQ(Insert(1, 1, "abcde.txt"), "Xabcde.txt");
    EXPECT_EQ(Insert(3, 1, "abcde.txt"), "abcdeX.txt");
    EXPECT_EQ(Insert(1, 99, "abcde.txt"), "abcdeX.txt");
    EXPECT_EQ(Insert(1, INT_MIN, "abc.txt"), "Xabc.txt");
    EXPECT_EQ(Insert(3, INT_MIN, "abc.txt"), "abcX.txt");
    EXPECT_EQ(Insert(1, 2, "写真集.jpg"), "写X真集.jpg");
    EXPECT_EQ(Insert(7, 2, "abc.txt"), "");
}

TEST(FromFileMode, HandsOutLinesByRow)
{
    CRenameSettings s;
    s.RenameMode = kModeFromFile;
    s.InputLines = {"first.txt", ""};
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "first.txt");
    EXPECT_EQ(s.ComputeNewName(kPhoto, 1), "");
    EXPECT_EQ(s.ComputeNewName(kPhoto, 2), "a.jpg");
    EXPECT_EQ(s.ComputeNewName(kPhoto, -1), "a.jpg");
}

TEST(OtherModes, GiveNoName)
{
    CRenameSettings s;
    for (int mode : {8, 9, 10, 11, 12, 13, -1}) {
        s.RenameMode = mode;
        EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "") << mode;
    }
}

TEST(TargetPath, OutputDirectoryOnlyForFilesOutsideBatch)
{
    CRenameSettings s;
    s.RenumStr1 = "n";
    EXPECT_EQ(s.ComputeTargetPath(MakeEntry("/in", "a.jpg"), 0), "/in/n001.jpg");
    EXPECT_EQ(s.ComputeTargetPath(MakeEntry("", "a.jpg"), 0), "/n001.jpg");
    s.FileCopyMode = 1;
    s.FileCopyDirectory = "/out/";
    EXPECT_EQ(s.ComputeTargetPath(MakeEntry("/in", "a.jpg"), 0), "/out/n001.jpg");
    s.FileCopyDirectory = "/";
    EXPECT_EQ(s.ComputeTargetPath(MakeEntry("/in", "a.jpg"), 0), "/n001.jpg");
    s.FileCopyDirectory = "/out";
    s.IsInBatch = 1;
    EXPECT_EQ(s.ComputeTargetPath(MakeEntry("/in", "a.jpg"), 0), "/in/n001.jpg");
    s.IsInBatch = 0;
    s.ObjMode = 1;
    EXPECT_EQ(s.ComputeTargetPath(MakeEntry("/in", "d", true), 0), "/in/n001.");
}

TEST(NumberedDirectories, NamesAreNotExpanded)
{
    CRenameSettings s;
    s.NumDirStr = "vol%n";
    s.NumDirWidth = 2;
    s.NumDirStart = 5;
    s.NumDirStep = 10;
    EXPECT_EQ(s.GetNumberedDirName(0), "vol%n05");
    EXPECT_EQ(s.GetNumberedDirName(3), "vol%n35");
}

TEST(PreviewTime, ShowsUnifiedOrOwnTime)
{
    const auto entry = MakeEntry("/in", "a.jpg", false, LocalTime(2001, 3, 4, 5, 6, 7));
    CRenameSettings s;
    s.FileTime = LocalTime(2020, 12, 31, 23, 59, 58);
    EXPECT_EQ(s.GetPreviewTimeText(entry), "2001/03/04 05:06:07");
    s.IsFileTimeChange = 1;
    EXPECT_EQ(s.GetPreviewTimeText(entry), "2020/12/31 23:59:58");
    s.ObjMode = 1;
    EXPECT_EQ(s.GetPreviewTimeText(entry), "2001/03/04 05:06:07");
    s.RenameMode = kModeNumberedDirs;
    EXPECT_EQ(s.GetPreviewTimeText(entry), "処理実行日時");
}

TEST(AttributeUnification, SetsClearsAndKeepsBits)
{
    using namespace platform;
    const auto entry = MakeEntry("/in", "a", false, 0, kAttrHidden | kAttrSystem | 0x80);
    CRenameSettings s;
    s.AtrReadOnly = 1;
    s.AtrHidden = 0;
    s.AtrSystem = 2;
    s.AtrArchive = 0;
    EXPECT_EQ(s.GetNewAttributes(entry), kAttrHidden | kAttrSystem | 0x80u);
    EXPECT_EQ(s.GetNewDirAttributes(), 0u);
    s.IsFileAttribChange = 1;
    EXPECT_EQ(s.GetNewAttributes(entry), kAttrReadOnly | kAttrSystem);
    EXPECT_EQ(s.GetNewDirAttributes(), kAttrReadOnly | kAttrSystem);
    EXPECT_EQ(CRenameSettings::FormatAttributeText(kAttrReadOnly | kAttrSystem), "R-S-");
    EXPECT_EQ(CRenameSettings::FormatAttributeText(0xFFFFFFFF), "RHSA");
}

TEST(EntriesFromDisk, NamesFollowTheListing)
{
    testing_support::TempDir dir;
    dir.write("写真.JPG", "x");
    dir.write(".hidden", "");
    dir.mkdir("sub.dir");
    CRenameSettings s;
    s.RenameMode = kModeFormat;
    s.FormatStr = "%p_%f_%e";
    const std::string base = dir.path().substr(dir.path().rfind('/') + 1);

    platform::DirEntryInfo info;
    ASSERT_EQ(platform::ReadDirEntry(dir.file("写真.JPG"), info), 0);
    EXPECT_EQ(s.ComputeNewName(CFileEntry(info), 0), base + "_写真_JPG");
    ASSERT_EQ(platform::ReadDirEntry(dir.file(".hidden"), info), 0);
    EXPECT_EQ(s.ComputeNewName(CFileEntry(info), 0), base + "__hidden");
    ASSERT_EQ(platform::ReadDirEntry(dir.file("sub.dir"), info), 0);
    EXPECT_EQ(s.ComputeNewName(CFileEntry(info), 0), base + "_sub_"); // folders have no extension
    s.RenameMode = kModeRenumber;
    s.ObjMode = 1;
    s.FileCopyMode = 1;
    s.FileCopyDirectory = "/elsewhere";
    EXPECT_EQ(s.ComputeTargetPath(CFileEntry(info), 0), dir.path() + "/001.");
}

} // namespace
