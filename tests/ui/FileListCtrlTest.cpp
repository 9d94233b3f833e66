// The list control: rows drawn on demand, the report and list views sharing
// one selection, stored column widths, keys, the reorder drag; and following
// the changes of its rows: insertions, removals and reorderings keep the
// selection and the current row on their rows; the sort indicator; tooltips
// of cut cells; columns wide enough for their text.
#include "ui/widgets/FileListCtrl.h"
#include "FindWidget.h"
#include "support/TempDir.h"
#include "ui/widgets/FileListDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QTreeView>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

using testing_support::IsolatedUserDirs;

namespace {

// The report view inside the control.
QTreeView *ReportView(const CFileListCtrl &list)
{
    return Widget<QTreeView>(list, "reportView");
}

class CountingSource : public IFileListSource {
public:
    explicit CountingSource(int rows) : rows(rows) {}
    int RowCount() const override { return rows; }
    QString CellText(int row, int column) const override
    {
        ++textCalls;
        return QStringLiteral("r%1c%2").arg(row).arg(column);
    }
    QIcon RowIcon(int) const override { return {}; }

    int rows;
    mutable int textCalls = 0;
};

class FileListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.SetColumns({{QStringLiteral("名前"), 120, Qt::AlignLeft},
                         {QStringLiteral("サイズ"), 60, Qt::AlignRight},
                         {QStringLiteral("更新日時"), 130, Qt::AlignLeft}});
        list.SetSource(&source);
        list.resize(400, 300);
        list.show();
        QApplication::processEvents();
    }

    QWidget *viewport() const { return ReportView(list)->viewport(); }
    QPoint rowPoint(int row) const
    {
        const QRect r = ReportView(list)->visualRect(ReportView(list)->model()->index(row, 0));
        return QPoint(20, r.center().y());
    }
    int rowHeight() const
    {
        return ReportView(list)->visualRect(ReportView(list)->model()->index(0, 0)).height();
    }
    void mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, QPointF(pos), viewport()->mapToGlobal(QPointF(pos)), button, buttons,
                          modifiers);
        QApplication::sendEvent(viewport(), &event);
    }
    // Presses on `from`, moves past the drag distance and on to `to`.
    void dragTo(QPoint from, QPoint to)
    {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, from + QPoint(0, QApplication::startDragDistance() + 2), Qt::NoButton,
              Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    }
    int dropAfterDrag(QPoint from, QPoint to)
    {
        QSignalSpy finished(&list, &CFileListCtrl::ReorderFinished);
        dragTo(from, to);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(finished.count(), 1);
        return finished.isEmpty() ? -2 : finished.front().front().toInt();
    }

    CountingSource source{6};
    CFileListCtrl list;
};

TEST_F(FileListCtrlTest, AsksTheSourceOnlyForRowsThatAreDrawn)
{
    source.rows = 100000;
    list.Reset();
    source.textCalls = 0;
    ReportView(list)->viewport()->repaint();
    EXPECT_GT(source.textCalls, 0);
    EXPECT_LT(source.textCalls, 3 * 200); // one screen of rows, not 100,000
    const QAbstractItemModel *model = ReportView(list)->model();
    EXPECT_EQ(model->rowCount(), 100000);
    EXPECT_EQ(model->index(99999, 2).data().toString(), QStringLiteral("r99999c2"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("サイズ"));
    EXPECT_TRUE(model->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
}

TEST_F(FileListCtrlTest, ViewsShareOneSelectionAndHeaderButtonsFollowTheViewType)
{
    list.SetSelectedRows({1, 2, 4});
    list.SetCurrentRow(4);
    list.SetViewType(1, false);
    EXPECT_EQ(list.CurrentViewType(), CFileListCtrl::ListView);
    auto *names = Widget<QListView>(list, "listView");
    EXPECT_EQ(list.CurrentView(), names);
    EXPECT_EQ(names->flow(), QListView::TopToBottom);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 2, 4}));
    EXPECT_TRUE(names->selectionModel()->isSelected(names->model()->index(2, 0)));
    EXPECT_FALSE(list.HeaderButtons());

    list.SetViewType(2, true);
    EXPECT_EQ(names->flow(), QListView::LeftToRight);
    list.SetViewType(7, true);
    EXPECT_EQ(list.CurrentViewType(), CFileListCtrl::LargeIconView);
    EXPECT_EQ(names->viewMode(), QListView::IconMode);

    list.SetViewType(0, true);
    EXPECT_EQ(list.CurrentView(), ReportView(list));
    EXPECT_TRUE(list.HeaderButtons());
    EXPECT_EQ(list.CurrentRow(), 4);
    list.SelectAll();
    EXPECT_EQ(list.SelectedCount(), 6);
    list.SelectRow(3, false);
    EXPECT_FALSE(list.IsRowSelected(3));
    EXPECT_EQ(list.SelectedCount(), 5);
}

