// The launch commands page: rows need a title and edits are trimmed.
#include "ui/settings/LaunchPage.h"

#include "app/LaunchList.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

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

} // namespace
