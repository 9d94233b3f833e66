// Launch commands: split like desktop launchers and started on the selected
// files, each name one argument.
#include "ui/main/LaunchCommand.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "app/EnvSettings.h"
#include "app/LaunchList.h"
#include "engine/RenameSettings.h"
#include "platform/Launch.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/FileListCtrl.h"

#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
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
class LaunchCommandRunTest : public ::testing::Test {
protected:
    LaunchCommandRunTest()
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

TEST_F(LaunchCommandRunTest, FileNamesReachTheProgramAsOneArgumentAndRunNothing)
{
    files.write("b");
    const std::string semicolon = files.write("a;rm -rf b");
    const std::string substitution = files.write("$(touch x)");
    const std::string rawBytes = files.write("n\xFF\xFE.txt");
    const bool touchedBefore = testing_support::Exists("x");

    RunLaunchCommand(command, {semicolon, substitution, rawBytes});
    std::vector<std::string> expected = {"-x\n" + semicolon + "\n", "-x\n" + substitution + "\n",
                                         "-x\n" + rawBytes + "\n"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Records(3), expected);
    EXPECT_TRUE(testing_support::Exists(files.file("b")));
    EXPECT_FALSE(testing_support::Exists(files.file("x")));
    EXPECT_EQ(testing_support::Exists("x"), touchedBefore);
}

TEST_F(LaunchCommandRunTest, AStartThatFailsForOnePathDoesNotStopTheOthers)
{
    const std::string file = files.write("a.txt");
    const std::string tooLong(256 * 1024, 'x'); // more than one argument may hold
    RunLaunchCommand(command, {tooLong, file});
    EXPECT_EQ(Records(1), (std::vector<std::string>{"-x\n" + file + "\n"}));
}

TEST_F(LaunchCommandRunTest, TheSelectionMenuRunsATitledCommandOnEveryChosenEntry)
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