TEST_F(FileListCtrlTest, GridLinesOnlyWithFullRowSelection)
{
    list.SetGridLines(true);
    EXPECT_FALSE(list.GridLinesShown());
    list.SetFullRowSelect(true);
    EXPECT_TRUE(list.GridLinesShown());
    list.SetGridLines(false);
    EXPECT_FALSE(list.GridLinesShown());
    list.SetGridLines(true);
    list.SetFullRowSelect(false);
    EXPECT_FALSE(list.GridLinesShown());
}

TEST_F(FileListCtrlTest, HeaderClickReportsTheColumn)
{
    QSignalSpy clicked(&list, &CFileListCtrl::ColumnClicked);
    QHeaderView *header = ReportView(list)->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.front().front().toInt(), 1);
}

TEST_F(FileListCtrlTest, ColumnWidthsAreStoredOnlyInReportView)
{
    IsolatedUserDirs dirs;
    list.SetColumnWidths({90, 70, 150});
    list.SaveColumnWidths("Window", "SrcListColumn");

    list.SetColumnWidths({40, 50, 60});
    list.SetViewType(1, false);
    list.SaveColumnWidths("Window", "SrcListColumn"); // list view: nothing written
    list.LoadColumnWidths("Window", "SrcListColumn"); // nor read
    EXPECT_EQ(list.ColumnWidths(), (std::vector<int>{40, 50, 60}));

    list.SetViewType(0, true);
    list.LoadColumnWidths("Window", "SrcListColumn");
    EXPECT_EQ(list.ColumnWidths(), (std::vector<int>{90, 70, 150}));

    // A missing value leaves the widths as they are.
    list.LoadColumnWidths("Window", "DestColumnWidth");
    EXPECT_EQ(list.ColumnWidths(), (std::vector<int>{90, 70, 150}));
}

TEST_F(FileListCtrlTest, FillColumnTakesTheSpareWidthAndFollowsTheList)
{
    const auto spare = [&] {
        const std::vector<int> widths = list.ColumnWidths();
        return viewport()->width() - (widths[0] + widths[1] + widths[2]);
    };
    list.SetFillColumn(0);
    EXPECT_EQ(spare(), 0) << "shown without set widths, the column fills the list";
    const int before = list.ColumnWidths()[0];
    list.resize(600, 300);
    QApplication::processEvents();
    EXPECT_EQ(list.ColumnWidths()[0], before + 200) << "a wider list widens the names";

    // Widths set (stored or the user's) are kept, and then follow the list too.
    list.SetColumnWidths({90, 60, 130});
    list.resize(500, 300);
    QApplication::processEvents();
    EXPECT_EQ(list.ColumnWidths(), (std::vector<int>{120, 60, 130})) << "never narrower than it was made";
    list.resize(700, 300);
    QApplication::processEvents();
    EXPECT_EQ(list.ColumnWidths()[0], 90 - 100 + 200) << "it follows the list from the width set";
}

