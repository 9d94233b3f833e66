#include "platform/Trash.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

using testing_support::Exists;
using testing_support::TempDir;

namespace {

TEST(TrashTest, MovesIntoTheUsersTrashEvenWithoutADataFolder)
{
    testing_support::IsolatedUserDirs userDirs; // HOME without ~/.local/share
    unsetenv("XDG_DATA_HOME");
    TempDir dir;
    const auto f = dir.write("doomed", "D");
    ASSERT_EQ(platform::MoveToTrash(f), 0);
    EXPECT_FALSE(Exists(f));
    EXPECT_TRUE(Exists(userDirs.root() + "/.local/share/Trash/files/doomed"));
    EXPECT_EQ(platform::MoveToTrash(f), ENOENT);
}

TEST(TrashTest, RefusesANameItCannotCarryByteForByte)
{
    testing_support::IsolatedUserDirs userDirs;
    unsetenv("XDG_DATA_HOME");
    TempDir dir;
    const auto f = dir.write("bad\xff", "B");
    const int result = platform::MoveToTrash(f);
    // Either carried exactly, or refused and left in place.
    if (result == 0)
        EXPECT_FALSE(Exists(f));
    else
        EXPECT_TRUE(Exists(f));
}

} // namespace
