// The main window's control classes: dialog units, the picture button, the
// history combo box and the list control.
#include "platform/HistoryList.h"
#include "platform/RegistryStore.h"
#include "platform/StoreValues.h"
#include "support/TempDir.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/FileListReorderDrag.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;

namespace {

// ---------------------------------------------------------------- dialog units

TEST(DialogUnitsTest, ConvertsByQuarterCharWidthAndEighthLineHeight)
{
    const DialogUnits du(6, 13);
    EXPECT_EQ(du.toPixelsX(4), 6);
    EXPECT_EQ(du.toPixelsY(8), 13);
    EXPECT_EQ(du.toPixelsX(320), 480);
    EXPECT_EQ(du.toPixelsY(265), 431); // 430.6 rounds up
    EXPECT_EQ(du.toUnitsX(480), 320);
    EXPECT_EQ(du.toUnitsY(431), 265);
    // Rectangles that meet in dialog units meet in pixels, whatever the rounding.
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(du.toPixels(0, 0, x, 3).right() + 1, du.toPixels(x, 0, 7, 3).left()) << x;
}

// ---------------------------------------------------------------- pictures

TEST(ResourcesTest, EveryPictureIsAValidDrawingAndTheManualIsThere)
{
    const QStringList names = QDir(QStringLiteral(":/icons")).entryList(QDir::Files);
    ASSERT_GE(names.size(), 30);
    for (const QString &name : names)
        EXPECT_TRUE(QSvgRenderer(QStringLiteral(":/icons/") + name).isValid()) << name.toStdString();
    for (const char *path : {icons::kApplication, icons::kFolder, icons::kFile, icons::kParentEntry,
                             icons::kDummyEntry, icons::kExecute, icons::kCursorDrag, icons::kManual})
        EXPECT_TRUE(QFile::exists(QString::fromLatin1(path))) << path;
}

// ---------------------------------------------------------------- picture button

QIcon SolidIcon(const QColor &color)
{
    QPixmap pixmap(8, 8);
    pixmap.fill(color);
    return QIcon(pixmap);
}

// Bounding box of the pixels of exactly this colour.
QRect FindColor(const QImage &image, const QColor &color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color.rgb())
                box |= QRect(x, y, 1, 1);
    return box;
}

class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        button.SetImage(SolidIcon(kPicture), QSize(8, 8));
        button.resize(30, 24);
        button.show();
    }
    QImage render() { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void enter()
    {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&button, &event);
    }
    void leave()
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&button, &event);
    }

    const QColor kPicture{200, 30, 40};
    CImageButton button;
};

TEST_F(ImageButtonTest, PictureIsCentredAndPushedInWhilePressedOrLatched)
{
    const QRect idle = FindColor(render(), kPicture);
    ASSERT_EQ(idle.size(), QSize(8, 8));
    EXPECT_EQ(idle.center(), QRect(0, 0, 30, 24).center());

    button.setDown(true);
    EXPECT_EQ(FindColor(render(), kPicture), idle.translated(1, 1));
    button.setDown(false);

    button.SetLatched(true);
    EXPECT_EQ(FindColor(render(), kPicture), idle.translated(1, 1));
}

TEST_F(ImageButtonTest, DisabledPictureIsGreyed)
{
    button.setEnabled(false);
    EXPECT_TRUE(FindColor(render(), kPicture).isEmpty());
}

TEST_F(ImageButtonTest, HoverRaisesAndLatchedPatternComesBackWhenThePointerLeaves)
{
    const QRgb face = button.palette().color(QPalette::Button).rgb();
    const QRgb light = button.palette().color(QPalette::Light).rgb();
    const QRgb shadow = button.palette().color(QPalette::Dark).rgb();
    // Flat while idle.
    QImage image = render();
    EXPECT_EQ(image.pixel(0, 0), face);

    enter();
    EXPECT_TRUE(button.IsHot());
    image = render();
    EXPECT_EQ(image.pixel(0, 0), light);    // raised: light top-left
    EXPECT_EQ(image.pixel(29, 23), shadow); // dark bottom-right

    button.SetLatched(true);
    image = render();
    EXPECT_EQ(image.pixel(0, 0), light); // still raised while hot
    EXPECT_EQ(image.pixel(3, 3), face);  // no pattern while hot

    leave();
    EXPECT_FALSE(button.IsHot());
    image = render();
    EXPECT_EQ(image.pixel(0, 0), shadow); // sunken
    // The checker pattern alternates face and light colours inside the margin.
    EXPECT_NE(image.pixel(3, 3), image.pixel(4, 3));
    EXPECT_EQ(image.pixel(1, 1), face); // the margin keeps the face colour
}

