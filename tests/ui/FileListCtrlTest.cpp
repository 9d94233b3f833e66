// The list control following the changes of its rows: insertions, removals
// and reorderings keep the selection and the current row on their rows; the
// sort indicator; tooltips of cut cells; columns wide enough for their text.
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/FileListDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QTreeView>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace {

const QString kWarning = QStringLiteral("同じ名前の行があります。");

// Rows held as texts: column 0 is the row's name, column 1 its note.
class TextRows : public IFileListSource {
public:
    explicit TextRows(int count)
    {
        for (int i = 0; i < count; ++i)
            names.push_back(QStringLiteral("n%1").arg(i));
        notes.resize(names.size());
    }
    int RowCount() const override { return int(names.size()); }
    QString CellText(int row, int column) const override
    {
        return column == 0 ? names[size_t(row)] : notes[size_t(row)];
    }
    QIcon RowIcon(int) const override { return {}; }
    bool RowMarked(int row) const override { return marked.count(names[size_t(row)]) != 0; }
    QString RowToolTip(int row) const override { return RowMarked(row) ? kWarning : QString(); }

    std::vector<QString> names;
    std::vector<QString> notes;
    std::set<QString> marked;
};

class FileListRowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.SetColumns(
            {{QStringLiteral("名前"), 120, Qt::AlignLeft}, {QStringLiteral("メモ"), 80, Qt::AlignLeft}});
        list.SetSource(&rows);
        list.resize(400, 300);
        list.show();
        QApplication::processEvents();
    }

    std::vector<QString> selectedNames() const
    {
        std::vector<QString> names;
        for (int row : list.SelectedRows())
            names.push_back(rows.names[size_t(row)]);
        return names;
    }
    QString currentName() const { return rows.names[size_t(list.CurrentRow())]; }
    // The tooltip of a cell as the report view would ask for it.
    QString toolTip(int row, int column) const
    {
        QTreeView *view = list.ReportWidget();
        const QModelIndex index = view->model()->index(row, column);
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.widget = view;
        option.rect = view->visualRect(index);
        return static_cast<FileListDelegate *>(view->itemDelegate())->cellToolTip(option, index);
    }

    TextRows rows{10};
    CFileListCtrl list;
};

TEST_F(FileListRowsTest, InsertedRowsComeUnselectedAndTheSelectionStaysOnItsRows)
{
    list.SetSelectedRows({1, 2, 3, 6});
    list.SetCurrentRow(6);
    list.InsertRows(2, 2, [this] {
        rows.names.insert(rows.names.begin() + 2, {QStringLiteral("new1"), QStringLiteral("new2")});
        rows.notes.resize(rows.names.size());
    });
    EXPECT_EQ(list.RowCount(), 12);
    // The run 1..3 is split around the new rows.
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 4, 5, 8}));
    EXPECT_EQ(selectedNames(), (std::vector<QString>{"n1", "n2", "n3", "n6"}));
    EXPECT_EQ(currentName(), "n6");
}

TEST_F(FileListRowsTest, RemovalGoesRunByRunFromTheEndAndKeepsTheRestSelected)
{
    list.SetSelectedRows({1, 4, 8});
    list.SetCurrentRow(8);
    std::vector<std::pair<int, int>> ranges;
    list.RemoveRows({2, 3, 4, 5, 9}, [this, &ranges](int first, int last) {
        ranges.emplace_back(first, last);
        rows.names.erase(rows.names.begin() + first, rows.names.begin() + last + 1);
        rows.notes.resize(rows.names.size());
    });
    EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{9, 9}, {2, 5}}));
    EXPECT_EQ(list.RowCount(), 5);
    EXPECT_EQ(selectedNames(), (std::vector<QString>{"n1", "n8"}));
    EXPECT_EQ(currentName(), "n8");
}

TEST_F(FileListRowsTest, ReorderingMovesTheSelectionAndTheCurrentRowWithTheirRows)
{
    list.SetSelectedRows({1, 2, 7});
    list.SetCurrentRow(2);
    list.ReorderRows([this] {
        std::reverse(rows.names.begin(), rows.names.end());
        std::vector<int> newRowOf(rows.names.size());
        for (size_t row = 0; row < newRowOf.size(); ++row)
            newRowOf[row] = int(newRowOf.size() - 1 - row);
        return newRowOf;
    });
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2, 7, 8}));
    EXPECT_EQ(selectedNames(), (std::vector<QString>{"n7", "n2", "n1"}));
    EXPECT_EQ(list.CurrentRow(), 7);
    EXPECT_EQ(list.ReportWidget()->model()->index(0, 0).data().toString(), "n9");
}

