#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

const CFileEntry kPhoto = MakeEntry("/in", "a.jpg");

TEST(RenameSettingsRecord, CopyKeepsRunTimeFields)
{
    CRenameSettings source;
    source.FormatStr = "x";
    source.IsInBatch = true;
    source.InputLines = {"from source"};
    CRenameSettings target;
    target.InputLines = {"kept"};
    target.CopyFrom(source);
    EXPECT_EQ(target.FormatStr, "x");
    EXPECT_FALSE(target.IsInBatch);
    EXPECT_EQ(target.InputLines, std::vector<std::string>{"kept"});
}

TEST(RenumberMode, NumbersRowsBetweenFixedTexts)
{
    CRenameSettings s;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "001.jpg"); // defaults: width 3, from 1, step 1
    s.RenumStr1 = "img";
    s.NumberStep = 2;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 4), "img009.jpg");
    s.NumberWidth = 2;
    s.NumberStart = 100;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "img100.jpg"); // never cut
    s.RenumStr2 = "_%f";
    s.IsRenumExtensionChange = 1;
    s.RenumExtension = "%e.bak";
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "img100_a.jpg.bak");
    s.IsRenumExtensionChange = 0;
    EXPECT_EQ(s.ComputeNewName(MakeEntry("/in", "folder.d", true), 0), "img100_folder.d.");
}

TEST(RenumberMode, OutOfRangeNumbersStaySane)
{
    CRenameSettings s;
    s.NumberStart = -5;
    s.NumberWidth = 4;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "-005.jpg"); // the sign counts toward the width
    s.NumberWidth = 0;
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "-5.jpg");
    s.NumberStart = INT_MAX; // wraps as 32-bit arithmetic does, without overflow
    EXPECT_EQ(s.ComputeNewName(kPhoto, 1), "-2147483648.jpg");
    s.NumberWidth = INT_MAX; // capped instead of allocating gigabytes
    EXPECT_EQ(s.ComputeNewName(kPhoto, 0).size(), 255u + 4u);
}

TEST(OldNameMode, SurroundsTitle)
{
    CRenameSettings s;
    s.RenameMode = RenameKind::OldName;
    s.OrgStr1 = "%n2_";
    s.OrgStr2 = "_old";
    s.IsOrgExtensionChange = 1;
    s.OrgExtension = "bak";
    EXPECT_EQ(s.ComputeNewName(MakeEntry("/in", "report.txt"), 0), "01_report_old.bak");
}

std::string Replace(const std::string &pattern, const std::string &name, bool ignoreCase = false)
{
    CRenameSettings s;
    s.RenameMode = RenameKind::Replace;
    s.ReplaceStr1 = pattern;
    s.ReplaceStr2 = "X";
    s.IsReplaceCase = ignoreCase;
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(ReplaceMode, ReplacesOccurrencesInTitle)
{
    EXPECT_EQ(Replace("aa", "aaa.aa"), "Xa.aa"); // no overlap; the extension is kept
    EXPECT_EQ(Replace("z", "abc"), "abc.");
    EXPECT_EQ(Replace("", "README"), "README"); // nothing searched: no dot added
    EXPECT_EQ(Replace("_A", "Data_a.txt"), "Data_a.txt");
    EXPECT_EQ(Replace("_A", "Data_a.txt", true), "DataX.txt");
    EXPECT_EQ(Replace("a", "aBc.txt", true), "XBc.txt");
    EXPECT_EQ(Replace("É", "été.txt", true), "XtX.txt");
    // Upper-casing the dotless i shortens it by a byte: the text after a
    // match must still be cut at the right character.
    EXPECT_EQ(Replace("i", "\xC4\xB1x\xC4\xB1y.txt", true), "XxXy.txt");
}

TEST(ReplaceMode, MatchesOnlyWholeCharacters)
{
    // 0x86 and 0xE5 are bytes of 写 and must not match inside it.
    EXPECT_EQ(Replace("\x86", "写\x86.txt"), "写X.txt");
    EXPECT_EQ(Replace("\xE5", "写.txt"), "写.txt");
}

std::string RangeReplace(RangePosition mode, int position, int width, const std::string &name)
{
    CRenameSettings s;
    s.RenameMode = RenameKind::RangeReplace;
    s.ReplaceMode = mode;
    s.ReplaceNum = position;
    s.ReplaceWidth = width;
    s.ReplaceStr = "Z";
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(RangeReplaceMode, ReplacesCharactersByPosition)
{
    EXPECT_EQ(RangeReplace(RangePosition::First, 2, 2, "abcde.txt"), "Zcde.txt");
    EXPECT_EQ(RangeReplace(RangePosition::Last, 2, 2, "abcde.txt"), "abcZ.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 2, 2, "abcde.txt"), "aZde.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromBack, 2, 2, "abcde.txt"), "abcZ.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 9, 2, "abcde.txt"),
              "abcdZ.txt"); // the last character goes
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 2, 1, ".txt"), "Z.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 2, 1, "写真集.jpg"), "写Z集.jpg");
    EXPECT_EQ(RangeReplace(RangePosition::First, 2, 1, "\xFF\xFE写.jpg"), "Z\xFE写.jpg");
    EXPECT_EQ(RangeReplace(static_cast<RangePosition>(4), 2, 1, "abc.txt"), "");
}

