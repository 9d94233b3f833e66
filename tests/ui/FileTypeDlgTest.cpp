// The extension picker: the known types, single and multiple selection, sorting.
#include "ui/dialogs/FileTypeDlg.h"
#include "FileTypeTesting.h"
#include "FindWidget.h"

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
    void SetUp() override { ASSERT_GT(Widget<QTreeWidget>(dialog, "typeList")->topLevelItemCount(), 10); }
    CFileTypeDlg dialog;
};

TEST_F(FileTypeDlgTest, ListsKnownTypesOnceEachSortedByDescription)
{
    const QTreeWidget *list = Widget<QTreeWidget>(dialog, "typeList");
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
    QTreeWidget *list = Widget<QTreeWidget>(dialog, "typeList");
    auto *select = Widget<QPushButton>(dialog, "selectButton");
    auto *summary = Widget<QLabel>(dialog, "extensionSummary");
    EXPECT_TRUE(list->topLevelItem(0)->isSelected());
    EXPECT_TRUE(select->isEnabled());

    QTreeWidgetItem *png = FindExtension(list, QStringLiteral("png"));
    list->setCurrentItem(png);
    EXPECT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(summary->text(), QStringLiteral("拡張子：png"));

    list->clearSelection();
    EXPECT_FALSE(select->isEnabled());
    EXPECT_EQ(summary->text(), QStringLiteral("拡張子："));
}

TEST_F(FileTypeDlgTest, MultipleSelectionHandsOutExtensionsInListOrder)
{
    dialog.SetMultiSelect(true);
    QTreeWidget *list = Widget<QTreeWidget>(dialog, "typeList");
    dialog.SortByColumn(1); // by extension, ascending
    list->clearSelection();
    FindExtension(list, QStringLiteral("txt"))->setSelected(true);
    FindExtension(list, QStringLiteral("png"))->setSelected(true);
    EXPECT_EQ(Widget<QLabel>(dialog, "extensionSummary")->text(), QStringLiteral("拡張子：png;txt"));

    dialog.accept();
    EXPECT_EQ(dialog.NextExtension(), "png");
    EXPECT_EQ(dialog.NextExtension(), "txt");
    EXPECT_EQ(dialog.NextExtension(), "");
    EXPECT_EQ(dialog.NextExtension(), "");
}

TEST_F(FileTypeDlgTest, LongSelectionsAreSummarisedInFortyBytes)
{
    dialog.SetMultiSelect(true);
    Widget<QTreeWidget>(dialog, "typeList")->selectAll();
    const QString text = Widget<QLabel>(dialog, "extensionSummary")->text();
    ASSERT_TRUE(text.endsWith(QStringLiteral("...")));
    EXPECT_EQ(text.toUtf8().size(), QStringLiteral("拡張子：").toUtf8().size() + 40 + 3);
}

TEST_F(FileTypeDlgTest, HeaderClicksSortWithoutRegardToCaseAndReverseOnTheSameColumn)
{
    QTreeWidget *list = Widget<QTreeWidget>(dialog, "typeList");
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
