#include "FindWidget.h"
#include "ModalTesting.h"
#include "platform/RegistryStore.h"
#include "support/TempDir.h"
#include "ui/dialogs/ChooseFolder.h"
#include "ui/dialogs/FolderBrowseDlg.h"
#include "ui/dialogs/FolderDivider.h"
#include "ui/dialogs/FolderFileList.h"
#include "ui/dialogs/FolderTree.h"
#include "ui/dialogs/MakeDirDlg.h"
#include "ui/widgets/DialogUnits.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>

using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

class FolderBrowseTest : public ::testing::Test {
protected:
    IsolatedUserDirs user; // HOME is a folder of its own, so /tmp lies outside it
    TempDir dir;

    static QPushButton *Button(QWidget *dialog, const QString &text)
    {
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->text() == text)
                return button;
        return nullptr;
    }
    static QToolButton *ToolButton(QWidget *dialog, const QString &tip)
    {
        for (QToolButton *button : dialog->findChildren<QToolButton *>())
            if (button->toolTip() == tip)
                return button;
        return nullptr;
    }
    static QTreeWidgetItem *TopLevelOf(QTreeWidgetItem *item)
    {
        while (item->parent())
            item = item->parent();
        return item;
    }
    static void WaitForFiles(CFolderBrowseDlg &dialog)
    {
        CFolderFileList *files = Widget<CFolderFileList>(dialog, "files");
        ASSERT_TRUE(QTest::qWaitFor([files] { return !files->IsListing(); }));
    }
    static QString Cell(CFolderBrowseDlg &dialog, int row, int column)
    {
        return Widget<QAbstractItemModel>(dialog, "filesModel")->index(row, column).data().toString();
    }
};

void SendMouse(QWidget *widget, QEvent::Type type, int parentX, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF local(parentX - widget->x(), 5);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Drags the divider by its left edge to parentX and lets go there.
void DragDivider(CFolderDivider *divider, int parentX)
{
    SendMouse(divider, QEvent::MouseButtonPress, divider->x(), Qt::LeftButton, Qt::LeftButton);
    SendMouse(divider, QEvent::MouseMove, parentX, Qt::NoButton, Qt::LeftButton);
    SendMouse(divider, QEvent::MouseButtonRelease, parentX, Qt::LeftButton, Qt::NoButton);
}

} // namespace

TEST_F(FolderBrowseTest, OpensTheAncestorsOfTheInitialFolderAndSelectsIt)
{
    const std::string deep = dir.mkdir("a/b/c");
    CFolderBrowseDlg dialog(nullptr, {}, deep + "/");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("フォルダの参照"));
    EXPECT_EQ(dialog.findChild<QLabel *>("prompt")->text(), QStringLiteral("フォルダを選択して下さい。"));
    EXPECT_EQ(dialog.SelectedPath(), deep);
    EXPECT_EQ(dialog.findChild<QLabel *>("path")->text(), QString::fromStdString(" " + deep));
    EXPECT_TRUE(Button(&dialog, QStringLiteral("選択"))->isEnabled());
    EXPECT_TRUE(ToolButton(&dialog, QStringLiteral("新しいフォルダ"))->isEnabled());
    auto *tree = Widget<CFolderTree>(dialog, "tree");
    EXPECT_EQ(dialog.focusWidget(), tree);

    QTreeWidgetItem *item = tree->currentItem();
    EXPECT_EQ(item->text(0), "c");
    for (QTreeWidgetItem *up = item->parent(); up; up = up->parent())
        EXPECT_TRUE(up->isExpanded()) << CFolderTree::PathOf(up);
    EXPECT_EQ(TopLevelOf(item)->text(0), "/") << "the temporary folder lies outside the home folder";
    EXPECT_EQ(item->parent()->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator) << "c has no sub-folder";

    const std::string inHome = user.root() + "/Photos";
    ::mkdir(inHome.c_str(), 0777);
    tree->SelectPath(inHome);
    EXPECT_EQ(dialog.SelectedPath(), inHome);
    EXPECT_EQ(TopLevelOf(tree->currentItem())->text(0), QStringLiteral("ホーム"));
}

TEST_F(FolderBrowseTest, AMissingTailOrAnotherLetterCaseOpensTheExistingPrefix)
{
    dir.mkdir("a/Sub");
    CFolderBrowseDlg dialog(nullptr, QStringLiteral("移動先を指定して下さい。"),
                            dir.file("a/missing/deeper"));
    EXPECT_EQ(dialog.findChild<QLabel *>("prompt")->text(), QStringLiteral("移動先を指定して下さい。"));
    EXPECT_EQ(dialog.SelectedPath(), dir.file("a"));
    Widget<CFolderTree>(dialog, "tree")->SelectPath(dir.file("a/sub"));
    EXPECT_EQ(dialog.SelectedPath(), dir.file("a"));
}

