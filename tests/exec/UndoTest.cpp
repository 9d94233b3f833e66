#include "exec/Undo.h"
#include "ExecTestSupport.h"
#include "exec/Run.h"
#include "platform/FileOps.h"
#include "platform/FileTimes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>

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

class UndoTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    TempDir dir;
    ScriptedHost host;
    CUndoList undo;
    CResultLog log;

    void Rename(const std::vector<std::string> &paths, CRenameSettings settings)
    {
        ASSERT_TRUE(RunRows(EntriesFor(paths), settings, undo, log, host));
    }
};

TEST_F(UndoTest, RefusedQuestionChangesNothing)
{
    const auto a = dir.write("a", "A");
    Rename({a}, NamesSettings({"b"}));
    host.answers = {false};
    const CUndoReport report = UndoRename(undo, host);
    EXPECT_FALSE(report.performed);
    EXPECT_TRUE(undo.available);
    EXPECT_TRUE(Exists(dir.file("b")));
    EXPECT_EQ(host.asked.back().first, QuestionKind::ConfirmUndo);
    EXPECT_EQ(host.asked.back().second, "前回の変名を元に戻して良いですか？");
}

TEST_F(UndoTest, SwapComesBackWithFormerTimesAndAttributes)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    platform::SetFileTimes(a, 1'200'000'000);
    chmod(b.c_str(), 0444);
    auto settings = NamesSettings({"b", "a"});
    settings.IsFileTimeChange = 1;
    settings.FileTime = 1'500'000'000;
    Rename({a, b}, settings);
    ASSERT_EQ(exec_test::StatOf(b).st_mtime, 1'500'000'000);

    const CUndoReport report = UndoRename(undo, host);
    EXPECT_TRUE(report.performed);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_FALSE(undo.available);
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(exec_test::StatOf(a).st_mtime, 1'200'000'000);
    EXPECT_EQ(exec_test::StatOf(b).st_mode & 0777, 0444u);
    EXPECT_FALSE(Exists(dir.file("KEST$0000000")));
}

TEST_F(UndoTest, AfterACopyOnlyTheCopiesGo)
{
    const auto out = dir.mkdir("out");
    const auto a = dir.write("a", "A");
    auto settings = NamesSettings({"a"});
    settings.FileCopyMode = OutputKind::Copy;
    settings.FileCopyDirectory = out;
    Rename({a}, settings);
    ASSERT_TRUE(Exists(out + "/a"));
    EXPECT_TRUE(UndoRename(undo, host).failures.empty());
    EXPECT_FALSE(Exists(out + "/a"));
    EXPECT_EQ(ReadFile(a), "A");
}

TEST_F(UndoTest, RefusedOverwriteIsLeftAlone)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    dir.write("taken", "T");
    host.overwrites = {OverwriteAnswer::No};
    Rename({a, b}, NamesSettings({"taken", "b2"}));
    ASSERT_EQ(undo.records.size(), 1u) << "the file that kept its name is not in the record";
    EXPECT_TRUE(UndoRename(undo, host).failures.empty());
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(ReadFile(dir.file("taken")), "T");
}

TEST_F(UndoTest, NeverDeletesOrReplacesAFileItDidNotPutThereAndKeepsWhatFailed)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C");
    Rename({a, b, c}, NamesSettings({"a2", "b2", "c2"}));
    // Another file takes a's old name; b2 is replaced by a different file.
    dir.write("a", "someone else");
    dir.write("b2.saved", "new content");
    rename(dir.file("b2.saved").c_str(), dir.file("b2").c_str());

    const CUndoReport report = UndoRename(undo, host);
    EXPECT_EQ(ReadFile(a), "someone else");
    EXPECT_EQ(ReadFile(dir.file("a2")), "A");
    EXPECT_EQ(ReadFile(dir.file("b2")), "new content");
    EXPECT_FALSE(Exists(b));
    EXPECT_EQ(ReadFile(c), "C");
    ASSERT_EQ(report.failures.size(), 2u);
    EXPECT_EQ(report.failures[0].path, dir.file("a2"));
    EXPECT_EQ(report.failures[0].problem, PlanProblem::ExistingTarget);
    EXPECT_EQ(report.failures[1].path, dir.file("b2"));
    EXPECT_EQ(report.failures[1].problem, PlanProblem::FileReplaced);
    // The failed records stay, so the undo can be tried again once a is free.
    ASSERT_EQ(undo.records.size(), 2u);
    unlink(a.c_str());
    EXPECT_EQ(UndoRename(undo, host).failures.size(), 1u);
    EXPECT_EQ(ReadFile(a), "A");
    ASSERT_EQ(undo.records.size(), 1u);
    EXPECT_EQ(undo.records[0].newPath, dir.file("b2"));
}

TEST_F(UndoTest, ShiftAndRotationComeBackAndAChainBehindATakenNameStays)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C");
    Rename({a, b, c}, NamesSettings({"b", "c", "a"}));
    ASSERT_EQ(ReadFile(a), "C");
    EXPECT_TRUE(UndoRename(undo, host).failures.empty());
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(ReadFile(c), "C");

    Rename({a, b}, NamesSettings({"b", "d"}));
    dir.write("a", "intruder");
    const CUndoReport report = UndoRename(undo, host);
    // a's file cannot go home, so b's file cannot have its name back either:
    // both stay where the rename put them, none under a temporary name.
    EXPECT_EQ(ReadFile(a), "intruder");
    EXPECT_EQ(ReadFile(b), "A");
    EXPECT_EQ(ReadFile(dir.file("d")), "B");
    EXPECT_FALSE(Exists(dir.file("KEST$0000000")));
    ASSERT_EQ(report.failures.size(), 2u);
    EXPECT_EQ(report.failures[0].target, a);
    EXPECT_EQ(report.failures[0].problem, PlanProblem::ExistingTarget);
    EXPECT_EQ(report.failures[1].problem, PlanProblem::Blocked);
}

// Copies in the files' own folder: a -> b (b replaced), b -> c. Taking back
// the copy of b would delete the last place b's former content lives.
TEST_F(UndoTest, CopyWhoseSourceChangedIsKept)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    auto settings = NamesSettings({"b", "c"});
    settings.FileCopyMode = OutputKind::Copy;
    settings.FileCopyDirectory = dir.path();
    host.overwrites = {OverwriteAnswer::Yes};
    Rename({a, b}, settings);
    ASSERT_EQ(ReadFile(b), "A");
    ASSERT_EQ(ReadFile(dir.file("c")), "B") << "b was copied before it was replaced";

    const CUndoReport report = UndoRename(undo, host);
    EXPECT_FALSE(Exists(b));
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(dir.file("c")), "B");
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].path, dir.file("c"));
    EXPECT_EQ(report.failures[0].problem, PlanProblem::SourceChanged);
}

} // namespace
