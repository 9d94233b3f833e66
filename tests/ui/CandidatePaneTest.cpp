// The candidate pane: edits and sorting keep the selection on its entries.
#include "ui/main/CandidatePane.h"
#include "support/EntryMaker.h"

#include "app/EnvSettings.h"
#include "engine/RenameSettings.h"
#include "ui/widgets/FileListCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CandidatePaneTest : public ::testing::Test {
protected:
    CandidatePaneTest() : pane(&window, settings, env)
    {
        pane.RebuildColumns();
        std::vector<CFileEntry> entries;
        for (const char *name : {"c.txt", "a.txt", "d.txt", "b.txt"})
            entries.push_back(MakeEntry("/d", name));
        pane.Append(std::move(entries));
    }
    std::vector<std::string> SelectedNames() const
    {
        std::vector<std::string> names;
        for (int row : pane.List()->SelectedRows())
            names.push_back(pane.Rows().Entry(row).fileName);
        return names;
    }

    QWidget window;
    CEnvSettings env;
    CRenameSettings settings;
    CCandidatePane pane;
};

TEST_F(CandidatePaneTest, EditsAndSortingKeepTheSelectionOnItsEntries)
{
    CFileListCtrl &list = *pane.List();
    list.SetSelectedRows({1, 2});
    list.SetCurrentRow(2);

    pane.MoveToTop();
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{0, 1}));
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"a.txt", "d.txt"}));
    EXPECT_EQ(pane.Rows().Entry(list.CurrentRow()).fileName, "d.txt");

    pane.SortByColumn(0); // descending: the name column was the sort column
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"d.txt", "a.txt"}));
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{0, 3}));

    pane.InsertDummies();
    EXPECT_EQ(pane.Rows().RowCount(), 6);
    EXPECT_TRUE(pane.Rows().Entry(1).isDummy) << "a placeholder below each selected row";
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"d.txt", "a.txt"}));

    pane.RemoveSelected();
    EXPECT_EQ(pane.Rows().RowCount(), 4);
    EXPECT_EQ(list.SelectedCount(), 0);
}

TEST_F(CandidatePaneTest, EntriesListedOnceEvenWhenAddedTwiceInOneGo)
{
    pane.Append({MakeEntry("/d", "e.txt"), MakeEntry("/d", "e.txt"), MakeEntry("/d", "a.txt")});
    EXPECT_EQ(pane.Rows().RowCount(), 5);
    EXPECT_EQ(pane.List()->RowCount(), 5);
}

} // namespace