TEST(RangeReplaceMode, OddValuesNeverCrash)
{
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 0, 1, "abc.txt"), "Zabc.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, INT_MIN, INT_MAX, "abc.txt"), "Zabc.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromBack, INT_MIN, INT_MAX, "abc.txt"), "abZ.txt");
    EXPECT_EQ(RangeReplace(RangePosition::First, 2, -3, "abc.txt"), "Zabc.txt");
    EXPECT_EQ(RangeReplace(RangePosition::Last, 2, INT_MIN, "abc.txt"), "abcZ.txt");
}

std::string Insert(InsertPosition mode, int position, const std::string &name)
{
    CRenameSettings s;
    s.RenameMode = RenameKind::Insert;
    s.InsertMode = mode;
    s.InsertNum = position;
    s.InsertStr = "X";
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(InsertMode, InsertsByCharacterPosition)
{
    EXPECT_EQ(Insert(InsertPosition::BeforeTitle, 3, "abcde.txt"), "Xabcde.txt");
    EXPECT_EQ(Insert(InsertPosition::AfterTitle, 3, "abcde.txt"), "abcdeX.txt");
    EXPECT_EQ(Insert(InsertPosition::FromFront, 3, "abcde.txt"), "abXcde.txt");
    EXPECT_EQ(Insert(InsertPosition::FromBack, 3, "abcde.txt"), "abcXde.txt");
    EXPECT_EQ(Insert(InsertPosition::FromBack, 1, "abcde.txt"), "abcdeX.txt");
    EXPECT_EQ(Insert(InsertPosition::FromFront, 99, "abcde.txt"), "abcdeX.txt");
    EXPECT_EQ(Insert(InsertPosition::FromFront, INT_MIN, "abc.txt"), "Xabc.txt");
    EXPECT_EQ(Insert(InsertPosition::FromBack, INT_MIN, "abc.txt"), "abcX.txt");
    EXPECT_EQ(Insert(InsertPosition::FromFront, 2, "写真集.jpg"), "写X真集.jpg");
    EXPECT_EQ(Insert(static_cast<InsertPosition>(7), 2, "abc.txt"), "");
}

// The trailing "." of these names is dropped when the name reaches the disk.
TEST(FolderNames, KeepTheirWholeNameAsTitle)
{
    const CFileEntry folder = MakeEntry("/in", "photos.2020", true);
    CRenameSettings s;
    s.RenameMode = RenameKind::OldName;
    s.OrgStr1 = "x_";
    EXPECT_EQ(s.ComputeNewName(folder, 0), "x_photos.2020.");
    EXPECT_EQ(s.ComputeNewName(MakeEntry("/in", "photos.2020"), 0), "x_photos.2020")
        << "a file is still split at its last dot";

    s.RenameMode = RenameKind::Renumber;
    s.RenumStr2 = "_%f";
    EXPECT_EQ(s.ComputeNewName(folder, 0), "001_photos.2020.");
    s.RenameMode = RenameKind::CharKind;
    s.IsCase = true;
    s.FileCase = LetterCase::Upper;
    EXPECT_EQ(s.ComputeNewName(folder, 0), "PHOTOS.2020.");
    s.RenameMode = RenameKind::Replace;
    s.ReplaceStr1 = "photos";
    s.ReplaceStr2 = "pics";
    EXPECT_EQ(s.ComputeNewName(folder, 0), "pics.2020.");
    s.RenameMode = RenameKind::RangeReplace;
    s.ReplaceMode = RangePosition::Last;
    s.ReplaceWidth = 1;
    s.ReplaceStr = "1";
    EXPECT_EQ(s.ComputeNewName(folder, 0), "photos.2021.");
    s.RenameMode = RenameKind::Insert;
    s.InsertMode = InsertPosition::AfterTitle;
    s.InsertStr = "_a";
    EXPECT_EQ(s.ComputeNewName(folder, 0), "photos.2020_a.");
}

TEST(OtherModes, GiveNoName)
{
    CRenameSettings s;
    for (int mode : {8, 9, 10, 11, 13, -1}) {
        s.RenameMode = static_cast<RenameKind>(mode);
        EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "") << mode;
    }
}

