// The parts of the main window through their own interfaces.
#include "support/TempDir.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/MainDlg.h"
#include "ui/main/PaneSplitter.h"
#include "ui/main/SelectionPane.h"
#include "ui/main/SplitterBar.h"

#include "ModalTesting.h"
#include "app/EnvSettings.h"
#include "app/LaunchList.h"
#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QHeaderView>
#include <QTreeView>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

class SelectionPaneTest : public ::testing::Test {
protected:
    SelectionPaneTest() : pane(&window, env, settings, launchers)
    {
        env.FilterMode = CEnvSettings::kNoFilterIndex;
        for (const char *name : {"b.txt", "a.txt", "c.txt"})
            dir.write(name);
        pane.SetDirectoryText(dir.path());
        pane.ListDirectory();
        pane.WaitForListing();
    }
    std::string SelectedName() const
    {
        const std::vector<int> rows = pane.SelectedRows();
        return rows.size() == 1 ? pane.Rows().Entry(rows.front()).fileName : std::string("?");
    }

    IsolatedUserDirs dirs;
    TempDir dir;
    QWidget window;
    CEnvSettings env;
    CRenameSettings settings;
    CLaunchList launchers;
    CSelectionPane pane;
};

TEST_F(SelectionPaneTest, SortingByAHeaderKeepsTheSelectionAndShowsTheOrder)
{
    CFileListCtrl &list = *pane.List();
    const int b = pane.Rows().FindName("b.txt");
    list.SetSelectedRows({b});
    list.SetCurrentRow(b);

    pane.SortByColumn(0); // the name column again: descending
    EXPECT_LT(pane.Rows().FindName("c.txt"), pane.Rows().FindName("a.txt"));
    EXPECT_EQ(SelectedName(), "b.txt");
    EXPECT_EQ(pane.Rows().Entry(list.CurrentRow()).fileName, "b.txt");
    const QHeaderView *header = list.ReportWidget()->header();
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(SelectionPaneTest, StatusLineNamesTheActiveFilter)
{
    EXPECT_EQ(pane.StatusText(), ListStatusText(pane.Rows().RowCount(), 0)) << "no filter, nothing added";
    env.Filters[0].Title = "画像";
    env.Filters[0].Filter = "*.jpg";
    pane.SetFilterMode(0);
    pane.WaitForListing();
    EXPECT_TRUE(pane.StatusText().endsWith(QStringLiteral("画像"))) << pane.StatusText().toStdString();
}

TEST_F(SelectionPaneTest, DirectoryHistoryKeepsFoldersThatDifferOnlyInCase)
{
    const std::string upper = dir.mkdir("Photos");
    const std::string lower = dir.mkdir("photos");
    for (const std::string &folder : {upper, lower}) {
        pane.SetDirectoryText(folder);
        pane.ListDirectory();
        pane.WaitForListing();
    }
    const std::vector<std::string> entries = pane.DirectoryCombo()->Entries();
    EXPECT_EQ(std::count(entries.begin(), entries.end(), upper), 1);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), lower), 1);
}

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

TEST(MainWindowPartsTest, TheFreeFilterDialogLeavesTheWindowTakingDrags)
{
    IsolatedUserDirs dirs;
    TempDir dir;
    CMainDlg window({dir.path()});
    WhenModalOpens([](QWidget *modal) { ClickButton(modal, QStringLiteral("cancelButton")); });
    window.Selection().ChooseFilter(CEnvSettings::kFreeFilterIndex);
    EXPECT_TRUE(window.IsInteractive());
    EXPECT_EQ(window.Splitter().LeftBar()->cursor().shape(), Qt::SplitHCursor);
}

} // namespace