TEST_F(FolderBrowseTest, WithoutAnInitialFolderNothingIsSelectedAndNothingCanBeChosen)
{
    CFolderBrowseDlg dialog(nullptr, {}, {});
    EXPECT_EQ(dialog.SelectedPath(), std::nullopt);
    EXPECT_FALSE(Button(&dialog, QStringLiteral("選択"))->isEnabled());
    EXPECT_FALSE(ToolButton(&dialog, QStringLiteral("新しいフォルダ"))->isEnabled());
    EXPECT_EQ(Widget<CFolderTree>(dialog, "tree")->topLevelItemCount(), 2);
}

TEST_F(FolderBrowseTest, ANameThatIsNotUtf8IsShownAndReturnedByteForByte)
{
    const std::string odd = dir.mkdir("a\xff");
    dir.write("a\xff/notes.txt", "12345");
    dir.mkdir("a\xff/inner");
    std::optional<std::string> chosen;
    WhenModalOpens([&](QWidget *modal) {
        auto *dialog = qobject_cast<CFolderBrowseDlg *>(modal);
        ASSERT_NE(dialog, nullptr);
        auto *tree = Widget<CFolderTree>(*dialog, "tree");
        tree->SelectPath(dir.path());
        QTreeWidgetItem *parent = tree->currentItem();
        parent->setExpanded(true);
        ASSERT_EQ(parent->childCount(), 1);
        EXPECT_EQ(parent->child(0)->text(0), QString::fromUtf8("a\uFFFD"));
        tree->setCurrentItem(parent->child(0));

        WaitForFiles(*dialog);
        ASSERT_EQ(Widget<QAbstractItemModel>(*dialog, "filesModel")->rowCount(), 1)
            << "files only, no folders";
        EXPECT_EQ(Cell(*dialog, 0, 0), "notes.txt");
        EXPECT_EQ(Cell(*dialog, 0, 1), "5");
        EXPECT_EQ(Cell(*dialog, 0, 3).size(), 19) << Cell(*dialog, 0, 3).toStdString();
        ClickButton(dialog, QStringLiteral("選択"));
    });
    chosen = ChooseFolder(nullptr, QStringLiteral("ディレクトリ参照"), dir.path(), 1);
    EXPECT_EQ(chosen, odd);
}

TEST_F(FolderBrowseTest, AnUnreadableFolderIsGreyedWithoutChildrenOrFiles)
{
    const std::string locked = dir.mkdir("locked");
    dir.mkdir("locked/inner");
    dir.write("locked/file.txt");
    ::chmod(locked.c_str(), 0);
    if (::access(locked.c_str(), R_OK) == 0) {
        ::chmod(locked.c_str(), 0755);
        GTEST_SKIP() << "running as root: every folder can be read";
    }
    CFolderBrowseDlg dialog(nullptr, {}, locked + "/inner");
    auto *tree = Widget<CFolderTree>(dialog, "tree");
    QTreeWidgetItem *item = tree->currentItem();
    EXPECT_EQ(dialog.SelectedPath(), locked);
    EXPECT_FALSE(CFolderTree::IsReadable(item));
    EXPECT_FALSE(item->toolTip(0).isEmpty());
    item->setExpanded(true);
    EXPECT_EQ(item->childCount(), 0);
    WaitForFiles(dialog);
    EXPECT_EQ(Widget<QAbstractItemModel>(dialog, "filesModel")->rowCount(), 0);

    tree->SelectPath(dir.path());
    EXPECT_EQ(dialog.SelectedPath(), dir.path()) << "the browser goes on";
    ::chmod(locked.c_str(), 0755);
}

TEST_F(FolderBrowseTest, ANewFolderIsSelectedAndAnExistingNameIsRefused)
{
    CFolderBrowseDlg dialog(nullptr, {}, dir.path());
    QStringList warnings;
    dialog.SetWarningFunction(
        [&](QWidget *, const QString &caption, const QString &text) { warnings << caption << text; });
    WhenModalOpens([](QWidget *modal) {
        auto *ask = dynamic_cast<CMakeDirDlg *>(modal);
        ASSERT_NE(ask, nullptr);
        Widget<QLineEdit>(*ask, "name")->setText(QStringLiteral("新規"));
        Widget<QPushButton>(*ask, "createButton")->click();
    });
    ToolButton(&dialog, QStringLiteral("新しいフォルダ"))->click();
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_EQ(dialog.SelectedPath(), dir.file("新規"));

    auto *tree = Widget<CFolderTree>(dialog, "tree");
    tree->SelectPath(dir.path());
    QTreeWidgetItem *item = tree->currentItem();
    ASSERT_EQ(item->childCount(), 1);
    dialog.MakeFolderNamed("新規");
    EXPECT_EQ(warnings,
              (QStringList{QStringLiteral("ディレクトリの作成"),
                           QStringLiteral("ディレクトリの作成に失敗しました！\nディレクトリが既に存在す"
                                          "るか，入力文字がディレクトリ名として不正です。")}));
    EXPECT_EQ(tree->currentItem(), item);
    EXPECT_EQ(item->childCount(), 1);
}

