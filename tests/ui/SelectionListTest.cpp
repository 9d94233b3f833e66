#include "ui/main/SelectionList.h"
#include "ListerClient.h"
#include "support/ListingSample.h"
#include "support/TempDir.h"

#include "model/TypeNames.h"
#include "platform/DirectoryList.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <string>
#include <vector>

using testing_support::TempDir;

namespace {

// The listing sample, listed as the window lists it.
class SelectionListTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::WriteListingSample(dir); }

    int Fill(const ListingFilter &filter, const ListingSort &sort = {})
    {
        list.Clear();
        client.finished = 0;
        lister.Start(dir.path(), filter, sort);
        client.WaitForFinished();
        EXPECT_EQ(client.finished, 1);
        return client.error;
    }

    TempDir dir;
    CDirectoryLister lister;
    ListerClient client{lister};
    CSelectionList &list = client.rows;
};

TEST_F(SelectionListTest, EmptyPatternListsEveryEntryWithParentFirst)
{
    EXPECT_EQ(Fill({}), 0);
    EXPECT_EQ(Names(list),
              (std::vector<std::string>{"..", ".cache", "photos", ".hidden.txt", "a.txt", "b.jpg", "c.TXT"}));
    EXPECT_TRUE(list.IsParentRow(0));
    EXPECT_FALSE(list.IsParentRow(1));
}

TEST_F(SelectionListTest, SortBySizeAndDirection)
{
    Fill({"*.txt;*.jpg", false, platform::kAttrHidden});
    list.Sort({SortKey::Size});
    std::vector<std::string> names = Names(list);
    // Folders have size 0 and sort with the smallest files.
    EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
              (std::vector<std::string>{"a.txt", "b.jpg", "c.TXT"}));
    list.Sort({SortKey::Name, false, true});
    names = Names(list);
    EXPECT_EQ(names[0], "..") << "first whatever the order";
    EXPECT_EQ(names[1], "c.TXT");
}

TEST_F(SelectionListTest, SortByTypeFillsTypeNames)
{
    Fill({"*.txt;*.jpg", false, platform::kAttrHidden});
    list.Sort({SortKey::Type});
    for (int i = 0; i < list.RowCount(); ++i)
        EXPECT_FALSE(list.Entry(i).typeName.empty()) << list.Entry(i).fileName;
    // Both text files carry the same type, whatever the case of the extension.
    EXPECT_EQ(list.Entry(list.FindName("a.txt")).typeName, list.Entry(list.FindName("c.TXT")).typeName);
}

// 全て追加 takes the rows of the candidates' kind, ".." left out, in the
// order of the sorted list; a listing of the candidates gives the same.
TEST_F(SelectionListTest, CandidateListingGivesTheRowsOfItsKindInTheListsOrder)
{
    dir.mkdir("sub");
    for (const char *name : {"same.jpg", "same.txt", "s2.txt", "x7.txt", "x007.txt"})
        dir.write(name, "22");
    chmod(dir.file("s2.txt").c_str(), 0444);
    const ListingFilter filters[] = {
        {}, {"*.jpg;s*;*.txt", false, 0}, {"*.txt;*", true, platform::kAttrHidden}};
    for (const ListingFilter &filter : filters) {
        for (int column = 0; column < 5; ++column) {
            for (const bool numeric : {false, true}) {
                for (const bool descending : {false, true}) {
                    const ListingSort sort{CSelectionList::KeyOfColumn(column), numeric, descending};
                    Fill(filter, sort);
                    for (const bool folders : {false, true}) {
                        std::vector<std::string> expected;
                        for (const int row : list.RowsOfKind(folders ? 1 : 0))
                            expected.push_back(list.Entry(row).fullPath);
                        std::vector<CFileEntry> entries;
                        ASSERT_EQ(ListCandidates(dir.path(), -1, {filter, sort, folders}, entries), 0);
                        std::vector<std::string> listed;
                        for (const CFileEntry &entry : entries)
                            listed.push_back(entry.fullPath);
                        EXPECT_EQ(listed, expected) << filter.patterns << " column " << column << " numeric "
                                                    << numeric << " descending " << descending;
                    }
                }
            }
        }
    }
}

