// Runs whose files or folders change under them, or that reach one file
// twice: the run renames only what it listed, and refuses what it cannot do.
#include "ExecTestSupport.h"
#include "exec/DirectoryLocks.h"
#include "exec/Journal.h"
#include "exec/PlanExecution.h"
#include "exec/Run.h"
#include "exec/RunPlan.h"
#include "exec/RunRecorder.h"
#include "exec/Undo.h"
#include "platform/DirectoryList.h"
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

class EdgeSafetyTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    TempDir dir;
    ScriptedHost host;
    CUndoList undo;
    CResultLog log;
};

// A folder listed under its lock and then renamed away (and another made at
// its path) before the first step: the files renamed are the listed ones.
TEST_F(EdgeSafetyTest, ARunRenamesThroughTheFolderItListedEvenWhenItsPathMovesOn)
{
    const std::string listed = dir.mkdir("A");
    dir.write("A/x", "listed");
    CDirectoryLocks lock;
    std::string busy;
    ASSERT_EQ(lock.Take({listed}, std::chrono::seconds(1), busy), 0);
    std::vector<CFileEntry> entries;
    ASSERT_EQ(
        platform::ListDirectoryAt(HeldFolderHandle(listed), listed, "",
                                  [&](const platform::DirEntryInfo &info) { entries.emplace_back(info); }),
        0);
    ASSERT_EQ(entries.size(), 1u);
    std::filesystem::rename(listed, dir.file("moved"));
    dir.mkdir("A");
    dir.write("A/x", "stranger");

    auto settings = NamesSettings({"y"});
    CRunPlan plan = StartPlan(settings);
    plan.listedUnderLock = true;
    AddPlanRow(plan, settings, entries[0], 0);
    CRunRecorder recorder(undo, nullptr, host, RunKind::Files);
    ASSERT_TRUE(RunRenamePlan(plan, settings, recorder, log, host));
    EXPECT_EQ(ReadFile(dir.file("moved/y")), "listed");
    EXPECT_EQ(ReadFile(dir.file("A/x")), "stranger");
}

TEST_F(EdgeSafetyTest, AFolderAndAFolderInsideItAreRenamedInnerFirst)
{
    const auto parent = dir.mkdir("p"), child = dir.mkdir("p/c");
    dir.write("p/c/f", "F");
    auto settings = NamesSettings({"p2", "c2"});
    RunFolderRows(EntriesFor({parent, child}), settings, undo, log, host);
    EXPECT_EQ(ReadFile(dir.file("p2/c2/f")), "F");
    ASSERT_EQ(log.rows().size(), 2u);
    for (const CResultRow &row : log.rows())
        EXPECT_NE(row.code, kResultFailed) << row.itemPath << ": " << log.StatusText(row);
}

TEST_F(EdgeSafetyTest, OneFileReachedTwiceOrRenamedOntoItsOwnLinkIsRefusedBeforeAnythingMoves)
{
    const auto real = dir.mkdir("real");
    const auto a = dir.write("real/a", "A");
    std::filesystem::create_directory_symlink(real, dir.file("alias"));
    auto settings = NamesSettings({"b", "c"});
    CRunPlan plan = StartPlan(settings);
    const auto entries = EntriesFor({a, dir.file("alias/a")});
    for (int row = 0; row < 2; ++row)
        AddPlanRow(plan, settings, entries[static_cast<std::size_t>(row)], row);
    CDirectoryNames folders;
    CheckPlan(plan, folders);
    EXPECT_EQ(plan.records[0].problem, PlanProblem::SameFileTwice);
    EXPECT_EQ(plan.records[1].problem, PlanProblem::SameFileTwice);

    ASSERT_EQ(link(a.c_str(), dir.file("real/hard").c_str()), 0);
    CRunPlan onto = StartPlan(settings = NamesSettings({"hard"}));
    AddPlanRow(onto, settings, EntriesFor({a})[0], 0);
    CDirectoryNames fresh;
    CheckPlan(onto, fresh);
    EXPECT_EQ(onto.records[0].problem, PlanProblem::TargetIsSameFile);
}