TEST_F(ImageButtonTest, DisabledButtonIsNeverHotAndLosesHotWhenDisabled)
{
    enter();
    ASSERT_TRUE(button.IsHot());
    button.setEnabled(false);
    EXPECT_FALSE(button.IsHot());
    enter();
    EXPECT_FALSE(button.IsHot());
}

TEST_F(ImageButtonTest, ClicksLikeAPushButtonAndSizesToPictureAndText)
{
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);

    const QSize pictureOnly = button.sizeHint();
    button.setText(QStringLiteral("実行"));
    EXPECT_GT(button.sizeHint().width(), pictureOnly.width());
}

// ---------------------------------------------------------------- history combo box

std::vector<std::string> Numbered(int count)
{
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back("entry" + std::to_string(i));
    return entries;
}

TEST(HistoryComboBoxTest, AddingTheSameTextInOtherCaseKeepsOneEntryAsJustTyped)
{
    CHistoryComboBox combo;
    combo.SetEntries({"alpha", "beta", "Gamma", "delta"});
    combo.SetCurrentText("GAMMA");
    combo.AddCurrentText(20);
    EXPECT_EQ(combo.Entries(), (std::vector<std::string>{"GAMMA", "alpha", "beta", "delta"}));
    EXPECT_EQ(combo.CurrentText(), "GAMMA");
    EXPECT_EQ(combo.currentIndex(), 0);
}

TEST(HistoryComboBoxTest, PathHistoriesCompareBytesNotCase)
{
    CHistoryComboBox combo;
    combo.SetMatch(platform::HistoryMatch::SamePath);
    combo.SetEntries({"/tmp/Photos", "/tmp/x"});
    combo.SetCurrentText("/tmp/photos");
    combo.AddCurrentText(20);
    EXPECT_EQ(combo.Entries(), (std::vector<std::string>{"/tmp/photos", "/tmp/Photos", "/tmp/x"}));
}

TEST(HistoryComboBoxTest, TwentyFirstTextDropsTheOldestAndDropEmptyRemovesBlankEntries)
{
    CHistoryComboBox combo;
    combo.SetEntries(Numbered(20));
    combo.SetCurrentText("new");
    combo.AddCurrentText(20);
    ASSERT_EQ(combo.count(), 20);
    EXPECT_EQ(combo.Entries().front(), "new");
    EXPECT_EQ(combo.Entries().back(), "entry18");

    CHistoryComboBox directories;
    directories.SetDropEmpty(true);
    directories.SetEntries({"/a", "  ", "/b"});
    directories.SetCurrentText("");
    directories.AddCurrentText(20);
    // The empty text is inserted and removed again; so is nothing else.
    EXPECT_EQ(directories.Entries(), (std::vector<std::string>{"/a", "  ", "/b"}));
    directories.SetCurrentText("/c");
    directories.AddCurrentText(20);
    EXPECT_EQ(directories.Entries(), (std::vector<std::string>{"/c", "/a", "/b"}));
}

TEST(HistoryComboBoxTest, SavesAndLoadsEntriesWithTheirBytes)
{
    IsolatedUserDirs dirs;
    const std::string latin1Name = "/tmp/caf\xe9";
    {
        CHistoryComboBox combo;
        combo.SetEntries({"/home/user", "写真"});
        combo.SetCurrentText(latin1Name);
        combo.SaveHistory("Environment", "CurrentDirectory", 20);
    }
    CHistoryComboBox loaded;
    loaded.LoadHistory("Environment", "CurrentDirectory");
    EXPECT_EQ(loaded.Entries(), (std::vector<std::string>{latin1Name, "/home/user", "写真"}));
    // The edit text shows entry 0 and still stands for its exact bytes.
    EXPECT_EQ(loaded.CurrentText(), latin1Name);
    loaded.setCurrentIndex(2);
    EXPECT_EQ(loaded.CurrentText(), "写真");
    loaded.setCurrentIndex(0);
    EXPECT_EQ(loaded.CurrentText(), latin1Name);

    CHistoryComboBox missing;
    missing.SetEntries({"stale"});
    missing.LoadHistory("History", "NoSuchValue");
    EXPECT_EQ(missing.count(), 0);
    EXPECT_EQ(missing.CurrentText(), "");
}

