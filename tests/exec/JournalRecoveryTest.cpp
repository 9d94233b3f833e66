#include "ExecTestSupport.h"
#include "exec/Journal.h"
#include "exec/RenameExecution.h"
#include "platform/FileOps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using exec_test::ScriptedHost;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

class JournalRecoveryTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    TempDir dir;

    // Runs a rename in a child process that dies at the given progress position
    // (positions 1..n start the second pass, n+1..2n the third).
    void RunKilledAt(const std::vector<std::string> &paths, const std::vector<std::string> &names,
                     int position)
    {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ScriptedHost host;
            host.onProgress = [position](int p, int) {
                if (p == position)
                    _exit(0);
            };
            CUndoList undo;
            CResultLog log;
            auto settings = NamesSettings(names);
            RenameFiles(EntriesFor(paths), settings, undo, log, host);
            _exit(1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), 0) << "the run did not reach the position";
    }
};

TEST_F(JournalRecoveryTest, KilledBetweenThePassesIsRecoveredToTheOldNames)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C");
    RunKilledAt({a, b, c}, {"b", "c", "d"}, 4); // second pass done, third not begun
    EXPECT_FALSE(Exists(a));
    EXPECT_FALSE(Exists(b));
    EXPECT_EQ(ReadFile(dir.file("d")), "C");

    const auto journals = FindLeftoverJournals();
    ASSERT_EQ(journals.size(), 1u);
    std::vector<CJournalEntry> entries;
    ASSERT_TRUE(ReadJournal(journals[0], entries));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].tempPath, dir.file("KEST$0000000"));
    EXPECT_TRUE(entries[2].tempPath.empty());

    const CRecoveryReport report = RecoverJournal(journals[0], RecoveryTarget::OldName);
    EXPECT_TRUE(report.readable);
    EXPECT_TRUE(report.journalRemoved);
    ASSERT_EQ(report.steps.size(), 2u);
    EXPECT_EQ(report.steps[0].to, a);
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(ReadFile(dir.file("d")), "C");
    EXPECT_TRUE(FindLeftoverJournals().empty());
}

TEST_F(JournalRecoveryTest, RecoveryToNewNamesFallsBackWhereTheNewNameIsTaken)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    RunKilledAt({a, b}, {"b", "a"}, 3); // a's file at its temporary name, b's too
    const auto journals = FindLeftoverJournals();
    ASSERT_EQ(journals.size(), 1u);
    dir.write("a", "intruder"); // b's new name is taken meanwhile
    const CRecoveryReport report = RecoverJournal(journals[0], RecoveryTarget::NewName);
    EXPECT_EQ(ReadFile(b), "A");
    EXPECT_EQ(ReadFile(a), "intruder");
    // b's file could go neither to a nor back to b: it keeps its temporary name.
    ASSERT_EQ(report.steps.size(), 2u);
    EXPECT_EQ(report.steps[1].code, platform::kErrorTargetExists);
    EXPECT_EQ(ReadFile(dir.file("KEST$0000001")), "B");
    EXPECT_FALSE(report.journalRemoved);
    EXPECT_EQ(FindLeftoverJournals().size(), 1u);
}

TEST_F(JournalRecoveryTest, RunningJournalIsNotOfferedAndPathsKeepEveryByte)
{
    const std::string odd = "we\tird\n%20\xff";
    const auto a = dir.write(odd, "A"), b = dir.write("b", "B");
    bool checked = false;
    ScriptedHost host;
    host.onProgress = [&](int p, int) {
        if (p != 1)
            return;
        EXPECT_TRUE(FindLeftoverJournals().empty()); // locked by this run
        checked = true;
    };
    CUndoList undo;
    CResultLog log;
    auto settings = NamesSettings({"b", odd});
    ASSERT_TRUE(RenameFiles(EntriesFor({a, b}), settings, undo, log, host));
    EXPECT_TRUE(checked);
    EXPECT_EQ(ReadFile(a), "B");

    // Round trip of an odd name through a journal written by a killed run.
    RunKilledAt({a, b}, {"b", odd}, 3);
    std::vector<CJournalEntry> entries;
    ASSERT_TRUE(ReadJournal(FindLeftoverJournals().at(0), entries));
    EXPECT_EQ(entries[0].oldPath, a);
    EXPECT_EQ(entries[1].newPath, a);
}

} // namespace