// Two files of one folder named through two paths (the folder and a link to
// it): the run locks the folder once and renames both.
TEST_F(EdgeSafetyTest, OneFolderReachedThroughTwoPathsIsLockedOnce)
{
    const auto real = dir.mkdir("real");
    const auto a = dir.write("real/a", "A");
    dir.write("real/b", "B");
    std::filesystem::create_directory_symlink(real, dir.file("alias"));
    auto settings = NamesSettings({"a2", "b2"});
    ASSERT_TRUE(RunRows(EntriesFor({a, dir.file("alias/b")}), settings, undo, log, host));
    EXPECT_TRUE(host.messages.empty()) << host.messages.front();
    EXPECT_EQ(ReadFile(dir.file("real/a2")), "A");
    EXPECT_EQ(ReadFile(dir.file("real/b2")), "B");
}

// A copy run killed part-way, then the user's own file at a copy name the
// run had not reached and an edit of a copy it had made: taking the run back
// deletes only the copies that are still the very copies it made.
TEST_F(EdgeSafetyTest, RollbackOfACopyRunDeletesOnlyItsOwnUnchangedCopies)
{
    const auto out = dir.mkdir("out");
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ScriptedHost killer;
        killer.onProgress = [](int position, int) {
            if (position == 3)
                _exit(0);
        };
        auto settings = NamesSettings({"a", "b", "c"});
        settings.FileCopyMode = OutputKind::Copy;
        settings.FileCopyDirectory = out;
        CUndoList u;
        CResultLog l;
        RunRows(EntriesFor({a, b, c}), settings, u, l, killer);
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(ReadFile(dir.file("out/b")), "B");
    dir.write("out/a", "edited copy");
    dir.write("out/c", "the user's own");
    const auto journals = FindLeftoverJournals();
    ASSERT_EQ(journals.size(), 1u);
    const CRecoveryReport report = RecoverJournal(journals[0], RecoveryTarget::OldName);
    EXPECT_FALSE(Exists(dir.file("out/b")));
    EXPECT_EQ(ReadFile(dir.file("out/a")), "edited copy");
    EXPECT_EQ(ReadFile(dir.file("out/c")), "the user's own");
    EXPECT_TRUE(std::any_of(report.steps.begin(), report.steps.end(), [&](const CRecoveryStep &s) {
        return s.from == dir.file("out/a") && s.code != 0;
    })) << "the edited copy is reported as left alone";
}

// After a run, the renamed file is deleted and another one made at its name
// (perhaps with the same inode number): undo leaves the stranger alone.
TEST_F(EdgeSafetyTest, UndoTellsAStrangerWithAReusedInodeFromTheRenamedFile)
{
    const auto a = dir.write("a", "A");
    auto settings = NamesSettings({"b"});
    ASSERT_TRUE(RunRows(EntriesFor({a}), settings, undo, log, host));
    std::filesystem::remove(dir.file("b"));
    dir.write("b", "stranger");
    const CUndoReport report = UndoRename(undo, host);
    EXPECT_EQ(ReadFile(dir.file("b")), "stranger");
    EXPECT_FALSE(Exists(a));
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].problem, PlanProblem::FileReplaced);
}

TEST_F(EdgeSafetyTest, ARunThatChangesNothingKeepsTheLastUndo)
{
    const auto a = dir.write("a", "A");
    dir.write("taken", "T");
    auto settings = NamesSettings({"b"});
    ASSERT_TRUE(RunRows(EntriesFor({a}), settings, undo, log, host));
    const auto kept = undo.records;
    host.overwrites = {OverwriteAnswer::No};
    settings = NamesSettings({"taken"});
    ASSERT_TRUE(RunRows(EntriesFor({dir.file("b")}), settings, undo, log, host));
    EXPECT_TRUE(undo.available);
    ASSERT_EQ(undo.records.size(), kept.size());
    EXPECT_EQ(undo.records[0].newPath, dir.file("b"));
}

} // namespace
