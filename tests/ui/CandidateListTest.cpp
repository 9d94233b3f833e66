#include "ui/main/CandidateList.h"
#include "ui/main/CandidateMarks.h"

#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"
#include "support/MediaSamples.h"
#include "support/TempDir.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using testing_support::TempDir;

namespace {

// A list of files named by the letters of `names` in directory /d.
CCandidateList Letters(const std::string &names)
{
    CCandidateList list;
    for (char c : names)
        list.Append(MakeEntry("/d", std::string(1, c) + ".txt"));
    return list;
}

// The rows as letters, "_" for a placeholder.
std::string Order(const CCandidateList &list)
{
    std::string order;
    for (int row = 0; row < list.RowCount(); ++row)
        order += list.Entry(row).isDummy ? '_' : list.Entry(row).fileName[0];
    return order;
}

using Rows = std::vector<int>;

// Where the given old rows stand after an edit that returned `newRowOfOld`.
Rows Moved(const Rows &newRowOfOld, const Rows &rows)
{
    Rows moved;
    for (int row : rows)
        moved.push_back(newRowOfOld[static_cast<std::size_t>(row)]);
    std::sort(moved.begin(), moved.end());
    return moved;
}

TEST(CandidateListTest, ButtonMovesKeepTheSelectionOnTheMovedEntries)
{
    struct Case {
        const char *name;
        Rows selected;
        std::vector<int> (CCandidateList::*move)(const std::vector<int> &);
        std::string order;
        Rows selection;
    };
    const Case cases[] = {
        {"up: a block moves by one", {2, 3}, &CCandidateList::MoveUp, "acdbe", {1, 2}},
        {"up: the top row stays, the next joins it", {0, 2}, &CCandidateList::MoveUp, "acbde", {0, 1}},
        {"down: a block moves by one", {1, 2}, &CCandidateList::MoveDown, "adbce", {2, 3}},
        {"top: previous order kept", {1, 3}, &CCandidateList::MoveToTop, "bdace", {0, 1}},
        {"end: previous order kept", {0, 2}, &CCandidateList::MoveToEnd, "bdeac", {3, 4}},
        {"end: a selected last row stays before the moved rows",
         {1, 4},
         &CCandidateList::MoveToEnd,
         "acdeb",
         {3, 4}},
    };
    for (const Case &c : cases) {
        CCandidateList list = Letters("abcde");
        const Rows newRowOfOld = (list.*c.move)(c.selected);
        EXPECT_EQ(Order(list), c.order) << c.name;
        EXPECT_EQ(Moved(newRowOfOld, c.selected), c.selection) << c.name;
    }
}

TEST(CandidateListTest, MoveToAPositionCountsTheRowsTakenFromAboveIt)
{
    CCandidateList list = Letters("abcde");
    // Rows 0 and 1 to position 3: both lie above it, so they land at 1 and 2.
    EXPECT_EQ(Moved(list.MoveTo({0, 1}, 3), {0, 1}), (Rows{1, 2}));
    EXPECT_EQ(Order(list), "cabde");

    // The line below the last row is the end of the list.
    list = Letters("abcde");
    EXPECT_EQ(Moved(list.MoveTo({1, 2}, 5), {1, 2}), (Rows{3, 4}));
    EXPECT_EQ(Order(list), "adebc");

    list = Letters("abcde");
    EXPECT_EQ(Moved(list.MoveTo({3}, 0), {3}), (Rows{0}));
    EXPECT_EQ(Order(list), "dabce");
}

TEST(CandidateListTest, PlaceholdersGoBelowEachSelectedRowUnselected)
{
    CCandidateList list = Letters("abc");
    EXPECT_EQ(Moved(list.InsertDummiesAfter({0, 2}), {0, 2}), (Rows{0, 3}));
    EXPECT_EQ(Order(list), "a_bc_") << "a placeholder after the last row becomes the last row";
    list.RemoveRows({1, 4});
    EXPECT_EQ(Order(list), "abc");
    list.InsertDummiesAfter({1});
    list.RemoveDummies();
    EXPECT_EQ(Order(list), "abc");
}

TEST(CandidateListTest, AFilePathIsListedOnceUntilItsRowIsRemoved)
{
    CCandidateList list;
    EXPECT_TRUE(list.Append(MakeEntry("/d", "a.txt")));
    EXPECT_FALSE(list.Append(MakeEntry("/d", "a.txt"))) << "same path from another listing";
    EXPECT_TRUE(list.Append(MakeEntry("/d", "A.txt"))) << "names differing in case are different files";
    EXPECT_TRUE(list.Append(MakeEntry("/e", "a.txt")));
    EXPECT_EQ(list.RowCount(), 3);

    list.MoveToEnd({0});
    list.RemoveRows({2});
    EXPECT_TRUE(list.Append(MakeEntry("/d", "a.txt"))) << "a removed row frees its path";
    list.Clear();
    EXPECT_TRUE(list.Append(MakeEntry("/e", "a.txt")));

    // Many at once: the listed path and the repeated one are dropped.
    std::vector<CFileEntry> batch{MakeEntry("/e", "a.txt"), MakeEntry("/e", "b.txt"),
                                  MakeEntry("/e", "b.txt")};
    list.Admit(batch);
    ASSERT_EQ(batch.size(), 1u);
    list.AppendAdmitted(std::move(batch));
    EXPECT_EQ(Order(list), "ab");
    EXPECT_FALSE(list.Append(MakeEntry("/e", "b.txt")));
}

TEST(CandidateListTest, SortKeysOfTheColumnsFollowModeAndPathDisplay)
{
    EXPECT_EQ(CCandidateList::SortKeyOfColumn(0, false, false), SortKey::Name);
    EXPECT_EQ(CCandidateList::SortKeyOfColumn(0, false, true), SortKey::FullPath);
    EXPECT_EQ(CCandidateList::SortKeyOfColumn(1, false, false), SortKey::None);
    EXPECT_EQ(CCandidateList::SortKeyOfColumn(3, false, true), SortKey::Attributes);
    EXPECT_EQ(CCandidateList::SortKeyOfColumn(0, true, true), SortKey::FullPath);
    EXPECT_EQ(CCandidateList::SortKeyOfColumn(1, true, false), SortKey::Size);
    EXPECT_EQ(CCandidateList::SortKeyOfColumn(3, true, false), SortKey::Time);

    CCandidateList list = Letters("cab");
    list.Sort(SortKey::Name, false, -1);
    EXPECT_EQ(Order(list), "cba");
}

class CandidateListPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.RenameMode = RenameKind::Renumber;
        settings.RenumStr1 = "p";
        settings.NumberWidth = 2;
        settings.NumberStart = 1;
        settings.NumberStep = 1;
        list.SetSettings(&settings);
    }
    std::string Cell(int row, int column) const { return list.CellText(row, column).toStdString(); }

    CRenameSettings settings;
    CCandidateList list;
};

