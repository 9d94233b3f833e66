// The selection pane: sorting, its filter menu and status line, browsing
// and its folder history.
#include "ui/main/SelectionPane.h"
#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "app/EnvSettings.h"
#include "app/LaunchList.h"
#include "engine/RenameSettings.h"
#include "model/ListedEntry.h"
#include "ui/dialogs/FolderBrowseDlg.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
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
    const QHeaderView *header = Widget<QTreeView>(list, "reportView")->header();
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

// A long list is sorted on a worker: the header shows the order asked for at
// once, the rows follow in one step, and of two sorts asked for quickly only
// the second lands.
TEST_F(SelectionPaneTest, ALongListIsSortedInTheBackgroundAndOnlyTheLastSortAskedForLands)
{
    CFileListCtrl &list = *pane.List();
    std::vector<ListedEntry> more(6000);
    for (std::size_t i = 0; i < more.size(); ++i) {
        more[i].name = "f" + std::to_string(i) + ".txt";
        more[i].size = i % 7;
    }
    list.InsertRows(pane.Rows().RowCount(), static_cast<int>(more.size()),
                    [&] { pane.Rows().AppendRows(pane.Rows().Directory(), std::move(more)); });
    const int b = pane.Rows().FindName("b.txt");
    list.SetSelectedRows({b});
    list.SetCurrentRow(b);
    const std::string firstByName = pane.Rows().Name(1);
    QSignalSpy changed(&pane, &CSelectionPane::Changed);

    pane.SortByColumn(0); // the name column again: descending
    const QHeaderView *header = Widget<QTreeView>(list, "reportView")->header();
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_TRUE(pane.IsSorting());
    EXPECT_EQ(pane.Rows().Name(1), firstByName) << "the rows stay until the sort lands";
    pane.SortByColumn(1); // by size, before the first sort landed
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pane.IsSorting(); }, 20000));
    QTest::qWait(50);

    EXPECT_EQ(changed.count(), 1) << "one sort landed";
    EXPECT_EQ(pane.Rows().Name(0), "..");
    for (int row = 2; row < pane.Rows().RowCount(); ++row)
        ASSERT_LE(pane.Rows().Entry(row - 1).size, pane.Rows().Entry(row).size) << row;
    EXPECT_EQ(SelectedName(), "b.txt");
    EXPECT_EQ(pane.Rows().Entry(list.CurrentRow()).fileName, "b.txt");
}

TEST_F(SelectionPaneTest, ChangesByOthersShowWithoutLosingTheSelection)
{
    CFileListCtrl &list = *pane.List();
    const int b = pane.Rows().FindName("b.txt");
    list.SetSelectedRows({b});
    list.SetCurrentRow(b);
    const int rowsBefore = pane.Rows().RowCount();

    dir.write("aa.txt", "new");
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane.Rows().FindName("aa.txt") >= 0; }, 5000))
        << "a file made by another program shows without F5";
    EXPECT_EQ(pane.Rows().RowCount(), rowsBefore + 1);
    EXPECT_EQ(SelectedName(), "b.txt");
    EXPECT_EQ(pane.Rows().Entry(list.CurrentRow()).fileName, "b.txt");

    std::remove(dir.file("a.txt").c_str());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane.Rows().FindName("a.txt") < 0; }, 5000));
    EXPECT_EQ(SelectedName(), "b.txt");
}

TEST_F(SelectionPaneTest, FilterMenuShowsTheUserTitlesBetweenItsOwnEntriesAndTheStatusLineTheActiveFilter)
{
    env.Filters[0].Title = "画像";
    QStringList texts;
    QTimer::singleShot(20, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction *action : menu->actions())
            if (action->text() == QStringLiteral("フィルタ"))
                for (QAction *item : action->menu()->actions())
                    texts << item->text();
        menu->close();
    });
    pane.ShowMenu(window.mapToGlobal(QPoint(10, 10)));
    EXPECT_EQ(texts, (QStringList{"任意フィルタ", "画像", "フィルタ 2", "フィルタ 3", "フィルタ 4",
                                  "フィルタ 5", "フィルタ解除"}));

    env.Filters[0].Filter = "*.jpg";
    pane.SetFilterMode(0);
    pane.WaitForListing();
    EXPECT_EQ(pane.StatusText(), ListStatusText(pane.Rows().RowCount(), 0) + QStringLiteral("　画像"));
    env.Filters[CEnvSettings::kFreeFilterIndex].Filter = "*.txt;*.md";
    pane.SetFilterMode(CEnvSettings::kFreeFilterIndex);
    pane.WaitForListing();
    EXPECT_TRUE(pane.StatusText().endsWith(QStringLiteral("　*.txt;*.md")))
        << "the free filter by its pattern";
}

TEST_F(SelectionPaneTest, BrowsingStartsAtTheTypedFolderWithTheDefaultPrompt)
{
    const std::string typed = dir.mkdir("typed");
    pane.SetDirectoryText(typed); // typed, not listed yet
    QString prompt;
    std::optional<std::string> shownFolder;
    WhenModalOpens([&](QWidget *modal) {
        auto *dialog = qobject_cast<CFolderBrowseDlg *>(modal);
        ASSERT_NE(dialog, nullptr);
        prompt = dialog->findChild<QLabel *>("prompt")->text();
        shownFolder = dialog->SelectedPath();
        dialog->reject();
    });
    pane.BrowseDirectory();
    EXPECT_EQ(prompt, QStringLiteral("フォルダを選択して下さい。"));
    EXPECT_EQ(shownFolder, typed);
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

} // namespace