TEST_F(SelectionListTest, CellTextsFollowDisplayOptions)
{
    Fill({});
    const int row = list.FindName("c.TXT");
    list.SetDisplayOptions({2, true});
    EXPECT_EQ(list.CellText(row, 0), QStringLiteral("c.txt"));
    EXPECT_EQ(list.CellText(row, 1), QStringLiteral("3"));
    list.SetDisplayOptions({1, false});
    EXPECT_EQ(list.CellText(row, 0), QStringLiteral("C.TXT"));
    EXPECT_EQ(list.CellText(row, 1), QStringLiteral("1KB"));
    EXPECT_EQ(list.CellText(list.FindName("photos"), 1), QString());
}

TEST_F(SelectionListTest, RowsOfKindLeaveOutParent)
{
    Fill({});
    std::vector<std::string> folders;
    for (int row : list.RowsOfKind(1))
        folders.push_back(list.Entry(row).fileName);
    EXPECT_EQ(folders, (std::vector<std::string>{".cache", "photos"}));
    EXPECT_EQ(list.RowsOfKind(0).size(), 4u);
}

TEST_F(SelectionListTest, SortReturnsTheNewRowOfEveryOldRow)
{
    Fill({});
    const std::vector<std::string> before = Names(list);
    const std::vector<int> newRowOf = list.Sort({SortKey::Name, false, true});
    ASSERT_EQ(newRowOf.size(), before.size());
    for (std::size_t old = 0; old < before.size(); ++old)
        EXPECT_EQ(list.Name(newRowOf[old]), before[old]);
    EXPECT_EQ(list.Name(1), "c.TXT");
}

TEST_F(SelectionListTest, ASnapshotSortsAsTheListDoesAndKeepsItsRowsWhileTheListChanges)
{
    Fill({});
    const CSelectionList::Snapshot snapshot = list.TakeSnapshot();
    EXPECT_TRUE(list.Holds(snapshot));
    const ListingSort sort{SortKey::Type, false, true};
    TypeNames types;
    std::atomic<bool> stop{true};
    EXPECT_TRUE(CSelectionList::SortedOrder(snapshot, sort, types, &stop).empty());
    const std::vector<int> newRowOf = CSelectionList::SortedOrder(snapshot, sort, types);
    EXPECT_EQ(list.Sort(sort), newRowOf);
    EXPECT_FALSE(list.Holds(snapshot)) << "the rows moved";

    const std::size_t count = snapshot.storage->size();
    ListedEntry late;
    late.name = "late.txt";
    list.AppendRows(list.Directory(), {late});
    EXPECT_EQ(list.FindName("late.txt"), list.RowCount() - 1);
    EXPECT_EQ(snapshot.storage->size(), count) << "rows shared with a snapshot are not changed";
    list.Clear();
    EXPECT_EQ(snapshot.storage->size(), count);
}

TEST_F(SelectionListTest, EntryIsWholeAndCheapAccessorsAgreeWithIt)
{
    Fill({});
    const int row = list.FindName("c.TXT");
    const CFileEntry entry = list.Entry(row);
    EXPECT_EQ(entry.directory, dir.path());
    EXPECT_EQ(entry.fullPath, dir.file("c.TXT"));
    EXPECT_EQ(entry.title, "c");
    EXPECT_EQ(entry.extension, "TXT");
    EXPECT_EQ(entry.size, 3u);
    EXPECT_FALSE(entry.typeName.empty());
    EXPECT_NE(entry.inode, 0u);
    EXPECT_EQ(list.FullPath(row), entry.fullPath);
    EXPECT_EQ(list.Directory(), dir.path());

    const int folder = list.FindName("photos");
    EXPECT_TRUE(list.IsFolder(folder));
    EXPECT_TRUE(list.Entry(folder).extension.empty());
    EXPECT_EQ(list.Entry(0).fullPath, dir.file(".."));
}

TEST(SelectionListStatusTextTest, CountsRowsAndSelection)
{
    EXPECT_EQ(ListStatusText(12, 3), QStringLiteral(" 12個のオブジェクト（3個を選択)"));
}

} // namespace
