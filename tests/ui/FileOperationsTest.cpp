// Copying, moving, deleting to the trash and making folders from the selection list's menu.
#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"
#include "ui/dialogs/FolderBrowseDlg.h"
#include "ui/dialogs/FolderTree.h"
#include "ui/dialogs/MakeDirDlg.h"
#include "ui/main/MainDlg.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/FileListCtrl.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

using testing_support::Exists;
using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

struct Message {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};

class FileOperationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", (user.root() + "/data").c_str(), 1);
        dir.mkdir("sub");
        dir.write("a.txt", "a");
        dir.write("b.txt", "b");
        window = std::make_unique<CMainDlg>(std::vector<std::string>{dir.path()});
        Pane().WaitForListing();
        window->SetQuestionFunction([this](QWidget *, QMessageBox::Icon icon, const QString &caption,
                                           const QString &text, QMessageBox::StandardButtons) {
            messages.push_back({icon, caption, text});
            return answer;
        });
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }

    CSelectionPane &Pane() { return window->Selection(); }

    void Select(const std::vector<std::string> &names)
    {
        std::vector<int> rows;
        for (const std::string &name : names)
            rows.push_back(Pane().Rows().FindName(name));
        Pane().List()->SetSelectedRows(rows);
    }

    std::vector<std::string> SelectedNames()
    {
        std::vector<std::string> names;
        for (const int row : Pane().SelectedRows())
            names.push_back(Pane().Rows().Name(row));
        return names;
    }

    // The enabled state of the menu's file operation items.
    std::map<QString, bool> MenuStates()
    {
        std::map<QString, bool> states;
        QTimer::singleShot(20, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction *action : menu->actions())
                states[action->text()] = action->isEnabled();
            menu->close();
        });
        Pane().ShowMenu(window->mapToGlobal(QPoint(10, 10)));
        return states;
    }

    void MakeDirectoryTyping(const QString &name)
    {
        WhenModalOpens([name](QWidget *modal) {
            auto *dialog = dynamic_cast<CMakeDirDlg *>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ディレクトリの作成"));
            auto *edit = Widget<QLineEdit>(*dialog, "name");
            EXPECT_TRUE(edit->text().isEmpty());
            edit->setText(name);
            Widget<QPushButton>(*dialog, "createButton")->click();
        });
        emit Pane().MakeDirectoryRequested();
        Pane().WaitForListing();
    }

    std::string Trashed(const std::string &name) const { return user.root() + "/data/Trash/files/" + name; }

    IsolatedUserDirs user;
    TempDir dir;
    std::unique_ptr<CMainDlg> window;
    std::vector<Message> messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};

TEST_F(FileOperationsTest, DeleteIsGreyedWithoutARealEntryChosenAndMakeDirectoryNever)
{
    Pane().List()->SetSelectedRows({});
    auto states = MenuStates();
    EXPECT_FALSE(states[QStringLiteral("削除")]);
    EXPECT_TRUE(states[QStringLiteral("ディレクトリ作成")]);

    Select({".."});
    EXPECT_FALSE(MenuStates()[QStringLiteral("削除")]);

    Select({"..", "a.txt"});
    EXPECT_TRUE(MenuStates()[QStringLiteral("削除")]);
}

TEST_F(FileOperationsTest, CopyAndMoveAreGreyedWithoutARealEntryChosen)
{
    const QString copy = QStringLiteral("複写"), move = QStringLiteral("移動");
    Pane().List()->SetSelectedRows({});
    auto states = MenuStates();
    EXPECT_FALSE(states[copy]);
    EXPECT_FALSE(states[move]);

    Select({".."});
    states = MenuStates();
    EXPECT_FALSE(states[copy]);
    EXPECT_FALSE(states[move]);

    Select({"a.txt"});
    states = MenuStates();
    EXPECT_TRUE(states[copy]);
    EXPECT_TRUE(states[move]);
}