TEST(HistoryComboBoxTest, TypedTextReplacesTheProgramsTextAndLosingFocusAddsIt)
{
    QWidget window;
    auto *combo = new CHistoryComboBox(&window);
    auto *other = new QLineEdit(&window);
    combo->move(0, 0);
    other->move(0, 40);
    window.show();
    combo->SetEntries({"old"});
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "typed");
    EXPECT_EQ(combo->CurrentText(), "typed");
    // Focus leaves the combo box (the window may not be active offscreen).
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(combo, &focusOut);
    EXPECT_EQ(combo->Entries(), (std::vector<std::string>{"typed", "old"}));
}

TEST(HistoryComboBoxTest, TrailingSlashIsRemovedOnce)
{
    CHistoryComboBox combo;
    combo.SetCurrentText("/home/user/");
    EXPECT_EQ(combo.GetTextWithoutTrailingBackslash(), "/home/user");
    combo.SetCurrentText("/");
    EXPECT_EQ(combo.GetTextWithoutTrailingBackslash(), "");
    combo.SetCurrentText("/home");
    EXPECT_EQ(combo.GetTextWithoutTrailingBackslash(), "/home");
}

// ---------------------------------------------------------------- list control

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

    QWidget *viewport() const { return list.ReportWidget()->viewport(); }
    QPoint rowPoint(int row) const
    {
        const QRect r = list.ReportWidget()->visualRect(list.ReportWidget()->model()->index(row, 0));
        return QPoint(20, r.center().y());
    }
    int rowHeight() const
    {
        return list.ReportWidget()->visualRect(list.ReportWidget()->model()->index(0, 0)).height();
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
    list.ReportWidget()->viewport()->repaint();
    EXPECT_GT(source.textCalls, 0);
    EXPECT_LT(source.textCalls, 3 * 200); // one screen of rows, not 100,000
    const QAbstractItemModel *model = list.ReportWidget()->model();
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
    EXPECT_EQ(list.CurrentView(), list.ListWidget());
    EXPECT_EQ(list.ListWidget()->flow(), QListView::TopToBottom);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1, 2, 4}));
    EXPECT_TRUE(list.ListWidget()->selectionModel()->isSelected(list.ListWidget()->model()->index(2, 0)));
    EXPECT_FALSE(list.HeaderButtons());

    list.SetViewType(2, true);
    EXPECT_EQ(list.ListWidget()->flow(), QListView::LeftToRight);
    list.SetViewType(7, true);
    EXPECT_EQ(list.CurrentViewType(), CFileListCtrl::LargeIconView);
    EXPECT_EQ(list.ListWidget()->viewMode(), QListView::IconMode);

    list.SetViewType(0, true);
    EXPECT_EQ(list.CurrentView(), list.ReportWidget());
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
    QHeaderView *header = list.ReportWidget()->header();
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

TEST_F(FileListCtrlTest, KeysGoToTheOwnerFirstAndEnterActivatesTheCurrentRow)
{
    std::vector<int> keys;
    list.SetKeyHandler([&keys](const QKeyEvent &event) {
        keys.push_back(event.key());
        return event.key() == Qt::Key_F5;
    });
    QSignalSpy activated(&list, &CFileListCtrl::RowActivated);
    list.SetCurrentRow(2);
    QTest::keyClick(list.ReportWidget(), Qt::Key_F5);
    QTest::keyClick(list.ReportWidget(), Qt::Key_Return);
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
    QScrollBar *bar = list.ReportWidget()->verticalScrollBar();
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
    EXPECT_EQ(list.GetDropIndex(), list.ReportWidget()->indexAt(inside).row());
    EXPECT_GT(list.GetDropIndex(), 2);
}

TEST(FileListReorderDragTest, ScrollsFasterFartherFromTheEdge)
{
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(0), 240);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(1), 240);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(2), 220);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(21), 40);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(22), 20);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(500), 20);
}

} // namespace