TEST_F(CandidateListPreviewTest, RenameModesShowTheNewNameTimeAndAttributesOfEachRow)
{
    list.Append(MakeEntry("/d", "a.jpg", false, LocalTime(2020, 5, 6, 7, 8, 9), platform::kAttrReadOnly));
    list.Append(MakeEntry("/d", "b.jpg"));
    list.Append(MakeEntry("/d", "Album", true));
    EXPECT_EQ(Cell(0, 0), "a.jpg");
    EXPECT_EQ(Cell(0, 1), "p01.jpg");
    EXPECT_EQ(Cell(1, 1), "p02.jpg");
    EXPECT_EQ(Cell(2, 1), "p03") << "the name it gets, without the dot before an empty extension";
    EXPECT_EQ(Cell(0, 2), "2020/05/06 07:08:09");
    EXPECT_EQ(Cell(0, 3), "R---");

    // A placeholder takes a number: the row below it shifts by one.
    list.InsertDummiesAfter({0});
    EXPECT_EQ(Cell(1, 0), "<DUMMY>");
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(2, 1), "p03.jpg");

    // Unification shows the values the files will get.
    settings.IsFileTimeChange = 1;
    settings.FileTime = LocalTime(2001, 2, 3, 4, 5, 6);
    settings.IsFileAttribChange = 1;
    settings.AtrReadOnly = AttributeChange::Clear;
    settings.AtrHidden = AttributeChange::Set;
    settings.AtrSystem = AttributeChange::Keep;
    settings.AtrArchive = AttributeChange::Set;
    EXPECT_EQ(Cell(0, 2), "2001/02/03 04:05:06");
    EXPECT_EQ(Cell(0, 3), "-H-A");
}

TEST_F(CandidateListPreviewTest, ANameThatNeedsTheFilesDataShowsOnceAWorkerHasReadIt)
{
    TempDir dir;
    testing_support::WriteJpeg(dir.file("DSC_0001.JPG"), {{"Exif.Image.Model", "Cam/1"}});
    platform::DirEntryInfo info;
    ASSERT_EQ(platform::ReadDirEntry(dir.file("DSC_0001.JPG"), info), 0);
    list.Append(CFileEntry(info));
    settings.RenameMode = RenameKind::Format;
    settings.FormatStr = "%{camera}_%n2.%e";

    QSignalSpy arrived(&list.Media(), &CMediaFetcher::Arrived);
    EXPECT_EQ(Cell(0, 1), "") << "never read on the interface thread";
    ASSERT_TRUE(arrived.wait(10000));
    EXPECT_EQ(Cell(0, 1), "Cam_1_01.JPG");
}

