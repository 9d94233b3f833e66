// The extension picker: the known types, single and multiple selection, sorting.
#include "ui/dialogs/FileTypeDlg.h"
#include "FileTypeTesting.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<QString> ColumnTexts(const QTreeWidget *list, int column)
{
    std::vector<QString> texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.push_back(list->topLevelItem(i)->text(column));
    return texts;
}

class FileTypeDlgTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GT(dialog.TypeList()->topLevelItemCount(), 10); }
    CFileTypeDlg dialog;
};

TEST_F(FileTypeDlgTest, ListsKnownTypesOnceEachSortedByDescription)
{
    const QTreeWidget *list = dialog.TypeList();
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("ファイルタイプ"));
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("拡張子"));
    QTreeWidgetItem *png = FindExtension(list, QStringLiteral("png"));
    ASSERT_NE(png, nullptr);
    EXPECT_FALSE(png->text(0).isEmpty());

    const std::vector<QString> extensions = ColumnTexts(list, 1);
    EXPECT_EQ(std::set<QString>(extensions.begin(), extensions.end()).size(), extensions.size());
    const std::vector<QString> descriptions = ColumnTexts(list, 0);
    for (size_t i = 1; i < descriptions.size(); ++i)
        ASSERT_LE(descriptions[i - 1].compare(descriptions[i], Qt::CaseInsensitive), 0) << i;
}

TEST_F(FileTypeDlgTest, SingleSelectionShowsTheChosenExtension)
{
    // Row 0 starts selected, so "選択" is enabled.
    EXPECT_TRUE(dialog.TypeList()->topLevelItem(0)->isSelected());
    EXPECT_TRUE(dialog.SelectButton()->isEnabled());

    QTreeWidgetItem *png = FindExtension(dialog.TypeList(), QStringLiteral("png"));
    dialog.TypeList()->setCurrentItem(png);
    EXPECT_EQ(dialog.TypeList()->selectedItems().size(), 1);
    EXPECT_EQ(dialog.SummaryLabel()->text(), QStringLiteral("拡張子：png"));

    dialog.TypeList()->clearSelection();
    EXPECT_FALSE(dialog.SelectButton()->isEnabled());
    EXPECT_EQ(dialog.SummaryLabel()->text(), QStringLiteral("拡張子："));
}

TEST_F(FileTypeDlgTest, MultipleSelectionHandsOutExtensionsInListOrder)
{
    dialog.SetMultiSelect(true);
    QTreeWidget *list = dialog.TypeList();
    dialog.SortByColumn(1); // by extension, ascending
    list->clearSelection();
    FindExtension(list, QStringLiteral("txt"))->setSelected(true);
    FindExtension(list, QStringLiteral("png"))->setSelected(true);
    EXPECT_EQ(dialog.SummaryLabel()->text(), QStringLiteral("拡張子：png;txt"));

    dialog.accept();
    EXPECT_EQ(dialog.NextExtension(), "png");
    EXPECT_EQ(dialog.NextExtension(), "txt");
    EXPECT_EQ(dialog.NextExtension(), "");
    EXPECT_EQ(dialog.NextExtension(), "");
}

TEST_F(FileTypeDlgTest, LongSelectionsAreSummarisedInFortyBytes)
{
    dialog.SetMultiSelect(true);
    dialog.TypeList()->selectAll();
    const QString text = dialog.SummaryLabel()->text();
    ASSERT_TRUE(text.endsWith(QStringLiteral("...")));
    EXPECT_EQ(text.toUtf8().size(), QStringLiteral("拡張子：").toUtf8().size() + 40 + 3);
}

TEST_F(FileTypeDlgTest, HeaderClicksSortWithoutRegardToCaseAndReverseOnTheSameColumn)
{
    QTreeWidget *list = dialog.TypeList();
    QHeaderView *header = list->header();
    emit header->sectionClicked(1);
    EXPECT_EQ(dialog.SortColumn(), 1);
    EXPECT_EQ(dialog.SortDirection(), 1);
    std::vector<QString> extensions = ColumnTexts(list, 1);
    for (size_t i = 1; i < extensions.size(); ++i)
        ASSERT_LE(extensions[i - 1].compare(extensions[i], Qt::CaseInsensitive), 0) << i;

    emit header->sectionClicked(1);
    EXPECT_EQ(dialog.SortDirection(), -1);
    extensions = ColumnTexts(list, 1);
    for (size_t i = 1; i < extensions.size(); ++i)
        ASSERT_GE(extensions[i - 1].compare(extensions[i], Qt::CaseInsensitive), 0) << i;

    emit header->sectionClicked(0);
    EXPECT_EQ(dialog.SortColumn(), 0);
    EXPECT_EQ(dialog.SortDirection(), 1);
}

} // namespace