TEST_F(FileListCtrlTest, KeysGoToTheOwnerFirstAndEnterActivatesTheCurrentRow)
{
    std::vector<int> keys;
    list.SetKeyHandler([&keys](const QKeyEvent &event) {
        keys.push_back(event.key());
        return event.key() == Qt::Key_F5;
    });
    QSignalSpy activated(&list, &CFileListCtrl::RowActivated);
    list.SetCurrentRow(2);
    QTest::keyClick(ReportView(list), Qt::Key_F5);
    QTest::keyClick(ReportView(list), Qt::Key_Return);
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_F5, Qt::Key_Return}));
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.front().front().toInt(), 2);
}

TEST_F(FileListCtrlTest, ReorderDragDropsBeforeTheRowUnderThePointer)
{
    list.SetReorder(true);
    list.SetSelectedRows({0, 1});
    EXPECT_EQ(list.GetDropIndex(), -1);
    EXPECT_EQ(dropAfterDrag(rowPoint(0), rowPoint(4)), 4);
    EXPECT_EQ(list.GetDropIndex(), 4);
    // Pressing on a row of the selection kept the whole selection.
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{0, 1}));
}

TEST_F(FileListCtrlTest, InsertionLineIsDrawnAtTheDropPlaceWhileDragging)
{
    list.SetReorder(true);
    list.SetSelectedRows({0});
    const QColor lineColour = ReportView(list)->palette().color(QPalette::Text);
    const auto lineDrawnAt = [&](int y) {
        const QImage shown = viewport()->grab().toImage();
        return shown.pixelColor(viewport()->width() / 2, y) == lineColour;
    };
    const int top = ReportView(list)->visualRect(ReportView(list)->model()->index(3, 0)).top();
    EXPECT_FALSE(lineDrawnAt(top - 1));
    dragTo(rowPoint(0), rowPoint(3));
    QApplication::processEvents();
    EXPECT_TRUE(lineDrawnAt(top - 1)) << "a line above row 3, where the rows would go";
    mouse(QEvent::MouseButtonRelease, rowPoint(3), Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
    EXPECT_FALSE(lineDrawnAt(top - 1));
}

TEST_F(FileListCtrlTest, ReleasingBelowTheLastRowDropsAtTheEnd)
{
    list.SetReorder(true);
    list.SetSelectedRows({2});
    const QPoint below = rowPoint(5) + QPoint(0, 2 * rowHeight());
    EXPECT_EQ(dropAfterDrag(rowPoint(2), below), 6);
}

TEST_F(FileListCtrlTest, ReleasingOverTheHeaderOrBelowTheListDoesNothing)
{
    list.SetReorder(true);
    list.SetSelectedRows({3});
    EXPECT_EQ(dropAfterDrag(rowPoint(3), QPoint(20, -5)), -1);
    EXPECT_EQ(dropAfterDrag(rowPoint(3), QPoint(20, viewport()->height() + 5)), -1);
    EXPECT_EQ(list.GetDropIndex(), -1);
}

TEST_F(FileListCtrlTest, RightButtonCancelsTheDrag)
{
    list.SetReorder(true);
    list.SetSelectedRows({1});
    QSignalSpy finished(&list, &CFileListCtrl::ReorderFinished);
    dragTo(rowPoint(1), rowPoint(4));
    mouse(QEvent::MouseButtonPress, rowPoint(4), Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.front().front().toInt(), -1);
    // The release that follows is no second drop.
    mouse(QEvent::MouseButtonRelease, rowPoint(4), Qt::LeftButton, Qt::RightButton);
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(FileListCtrlTest, ClickOnASelectedRowWithoutDraggingSelectsItAlone)
{
    list.SetReorder(true);
    list.SetSelectedRows({1, 2, 3});
    mouse(QEvent::MouseButtonPress, rowPoint(2), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 2, 3}));
    mouse(QEvent::MouseButtonRelease, rowPoint(2), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2}));
    EXPECT_EQ(list.CurrentRow(), 2);
}