TEST_F(CandidateListPreviewTest, NumberedDirectoriesAndConcatenationHaveTheirOwnColumns)
{
    settings.RenameMode = RenameKind::NumberedDirectories;
    settings.NumDirStr = "dir";
    settings.NumDirWidth = 2;
    settings.NumDirStart = 1;
    settings.NumDirStep = 1;
    list.PlaceNumberedDirectories(3);
    ASSERT_EQ(list.RowCount(), 3);
    list.PlaceNumberedDirectories(5);
    ASSERT_EQ(list.RowCount(), 5);
    EXPECT_EQ(Cell(3, 0), settings.GetNumberedDirName(3));
    EXPECT_EQ(Cell(4, 1), "処理実行日時");
    EXPECT_TRUE(list.Entry(4).isFolder);
    // The attributes are those unification gives the placeholder, which has none to keep.
    settings.IsFileAttribChange = 1;
    settings.AtrReadOnly = AttributeChange::Keep;
    settings.AtrHidden = AttributeChange::Set;
    EXPECT_EQ(Cell(4, 2), "-H--");
    list.PlaceNumberedDirectories(2);
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_EQ(CCandidateList::Columns(settings).size(), 3u);

    list.Clear();
    settings.RenameMode = RenameKind::Concatenation;
    CFileEntry typed = MakeEntry("/d", "a.txt");
    typed.size = 2048;
    typed.typeName = "テキスト";
    list.Append(typed);
    list.Append(MakeEntry("/d", "b.txt"));
    EXPECT_EQ(Cell(0, 1), typed.GetSizeText(false));
    EXPECT_EQ(Cell(0, 2), "テキスト");
    EXPECT_EQ(Cell(1, 2), "") << "an entry that did not come from the selection list has no type";
    EXPECT_EQ(CCandidateList::Columns(settings)[1].title, QStringLiteral("サイズ"));
}

TEST_F(CandidateListPreviewTest, MarksNameTheRowsWhoseNewNameWillFail)
{
    TempDir dir;
    dir.write("a.txt");
    dir.write("b.txt");
    dir.write("c.txt");
    dir.write("outside.txt");
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        list.Append(MakeEntry(dir.path(), name));
    exec::CDirectoryNames existing;
    settings.RenameMode = RenameKind::Format;

    // Every row the same name: all three collide.
    settings.FormatStr = "same";
    list.SetMarks(PlanCandidateMarks(list.Entries(), settings, {}, existing));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(list.Mark(row), exec::PlanProblem::DuplicateName) << row;
    EXPECT_FALSE(list.RowToolTip(0).isEmpty());
    CCandidateList apart;
    apart.SetSettings(&settings);
    apart.Append(MakeEntry(dir.path(), "a.txt"));
    dir.mkdir("sub");
    apart.Append(MakeEntry(dir.path() + "/sub", "a.txt"));
    apart.SetMarks(PlanCandidateMarks(apart.Entries(), settings, {}, existing));
    EXPECT_EQ(apart.Mark(1), exec::PlanProblem::None) << "the same name in another directory is no collision";

    // A name that a file outside the list has; a listed file's old name is
    // free by the time it is needed.
    settings.RenameMode = RenameKind::Renumber;
    settings.RenumStr1 = "x";
    list.SetMarks(PlanCandidateMarks(list.Entries(), settings, {}, existing));
    EXPECT_EQ(list.Mark(0), exec::PlanProblem::None);
    settings.RenameMode = RenameKind::OldName;
    list.SetMarks(PlanCandidateMarks(list.Entries(), settings, {}, existing));
    EXPECT_EQ(list.Mark(0), exec::PlanProblem::None) << "an unchanged name is not a collision";

    settings.RenameMode = RenameKind::Format;
    settings.FormatStr = "outside.txt";
    list.RemoveRows({1, 2});
    list.SetMarks(PlanCandidateMarks(list.Entries(), settings, {}, existing));
    EXPECT_EQ(list.Mark(0), exec::PlanProblem::ExistingTarget);
    EXPECT_EQ(list.CellText(0, 1), QStringLiteral("outside.txt")) << "the name shown stays the computed one";

    settings.FormatStr = "..";
    list.SetMarks(PlanCandidateMarks(list.Entries(), settings, {}, existing));
    EXPECT_EQ(list.Mark(0), exec::PlanProblem::InvalidName);
    settings.FormatStr = "";
    list.SetMarks(PlanCandidateMarks(list.Entries(), settings, {}, existing));
    EXPECT_EQ(list.Mark(0), exec::PlanProblem::EmptyName);
}

} // namespace
