// The add-files dialog: the folders it lists and hands back, and what it stores.
#include "ui/dialogs/AddFilesDlg.h"
#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "ui/dialogs/FileTypeDlg.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using testing_support::IsolatedUserDirs;
using Paths = std::vector<std::string>;

namespace {

TEST(AddFilesDlgTest, ListsTheFoldersSortedAndHandsBackTheCheckedOnes)
{
    IsolatedUserDirs user;
    CAddFilesDlg dialog({"/z", "/a", "/m\xFF"}, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ファイルの追加"));
    auto *folders = Widget<QListWidget>(dialog, "folderList");
    ASSERT_EQ(folders->count(), 3);
    folders->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(dialog.CheckedFolders(), (Paths{"/m\xFF", "/z"})) << "sorted, paths kept as bytes";
}

TEST(AddFilesDlgTest, RunStoresFilterAndSubFolderChoiceAndCancelStoresNothing)
{
    IsolatedUserDirs user;
    for (const bool run : {false, true}) {
        CAddFilesDlg dialog({"/a"}, nullptr);
        EXPECT_FALSE(dialog.Recurse());
        auto *filter = Widget<CHistoryComboBox>(dialog, "filterCombo");
        EXPECT_TRUE(filter->Entries().empty());
        filter->SetCurrentText("*.jpg");
        Widget<QCheckBox>(dialog, "recurseCheck")->setChecked(true);
        run ? dialog.accept() : dialog.reject();
    }
    CAddFilesDlg again({"/a"}, nullptr);
    EXPECT_TRUE(again.Recurse());
    EXPECT_EQ(Widget<CHistoryComboBox>(again, "filterCombo")->Entries(), Paths{"*.jpg"});
}

TEST(AddFilesDlgTest, ExtensionsChosenInTheFileTypeListJoinTheFilter)
{
    IsolatedUserDirs user;
    CAddFilesDlg dialog({"/a"}, nullptr);
    WhenModalOpens([](QWidget *modal) {
        auto *picker = qobject_cast<CFileTypeDlg *>(modal);
        ASSERT_NE(picker, nullptr);
        picker->SortByColumn(1);
        auto *types = Widget<QTreeWidget>(*picker, "typeList");
        types->clearSelection();
        for (const char *extension : {"txt", "png"})
            for (QTreeWidgetItem *item : types->findItems(extension, Qt::MatchExactly, 1))
                item->setSelected(true);
        picker->accept();
    });
    Widget<QPushButton>(dialog, "browseButton")->click();
    EXPECT_EQ(dialog.Filter(), "*.png;*.txt");
}

} // namespace