TEST_F(FileListCtrlTest, WithoutReorderDraggingSelectsLikeAnyList)
{
    QSignalSpy finished(&list, &CFileListCtrl::ReorderFinished);
    list.SetSelectedRows({1, 2});
    dragTo(rowPoint(2), rowPoint(4));
    mouse(QEvent::MouseButtonRelease, rowPoint(4), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_FALSE(list.IsRowSelected(1));
}

TEST_F(FileListCtrlTest, HoldingThePointerBelowTheListScrollsIt)
{
    source.rows = 200;
    list.Reset();
    list.SetReorder(true);
    list.SetSelectedRows({0});
    QScrollBar *bar = ReportView(list)->verticalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    dragTo(rowPoint(0), QPoint(20, viewport()->height() + 40));
    QTest::qWait(400); // 40 pixels away: a step every 40 ms
    EXPECT_GT(bar->value(), 2);
    const int scrolled = bar->value();
    // Back inside the list the scrolling stops.
    const QPoint inside(20, viewport()->height() / 2);
    mouse(QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton);
    QTest::qWait(300);
    EXPECT_EQ(bar->value(), scrolled);
    mouse(QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(list.GetDropIndex(), ReportView(list)->indexAt(inside).row());
    EXPECT_GT(list.GetDropIndex(), 2);
}

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

class FileListCtrlRowsTest : public ::testing::Test {
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
        QTreeView *view = ReportView(list);
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

TEST_F(FileListCtrlRowsTest, InsertedRowsComeUnselectedAndTheSelectionStaysOnItsRows)
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

TEST_F(FileListCtrlRowsTest, RemovalGoesRunByRunFromTheEndAndKeepsTheRestSelected)
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

TEST_F(FileListCtrlRowsTest, ReorderingMovesTheSelectionAndTheCurrentRowWithTheirRows)
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
    EXPECT_EQ(ReportView(list)->model()->index(0, 0).data().toString(), "n9");
}

// A reorder changes which entry each row shows, never which entries are
// selected; an empty order means the source kept its rows.
TEST_F(FileListCtrlRowsTest, AReorderReportsNoSelectionChangeAndAnEmptyOrderMovesNothing)
{
    list.SetSelectedRows({1, 2, 7});
    list.SetCurrentRow(2);
    QSignalSpy changed(&list, &CFileListCtrl::SelectionChanged);
    list.ReorderRows([] { return std::vector<int>{}; });
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 2, 7}));
    EXPECT_EQ(list.CurrentRow(), 2);
    list.ReorderRows([this] {
        std::rotate(rows.names.begin(), rows.names.begin() + 1, rows.names.end());
        std::vector<int> newRowOf(rows.names.size());
        for (size_t row = 0; row < newRowOf.size(); ++row)
            newRowOf[row] = int((row + newRowOf.size() - 1) % newRowOf.size());
        return newRowOf;
    });
    EXPECT_EQ(selectedNames(), (std::vector<QString>{"n1", "n2", "n7"}));
    EXPECT_EQ(currentName(), "n2");
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(FileListCtrlRowsTest, SortIndicatorIsTheOwnersAndAHeaderClickOnlyReportsTheColumn)
{
    QHeaderView *header = ReportView(list)->header();
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
    EXPECT_EQ(ReportView(list)->model()->index(0, 0).data().toString(), "n0"); // not sorted by the view

    list.SetSortIndicator(-1, true);
    EXPECT_EQ(header->sortIndicatorSection(), -1);
}

TEST_F(FileListCtrlRowsTest, OnlyACutCellShowsItsWholeTextAndAWarningIsKept)
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
    QTreeView *view = ReportView(list);
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

TEST_F(FileListCtrlRowsTest, AColumnIsAtLeastAsWideAsItsFitTextUntilWidthsAreSet)
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

TEST(FileListCtrlLargeTest, SelectedRowsOfAMillionRowsMakeOneRangePerRun)
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
    EXPECT_EQ(ReportView(list)->selectionModel()->selection().size(), 5);
    EXPECT_TRUE(list.IsRowSelected(699999));
    EXPECT_FALSE(list.IsRowSelected(700000));
}

} // namespace