TEST_F(FolderBrowseTest, TheDividerStaysClearOfBothEdgesAndEscapeCancelsTheDrag)
{
    CFolderBrowseDlg dialog(nullptr, {}, {});
    dialog.show();
    CFolderDivider *divider = Widget<CFolderDivider>(dialog, "divider");
    const int margin = CFolderDivider::kEdgeMargin;
    const int treeLeft = DialogUnits(dialog.font()).toPixelsX(6);
    EXPECT_EQ(dialog.TreeWidth(), CFolderBrowseDlg::kDefaultTreeWidth);
    EXPECT_EQ(divider->x(), treeLeft + dialog.TreeWidth());

    DragDivider(divider, -500);
    EXPECT_EQ(divider->x(), margin);
    EXPECT_EQ(dialog.TreeWidth(), margin - treeLeft);

    DragDivider(divider, dialog.width() + 500);
    EXPECT_EQ(divider->geometry().right() + 1, dialog.width() - margin);
    EXPECT_EQ(Widget<CFolderFileList>(dialog, "files")->x(), divider->geometry().right() + 1);

    const int width = dialog.TreeWidth();
    const int left = divider->x();
    SendMouse(divider, QEvent::MouseButtonPress, left, Qt::LeftButton, Qt::LeftButton);
    SendMouse(divider, QEvent::MouseMove, 150, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(divider->x(), 150);
    QTest::keyClick(divider, Qt::Key_Escape);
    EXPECT_EQ(divider->x(), left);
    SendMouse(divider, QEvent::MouseButtonRelease, 150, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dialog.TreeWidth(), width);
    EXPECT_TRUE(dialog.isVisible()) << "Escape ended the drag, not the dialog";
}

TEST_F(FolderBrowseTest, TheViewIsAlwaysRestoredAndTheSizesOnlyWhenRemembered)
{
    {
        CFolderBrowseDlg dialog(nullptr, {}, {});
        EXPECT_EQ(dialog.size(), dialog.minimumSize());
        EXPECT_EQ(dialog.minimumSize(),
                  DialogUnits(dialog.font()).toPixels(240, 220).boundedTo(QSize(800, 600)));
        EXPECT_EQ(dialog.maximumSize(), QSize(800, 600));
        EXPECT_TRUE(ToolButton(&dialog, QStringLiteral("詳細"))->isChecked());
        ToolButton(&dialog, QStringLiteral("一覧"))->click();
        EXPECT_FALSE(ToolButton(&dialog, QStringLiteral("詳細"))->isChecked());
        dialog.resize(dialog.width() + 40, dialog.height() + 30);
        WhenModalOpens([](QWidget *modal) { ClickButton(modal, QStringLiteral("中止")); });
        dialog.exec();
    }
    {
        CFolderBrowseDlg dialog(nullptr, {}, {});
        EXPECT_EQ(dialog.size(), dialog.minimumSize()) << "the size is not remembered";
        EXPECT_EQ(dialog.ListMode(), CFolderFileList::kList);
        EXPECT_TRUE(ToolButton(&dialog, QStringLiteral("一覧"))->isChecked());
        dialog.findChild<QCheckBox *>()->setChecked(true);
        ToolButton(&dialog, QStringLiteral("小さいアイコン"))->click();
        dialog.resize(dialog.width() + 40, dialog.height() + 30);
        dialog.show();
        DragDivider(Widget<CFolderDivider>(dialog, "divider"), 180);
        dialog.reject();
    }
    CRegistryStore store;
    ASSERT_TRUE(store.Open("SelDirDlg"));
    EXPECT_EQ(store.QueryDword("ListMode"), CFolderFileList::kSmallIcons);
    EXPECT_EQ(store.QueryDword("IsRememberSize"), 1);
    store.Close();

    CFolderBrowseDlg again(nullptr, {}, {});
    EXPECT_EQ(again.size(), again.minimumSize() + QSize(40, 30));
    EXPECT_EQ(again.TreeWidth(), 180 - DialogUnits(again.font()).toPixelsX(6));
    EXPECT_EQ(again.ListMode(), CFolderFileList::kSmallIcons);
}

TEST_F(FolderBrowseTest, ModeZeroAsksThroughTheDesktopFolderDialog)
{
    QString title;
    const auto cancelTheDesktopDialog = [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        static_cast<QDialog *>(dialog)->reject();
    };
    WhenModalOpens(cancelTheDesktopDialog);
    EXPECT_EQ(ChooseFolder(nullptr, QStringLiteral("複写先を指定して下さい。"), dir.path(), 0), std::nullopt);
    EXPECT_EQ(title, QStringLiteral("複写先を指定して下さい。"));
    WhenModalOpens(cancelTheDesktopDialog);
    ChooseFolder(nullptr, {}, dir.path(), 0);
    EXPECT_EQ(title, QStringLiteral("フォルダを選択して下さい。")) << "the folder browser's own prompt";
}
