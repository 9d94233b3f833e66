// Deleting to the trash from the selection list's menu.
#include "ModalTesting.h"
#include "support/TempDir.h"
#include "ui/main/FileListCtrl.h"
#include "ui/main/MainDlg.h"
#include "ui/main/SelectionPane.h"

#include <QMenu>
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

    std::string Trashed(const std::string &name) const { return user.root() + "/data/Trash/files/" + name; }

    IsolatedUserDirs user;
    TempDir dir;
    std::unique_ptr<CMainDlg> window;
    std::vector<Message> messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};

TEST_F(FileOperationsTest, DeleteIsGreyedWithoutARealEntryChosen)
{
    Pane().List()->SetSelectedRows({});
    EXPECT_FALSE(MenuStates()[QStringLiteral("削除")]);

    Select({".."});
    EXPECT_FALSE(MenuStates()[QStringLiteral("削除")]);

    Select({"..", "a.txt"});
    EXPECT_TRUE(MenuStates()[QStringLiteral("削除")]);
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

} // namespace
