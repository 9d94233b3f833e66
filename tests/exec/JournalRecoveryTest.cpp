#include "ExecTestSupport.h"
#include "exec/Journal.h"
#include "exec/Run.h"
#include "platform/FileOps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using exec_test::RunFolderRows;
using exec_test::RunRows;
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
    // (position k comes before the k-th step).
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
            RunRows(EntriesFor(paths), settings, undo, log, host);
            _exit(1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), 0) << "the run did not reach the position";
    }
};

TEST_F(JournalRecoveryTest, RecoveryRemovesCopiesCutShortInTheRunsFolders)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    RunKilledAt({a, b}, {"b", "a"}, 2);
    const auto partial = dir.write(".kestrel-copy-Xy12Z9", "half a copy");
    const auto other = dir.write(".kestrel-copy-notmine", "kept");
    const auto journals = FindLeftoverJournals();
    ASSERT_EQ(journals.size(), 1u);
    EXPECT_TRUE(RecoverJournal(journals[0], RecoveryTarget::OldName).journalRemoved);
    EXPECT_FALSE(Exists(partial));
    EXPECT_TRUE(Exists(other));
    EXPECT_EQ(ReadFile(a), "A");
}

TEST_F(JournalRecoveryTest, TemporaryNameThatCannotBePlacedKeepsTheJournal)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    RunKilledAt({a, b}, {"b", "a"}, 2); // a's file at its temporary name, b still at b
    const auto journals = FindLeftoverJournals();
    ASSERT_EQ(journals.size(), 1u);
    dir.write("a", "intruder"); // a's old name is taken meanwhile
    const CRecoveryReport report = RecoverJournal(journals[0], RecoveryTarget::NewName);
    EXPECT_EQ(ReadFile(a), "intruder");
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(ReadFile(dir.file("KEST$0000000")), "A");
    ASSERT_FALSE(report.steps.empty());
    EXPECT_EQ(report.steps.back().from, dir.file("KEST$0000000"));
    EXPECT_NE(report.steps.back().code, 0);
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
    ASSERT_TRUE(RunRows(EntriesFor({a, b}), settings, undo, log, host));
    EXPECT_TRUE(checked);
    EXPECT_EQ(ReadFile(a), "B");

    // Round trip of an odd name through a journal written by a killed run.
    RunKilledAt({a, b}, {"b", odd}, 3);
    std::vector<CJournalEntry> entries;
    ASSERT_TRUE(ReadJournal(FindLeftoverJournals().at(0), entries));
    EXPECT_EQ(entries[0].from, a);
    EXPECT_EQ(entries[1].to, a);
}

// A take-back of a move to another file system copies the file back to its
// source; ended before it removed the file at the target, it leaves the file
// twice. The copy it recorded (identity and version, not the name) tells the
// next recovery which one is the file to keep.
TEST_F(JournalRecoveryTest, ACopyMadeBackAtTheSourceDecidesWhichFileStays)
{
    for (const RecoveryTarget target : {RecoveryTarget::OldName, RecoveryTarget::NewName})
        for (const bool changedSince : {false, true}) {
            TempDir root;
            root.mkdir("run");
            root.mkdir("dest");
            const auto source = root.write("run/f", "F"), moved = root.write("dest/f", "F");
            // The run's step, its file long gone from the source, and the copy it made.
            const auto journal =
                root.write("j.journal", "KESTREL-JOURNAL 3\nM\t" + source + "\t" + moved + "\t1\t99\t0\n");
            {
                CJournalAppender append(journal);
                ASSERT_EQ(append.RecordCopy(moved, platform::GetFileVersion(moved), false), 0);
                ASSERT_EQ(append.RecordCopy(moved, platform::GetFileVersion(source), true), 0);
            }
            if (changedSince)
                root.write("run/f", "someone else's");
            const CRecoveryReport report = RecoverJournal(journal, target);
            const std::string what = std::string(target == RecoveryTarget::OldName ? "take back" : "finish") +
                                     (changedSince ? ", changed since" : "");
            EXPECT_TRUE(report.journalRemoved) << what;
            // The file in one place, where the recovery puts it; a file
            // written at the source since is no copy of the run's and stays.
            EXPECT_EQ(Exists(source), changedSince || target == RecoveryTarget::OldName) << what;
            EXPECT_EQ(Exists(moved), changedSince || target == RecoveryTarget::NewName) << what;
        }
}

} // namespace
