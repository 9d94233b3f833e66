// The history editing page, the launch commands page, and starting launch
// commands on selected files.
#include "ui/main/LaunchCommand.h"
#include "ui/main/SelectionPane.h"
#include "ui/settings/HistoryPage.h"
#include "ui/settings/LaunchPage.h"

#include "ModalTesting.h"
#include "app/EnvSettings.h"
#include "app/LaunchList.h"
#include "engine/RenameSettings.h"
#include "platform/HistoryList.h"
#include "platform/Launch.h"
#include "support/StoreContents.h"
#include "support/TempDir.h"
#include "ui/widgets/FileListCtrl.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

using testing_support::IsolatedUserDirs;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

// Answers the next message box with `button` and remembers its title and text.
struct MessageAnswer {
    explicit MessageAnswer(QMessageBox::StandardButton button)
    {
        WhenModalOpens([this, button](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            box->button(button)->click();
        });
    }
    QString title;
    QString text;
};

class HistoryPageTest : public ::testing::Test {
protected:
    IsolatedUserDirs dirs;
};

TEST_F(HistoryPageTest, DeletesCheckedLinesAndStoresThemOnUpdate)
{
    platform::SaveHistory("History", "RenumStr1", {"e0", "e1", "e2", "e3", "e4"});
    CHistoryPage page(nullptr);
    auto *lines = page.findChild<QListWidget *>("lines");
    page.findChild<QComboBox *>("item")->setCurrentIndex(4);
    ASSERT_EQ(lines->count(), 5);

    lines->item(1)->setCheckState(Qt::Checked);
    lines->item(2)->setCheckState(Qt::Checked);
    ClickButton(&page, QStringLiteral("削除"));
    EXPECT_FALSE(page.Changed());

    MessageAnswer notice(QMessageBox::Ok);
    ClickButton(&page, QStringLiteral("更新"));
    EXPECT_EQ(notice.text, QStringLiteral("履歴の編集結果を更新しました。"));
    EXPECT_EQ(platform::LoadHistory("History", "RenumStr1"), (platform::HistoryEntries{"e0", "e3", "e4"}));
    EXPECT_TRUE(page.Changed());
}

TEST_F(HistoryPageTest, DeletingAllThenUpdatingStoresNineteenEmptyLists)
{
    platform::SaveHistory("Environment", "CopyDirectory", {"/x"});
    platform::SaveHistory("History", "ExportStrF", {"kept"});
    CHistoryPage page(nullptr);
    {
        MessageAnswer question(QMessageBox::Yes);
        ClickButton(&page, QStringLiteral("全履歴削除"));
        EXPECT_EQ(question.title, QStringLiteral("履歴削除"));
    }
    MessageAnswer notice(QMessageBox::Ok);
    ClickButton(&page, QStringLiteral("更新"));

    auto stored = testing_support::StoredValuesOfKey("History");
    const auto environment = testing_support::StoredValuesOfKey("Environment");
    stored.insert(environment.begin(), environment.end());
    int emptyLists = 0;
    for (const auto &[name, value] : stored) {
        if (name == "ExportStrF")
            continue;
        EXPECT_EQ(value.bytes, "\xFF") << name;
        ++emptyLists;
    }
    EXPECT_EQ(emptyLists, 19);
    // Histories that the page does not offer stay as they were.
    EXPECT_EQ(platform::LoadHistory("History", "ExportStrF"), platform::HistoryEntries{"kept"});
}

TEST_F(HistoryPageTest, DeletingAllWithoutUpdateStoresNothing)
{
    platform::SaveHistory("History", "FormatStr", {"$n"});
    const std::string before = ReadFile(CRegistryStore::FilePath());
    {
        CHistoryPage page(nullptr);
        page.findChild<QComboBox *>("item")->setCurrentIndex(14);
        auto *lines = page.findChild<QListWidget *>("lines");
        MessageAnswer agreed(QMessageBox::Yes);
        ClickButton(&page, QStringLiteral("全履歴削除"));
        EXPECT_EQ(lines->count(), 0);
        EXPECT_FALSE(page.Changed());
    }
    EXPECT_EQ(ReadFile(CRegistryStore::FilePath()), before);
}

TEST(LaunchPageTest, RowsNeedATitleAndEditsAreTrimmedWhenLeft)
{
    CLaunchList launchers;
    launchers.Entries[0] = {"Viewer", "view"};
    launchers.Entries[1] = {"   ", "unused"};
    CLaunchPage page(launchers, nullptr);
    auto edit = [&page](const char *name) { return page.findChild<QLineEdit *>(name); };
    auto browse = [&page](const char *name) { return page.findChild<QAbstractButton *>(name); };

    EXPECT_TRUE(edit("command1")->isEnabled() && browse("browse1")->isEnabled());
    EXPECT_FALSE(edit("command2")->isEnabled() || browse("browse2")->isEnabled());
    edit("title3")->setText(QStringLiteral("  Edit"));
    EXPECT_TRUE(edit("command3")->isEnabled() && browse("browse3")->isEnabled());

    edit("command3")->setText(QStringLiteral(" editor --new \t"));
    for (const char *left : {"title2", "title3", "command3"})
        emit edit(left)->editingFinished();
    page.Store();
    EXPECT_EQ(launchers.Entries[1].Title, "");
    EXPECT_EQ(launchers.Entries[2].Title, "Edit");
    EXPECT_EQ(launchers.Entries[2].Command, "editor --new");
    EXPECT_EQ(launchers.Entries[0].Command, "view");
}