TEST_F(FileOperationsTest, CopyAsksTheFolderAndEachConflictAndKeepsTheList)
{
    TempDir target;
    target.write("b.txt", "old b");
    Select({"..", "a.txt", "b.txt"});
    QString prompt;
    WhenModalOpens([&](QWidget *modal) {
        auto *dialog = qobject_cast<CFolderBrowseDlg *>(modal);
        ASSERT_NE(dialog, nullptr);
        prompt = dialog->findChild<QLabel *>("prompt")->text();
        Widget<CFolderTree>(*dialog, "tree")->SelectPath(target.path());
        ClickButton(dialog, QStringLiteral("選択"));
    });
    answer = QMessageBox::Yes; // the confirmation, then replace b.txt
    emit Pane().CopyRequested();

    EXPECT_EQ(prompt, QStringLiteral("複写先を指定して下さい。"));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Kestrel（複写）"));
    EXPECT_TRUE(messages[1].text.contains(QString::fromStdString(target.file("b.txt"))));
    EXPECT_EQ(testing_support::ReadFile(target.file("a.txt")), "a");
    EXPECT_EQ(testing_support::ReadFile(target.file("b.txt")), "b");
    EXPECT_TRUE(Exists(dir.file("a.txt")));
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"..", "a.txt", "b.txt"}));
}

TEST_F(FileOperationsTest, DeleteAsksFirstThenMovesTheEntriesButNotTheParentToTheTrash)
{
    Select({"..", "a.txt", "sub"});
    answer = QMessageBox::No;
    emit Pane().DeleteRequested();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Kestrel（削除）"));
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("2")));
    EXPECT_TRUE(Exists(dir.file("a.txt")));

    answer = QMessageBox::Yes;
    emit Pane().DeleteRequested();
    Pane().WaitForListing();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_FALSE(Exists(dir.file("a.txt")));
    EXPECT_FALSE(Exists(dir.file("sub")));
    EXPECT_TRUE(Exists(Trashed("a.txt")));
    EXPECT_TRUE(Exists(Trashed("sub")));
    EXPECT_TRUE(Exists(dir.path()));
    EXPECT_LT(Pane().Rows().FindName("a.txt"), 0);
    EXPECT_GE(Pane().Rows().FindName("b.txt"), 0);
}

TEST_F(FileOperationsTest, AFailedDeleteNamesTheFileAndTheOthersStillGo)
{
    Select({"a.txt", "b.txt"});
    std::remove(dir.file("a.txt").c_str());
    emit Pane().DeleteRequested();
    Pane().WaitForListing();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(messages[1].text.contains(QStringLiteral("a.txt")));
    EXPECT_FALSE(messages[1].text.contains(QStringLiteral("b.txt")));
    EXPECT_TRUE(Exists(Trashed("b.txt")));
}

TEST_F(FileOperationsTest, NewFolderIsCreatedAndSelected)
{
    MakeDirectoryTyping(QStringLiteral("新規"));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("新規")));
    EXPECT_EQ(SelectedNames(), std::vector<std::string>{"新規"});
}

TEST_F(FileOperationsTest, NewFolderFailureNamesItAndLeavesTheList)
{
    for (const QString &name : {QStringLiteral("sub"), QStringLiteral("x/y"), QString()}) {
        messages.clear();
        Select({"b.txt"});
        MakeDirectoryTyping(name);
        ASSERT_EQ(messages.size(), 1u) << name.toStdString();
        EXPECT_EQ(messages[0].caption, QStringLiteral("ディレクトリの作成"));
        EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("ディレクトリの作成に失敗しました！\n")));
        EXPECT_TRUE(messages[0].text.contains(QString::fromStdString(dir.file(name.toStdString()))));
        EXPECT_EQ(SelectedNames(), std::vector<std::string>{"b.txt"});
    }
    EXPECT_FALSE(Exists(dir.file("x")));
}

TEST_F(FileOperationsTest, CancelledNewFolderCreatesNothing)
{
    WhenModalOpens([](QWidget *modal) {
        auto *dialog = dynamic_cast<CMakeDirDlg *>(modal);
        ASSERT_NE(dialog, nullptr);
        Widget<QLineEdit>(*dialog, "name")->setText(QStringLiteral("never"));
        dialog->reject();
    });
    emit Pane().MakeDirectoryRequested();
    EXPECT_FALSE(Exists(dir.file("never")));
}

} // namespace
