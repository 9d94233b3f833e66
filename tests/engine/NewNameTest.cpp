#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

const CFileEntry kPhoto = MakeEntry("/in", "a.jpg");

TEST(NewNameTest, NumbersRowsBetweenFixedTexts)
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

TEST(NewNameTest, OutOfRangeNumbersStaySane)
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

TEST(NewNameTest, SurroundsTitle)
{
    CRenameSettings s;
    s.RenameMode = RenameKind::OldName;
    s.OrgStr1 = "%n2_";
    s.OrgStr2 = "_old";
    s.IsOrgExtensionChange = 1;
    s.OrgExtension = "bak";
    EXPECT_EQ(s.ComputeNewName(MakeEntry("/in", "report.txt"), 0), "01_report_old.bak");
}

// The trailing "." of these names is dropped when the name reaches the disk.
TEST(NewNameTest, KeepTheirWholeNameAsTitle)
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

TEST(NewNameTest, GiveNoName)
{
    CRenameSettings s;
    for (int mode : {8, 9, 10, 11, 13, -1}) {
        s.RenameMode = static_cast<RenameKind>(mode);
        EXPECT_EQ(s.ComputeNewName(kPhoto, 0), "") << mode;
    }
}

TEST(NewNameTest, OutputDirectoryOnlyForFilesOutsideBatch)
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

TEST(NewNameTest, FixedTextIsNotExpanded)
{
    CRenameSettings s;
    s.NumDirStr = "vol%n";
    s.NumDirWidth = 2;
    s.NumDirStart = 5;
    s.NumDirStep = 10;
    EXPECT_EQ(s.GetNumberedDirName(3), "vol%n35");
}

TEST(NewNameTest, ShowsUnifiedOrOwnTime)
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

TEST(NewNameTest, EveryModeCopesAndKeepsUntouchedBytes)
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

TEST(NewNameTest, NamesFollowTheListing)
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
