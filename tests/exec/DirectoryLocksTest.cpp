#include "exec/DirectoryLocks.h"
#include "ExecTestSupport.h"
#include "exec/Run.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using exec_test::RunRows;
using exec_test::ScriptedHost;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

TEST(DirectoryLocksTest, ARunWaitsForAFolderAnotherRunHoldsAndThenRefuses)
{
    testing_support::IsolatedUserDirs userDirs;
    TempDir dir;
    const auto a = dir.write("a", "A");
    // Another run holds the folder (a lock of its own open folder).
    const int other = open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    ScriptedHost host;
    CUndoList undo;
    CResultLog log;
    auto settings = NamesSettings({"b"});
    EXPECT_FALSE(RunRows(EntriesFor({a}), settings, undo, log, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], BusyFolderMessage(dir.path()));
    EXPECT_EQ(ReadFile(a), "A");
    close(other);
    EXPECT_TRUE(RunRows(EntriesFor({a}), settings, undo, log, host));
    EXPECT_EQ(ReadFile(dir.file("b")), "A");
}

TEST(DirectoryLocksTest, LocksNestWithinOneProcess)
{
    testing_support::IsolatedUserDirs userDirs;
    TempDir dir;
    const auto a = dir.write("a", "A");
    std::string busy;
    {
        CDirectoryLocks listing;
        ASSERT_EQ(listing.Take({dir.path()}, std::chrono::milliseconds(0), busy), 0);
        // Another process (here another open of the folder) is kept out...
        const int other = open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
        EXPECT_NE(flock(other, LOCK_EX | LOCK_NB), 0);
        // ...while a run of this process goes on at once.
        ScriptedHost host;
        CUndoList undo;
        CResultLog log;
        auto settings = NamesSettings({"b"});
        EXPECT_TRUE(RunRows(EntriesFor({a}), settings, undo, log, host));
        EXPECT_NE(flock(other, LOCK_EX | LOCK_NB), 0) << "the outer lock is still held";
        close(other);
    }
    const int after = open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
    EXPECT_EQ(flock(after, LOCK_EX | LOCK_NB), 0);
    close(after);
}

} // namespace