TEST(LaunchCommandTest, SplitsCommandsLikeDesktopLaunchers)
{
    for (const char *command : {"prog", "  prog  -a   b ", "\"/with blank/prog\" \"two words\" x",
                                "a\"b c\"d", "say \"\"\"quoted\"\"\"", "\"\"", "tab\tsep", ""}) {
        std::vector<std::string> expected;
        for (const QString &word : QProcess::splitCommand(QString::fromUtf8(command)))
            expected.push_back(word.toStdString());
        EXPECT_EQ(platform::SplitCommand(command), expected) << command;
    }
}

// A program of the test's own that records its arguments, one per line, in
// a file of its own per run (out.<pid>) beside the script.
class LaunchRunTest : public ::testing::Test {
protected:
    LaunchRunTest()
    {
        const std::string script = tools.write("record args.sh", "#!/bin/sh\n"
                                                                 "d=$(dirname \"$0\")\n"
                                                                 "printf '%s\\n' \"$@\" > \"$d/tmp.$$\"\n"
                                                                 "mv \"$d/tmp.$$\" \"$d/out.$$\"\n");
        chmod(script.c_str(), 0755);
        command = "\"" + script + "\" -x";
    }

    // The records of `count` runs (sorted), once they are all there.
    std::vector<std::string> Records(std::size_t count) const
    {
        QElapsedTimer waited;
        waited.start();
        std::vector<std::string> records;
        while (waited.elapsed() < 10000) {
            records.clear();
            for (const QString &name : QDir(QString::fromStdString(tools.path())).entryList({"out.*"}))
                records.push_back(ReadFile(tools.file(name.toStdString())));
            if (records.size() >= count)
                break;
            QThread::msleep(20);
        }
        std::sort(records.begin(), records.end());
        return records;
    }

    TempDir tools;
    TempDir files;
    std::string command;
};

TEST_F(LaunchRunTest, FileNamesReachTheProgramAsOneArgumentAndRunNothing)
{
    files.write("b");
    const std::string semicolon = files.write("a;rm -rf b");
    const std::string substitution = files.write("$(touch x)");
    const std::string rawBytes = files.write("n\xFF\xFE.txt");
    const bool touchedBefore = testing_support::Exists("x");

    EXPECT_TRUE(RunLaunchCommand(nullptr, command, {semicolon, substitution, rawBytes}));
    std::vector<std::string> expected = {"-x\n" + semicolon + "\n", "-x\n" + substitution + "\n",
                                         "-x\n" + rawBytes + "\n"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Records(3), expected);
    EXPECT_TRUE(testing_support::Exists(files.file("b")));
    EXPECT_FALSE(testing_support::Exists(files.file("x")));
    EXPECT_EQ(testing_support::Exists("x"), touchedBefore);
}

TEST_F(LaunchRunTest, AProgramThatCannotStartIsNamedInAMessage)
{
    const std::string file = files.write("a.txt");
    MessageAnswer message(QMessageBox::Ok);
    EXPECT_FALSE(RunLaunchCommand(nullptr, tools.file("missing-program") + " -x", {file, file}));
    EXPECT_EQ(message.title, QStringLiteral("Kestrel"));
    EXPECT_TRUE(message.text.contains(QString::fromStdString(tools.file("missing-program"))));
}

TEST_F(LaunchRunTest, TheSelectionMenuRunsATitledCommandOnEveryChosenEntry)
{
    IsolatedUserDirs dirs;
    files.write("one.txt");
    files.write("two.txt");
    CLaunchList launchers;
    launchers.Entries[1] = {"Record", command};
    QWidget window;
    CEnvSettings env;
    env.FilterMode = CEnvSettings::kNoFilterIndex;
    CRenameSettings settings;
    CSelectionPane pane(&window, env, settings, launchers);
    pane.SetDirectoryText(files.path());
    pane.ListDirectory();
    pane.WaitForListing();

    // Opens the menu and, when its item "Record" is enabled, chooses it as the
    // keyboard does; returns whether it was enabled.
    auto chooseRecord = [&pane] {
        bool enabled = false;
        QTimer::singleShot(50, [&enabled] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction *action : menu->actions())
                if (action->text() == QStringLiteral("Record") && action->isEnabled()) {
                    enabled = true;
                    menu->setActiveAction(action);
                }
            QKeyEvent key(QEvent::KeyPress, enabled ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(menu, &key);
        });
        pane.ShowMenu(QPoint(0, 0));
        return enabled;
    };

    pane.List()->SetSelectedRows({pane.Rows().FindName("..")});
    EXPECT_FALSE(chooseRecord());
    pane.List()->SetSelectedRows({pane.Rows().FindName("one.txt"), pane.Rows().FindName("two.txt")});
    EXPECT_TRUE(chooseRecord());
    EXPECT_EQ(Records(2), (std::vector<std::string>{"-x\n" + files.file("one.txt") + "\n",
                                                    "-x\n" + files.file("two.txt") + "\n"}));
}

} // namespace