TEST(TargetPath, OutputDirectoryOnlyForFilesOutsideBatch)
{
    CRenameSettings s;
    EXPECT_EQ(s.ComputeTargetPath(MakeEntry("", "a.jpg"), 0), "/001.jpg");
    s.FileCopyMode = OutputKind::Move;
    s.FileCopyDirectory = "/out/";
    EXPECT_EQ(s.ComputeTargetPath(kPhoto, 0), "/out/001.jpg");
    s.IsInBatch = true;
    EXPECT_EQ(s.ComputeTargetPath(kPhoto, 0), "/in/001.jpg");
    s.IsInBatch = false;
    s.ObjMode = ObjectKind::Folders;
    EXPECT_EQ(s.ComputeTargetPath(MakeEntry("/in", "d", true), 0), "/in/001.");
}

TEST(NumberedDirectories, FixedTextIsNotExpanded)
{
    CRenameSettings s;
    s.NumDirStr = "vol%n";
    s.NumDirWidth = 2;
    s.NumDirStart = 5;
    s.NumDirStep = 10;
    EXPECT_EQ(s.GetNumberedDirName(3), "vol%n35");
}

TEST(PreviewTime, ShowsUnifiedOrOwnTime)
{
    const auto entry = MakeEntry("/in", "a.jpg", false, LocalTime(2001, 3, 4, 5, 6, 7));
    CRenameSettings s;
    s.FileTime = LocalTime(2020, 12, 31, 23, 59, 58);
    EXPECT_EQ(s.GetPreviewTimeText(entry), "2001/03/04 05:06:07");
    s.IsFileTimeChange = true;
    EXPECT_EQ(s.GetPreviewTimeText(entry), "2020/12/31 23:59:58");
    s.ObjMode = ObjectKind::Folders;
    EXPECT_EQ(s.GetPreviewTimeText(entry), "2001/03/04 05:06:07");
    s.RenameMode = RenameKind::NumberedDirectories;
    EXPECT_EQ(s.GetPreviewTimeText(entry), "処理実行日時");
}

TEST(AttributeUnification, SetsClearsAndKeepsBits)
{
    using namespace platform;
    const auto entry = MakeEntry("/in", "a", false, 0, kAttrHidden | kAttrSystem | 0x80);
    CRenameSettings s;
    s.AtrReadOnly = AttributeChange::Set;
    s.AtrSystem = AttributeChange::Keep;
    EXPECT_EQ(s.GetNewAttributes(entry), kAttrHidden | kAttrSystem | 0x80u);
    EXPECT_EQ(s.GetNewDirAttributes(), 0u);
    s.IsFileAttribChange = true;
    EXPECT_EQ(s.GetNewAttributes(entry), kAttrReadOnly | kAttrSystem);
    EXPECT_EQ(s.GetNewDirAttributes(), kAttrReadOnly | kAttrSystem);
    EXPECT_EQ(CRenameSettings::FormatAttributeText(kAttrReadOnly | kAttrSystem), "R-S-");
}

TEST(AnyBytes, EveryModeCopesAndKeepsUntouchedBytes)
{
    std::mt19937 random(7);
    const auto randomText = [&](std::size_t maxLength) {
        std::string text(random() % maxLength, '\0');
        for (char &c : text)
            c = static_cast<char>(random() % 4 ? random() % 256 : "%n:5.a"[random() % 6]);
        return text;
    };
    CRenameSettings s;
    for (int round = 0; round < 2000; ++round) {
        const CFileEntry entry = MakeEntry("/in", randomText(24));
        s.ReplaceStr1 = s.ReplaceStr2 = s.ReplaceStr = s.InsertStr = s.FormatStr = randomText(8);
        s.ReplaceNum = s.ReplaceWidth = s.InsertNum = static_cast<int>(random());
        s.IsReplaceCase = round % 2 != 0;
        for (RenameKind kind : kRenameKinds) {
            s.RenameMode = kind;
            s.ComputeNewName(entry, round);
        }
        s.RenameMode = RenameKind::OldName;
        ASSERT_EQ(s.ComputeNewName(entry, round), entry.title + "." + entry.extension);
    }
}

TEST(EntriesFromDisk, NamesFollowTheListing)
{
    testing_support::TempDir dir;
    dir.write("写真.JPG", "x");
    dir.mkdir("sub.dir");
    CRenameSettings s;
    s.RenameMode = RenameKind::Format;
    s.FormatStr = "%p_%f_%e";
    const std::string base = dir.path().substr(dir.path().rfind('/') + 1);
    platform::DirEntryInfo info;
    ASSERT_EQ(platform::ReadDirEntry(dir.file("写真.JPG"), info), 0);
    EXPECT_EQ(s.ComputeNewName(CFileEntry(info), 0), base + "_写真_JPG");
    ASSERT_EQ(platform::ReadDirEntry(dir.file("sub.dir"), info), 0);
    EXPECT_EQ(s.ComputeNewName(CFileEntry(info), 0), base + "_sub.dir_"); // folders have no extension
}

} // namespace