TEST_F(FileListRowsTest, SortIndicatorIsTheOwnersAndAHeaderClickOnlyReportsTheColumn)
{
    QHeaderView *header = list.ReportWidget()->header();
    EXPECT_EQ(header->sortIndicatorSection(), -1);
    list.SetSortIndicator(1, false);
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

    QSignalSpy clicked(&list, &CFileListCtrl::ColumnClicked);
    for (int column : {0, 1})
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(list.ReportWidget()->model()->index(0, 0).data().toString(), "n0"); // not sorted by the view

    list.SetSortIndicator(-1, true);
    EXPECT_EQ(header->sortIndicatorSection(), -1);
}

TEST_F(FileListRowsTest, OnlyACutCellShowsItsWholeTextAndAWarningIsKept)
{
    const QString longText = QStringLiteral("とても長いメモの文章がここに続いていて列には入りきらない");
    rows.notes[1] = longText;
    rows.notes[2] = longText;
    rows.notes[3] = QStringLiteral("短い");
    rows.marked = {"n2", "n4"};
    list.UpdateAll();
    EXPECT_EQ(toolTip(1, 1), longText);
    EXPECT_EQ(toolTip(2, 1), longText + "\n" + kWarning);
    EXPECT_EQ(toolTip(3, 1), QString());
    EXPECT_EQ(toolTip(3, 0), QString());
    EXPECT_EQ(toolTip(4, 1), kWarning);

    // The view asks the delegate when the pointer rests on the cell.
    QTreeView *view = list.ReportWidget();
    const QPoint pos = view->visualRect(view->model()->index(1, 1)).center();
    QHelpEvent help(QEvent::ToolTip, pos, view->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), longText);
    QToolTip::hideText();

    // Wide enough, the cell shows no tooltip.
    list.SetColumnWidths({120, FileListDelegate::fittingWidth(view, longText)});
    EXPECT_EQ(toolTip(1, 1), QString());
    list.SetColumnWidths({120, FileListDelegate::fittingWidth(view, longText) - 1});
    EXPECT_EQ(toolTip(1, 1), longText);
}

TEST_F(FileListRowsTest, AColumnIsAtLeastAsWideAsItsFitTextUntilWidthsAreSet)
{
    const QString date = QStringLiteral("2026/12/31 23:59:59");
    list.SetColumns({{QStringLiteral("名前"), 120, Qt::AlignLeft},
                     {QStringLiteral("更新日時"), 30, Qt::AlignLeft, date}});
    rows.notes[0] = date;
    list.UpdateAll();
    EXPECT_GT(list.ColumnWidths()[1], 30);
    EXPECT_EQ(toolTip(0, 1), QString());
    list.SetColumnWidths({120, 30});
    EXPECT_EQ(list.ColumnWidths()[1], 30);
    EXPECT_EQ(toolTip(0, 1), date);
}

TEST(FileListLargeTest, SelectedRowsOfAMillionRowsMakeOneRangePerRun)
{
    TextRows rows(0);
    rows.names.assign(1000000, QString());
    rows.notes.assign(rows.names.size(), QString());
    CFileListCtrl list;
    list.SetColumns({{QStringLiteral("名前"), 120, Qt::AlignLeft}});
    list.SetSource(&rows);
    std::vector<int> wanted = {0, 2, 4};
    for (int row = 500000; row < 700000; ++row)
        wanted.push_back(row);
    wanted.push_back(999999);
    std::vector<int> shuffled(wanted.rbegin(), wanted.rend());
    list.SetSelectedRows(shuffled);
    EXPECT_EQ(list.SelectedRows(), wanted);
    EXPECT_EQ(list.ReportWidget()->selectionModel()->selection().size(), 5);
    EXPECT_TRUE(list.IsRowSelected(699999));
    EXPECT_FALSE(list.IsRowSelected(700000));
}

} // namespace
