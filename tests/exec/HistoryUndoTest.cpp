// Taking back runs of the history: any run no later run stands in the way of,
// of every kind, in any order the history allows.
#include "exec/HistoryUndo.h"
#include "ExecTestSupport.h"
#include "exec/Run.h"
#include "platform/FileIdentity.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using exec_test::ScriptedHost;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

class HistoryUndoTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    TempDir dir;
    ScriptedHost host;
    CRunHistory history{dir.path() + "/.history"};

    // Runs the rows (or the directories, for a batch) with the history; the
    // number of the run's entry.
    std::uint64_t Run(const std::vector<std::string> &paths, CRenameSettings settings,
                      const std::vector<std::string> &directories = {})
    {
        CRunRequest request;
        request.rows = EntriesFor(paths);
        request.directories = directories;
        request.confirm = false;
        request.history = &history;
        request.currentDirectory = dir.path();
        CUndoList undo;
        const CRunOutcome outcome = exec::Run(request, settings, undo, host);
        EXPECT_TRUE(outcome.performed && !outcome.failed);
        return history.Newest();
    }

    std::vector<std::uint64_t> InTheWayOf(std::uint64_t number) const
    {
        const std::vector<CRunSummary> runs = history.List();
        const auto ways = RunsInTheWay(history, runs);
        for (std::size_t i = 0; i < runs.size(); ++i)
            if (runs[i].number == number)
                return ways[i];
        return {};
    }
};

TEST_F(HistoryUndoTest, AnIndependentOlderRunGoesBackAndOneALaterRunTouchedWaitsForIt)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    const std::uint64_t first = Run({a}, NamesSettings({"a1"}));
    const std::uint64_t second = Run({b}, NamesSettings({"b1"}));
    const std::uint64_t third = Run({dir.file("a1")}, NamesSettings({"a2"}));
    EXPECT_EQ(InTheWayOf(first), std::vector<std::uint64_t>{third});
    EXPECT_TRUE(InTheWayOf(second).empty());

    // An older run is named in its question.
    EXPECT_TRUE(UndoFromHistory(history, second, host).failures.empty());
    EXPECT_EQ(ReadFile(b), "B");
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].second.rfind("#" + std::to_string(second) + " ", 0), 0u) << host.asked[0].second;

    // Refused while the later run stands in the way, which is named.
    host.messages.clear();
    EXPECT_FALSE(UndoFromHistory(history, first, host).performed);
    EXPECT_EQ(ReadFile(dir.file("a2")), "A");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("#" + std::to_string(third) + " "), std::string::npos)
        << host.messages[0];

    EXPECT_TRUE(UndoFromHistory(history, third, host).failures.empty());
    EXPECT_EQ(host.asked.back().second, "前回の変名を元に戻して良いですか？");
    EXPECT_TRUE(UndoFromHistory(history, first, host).failures.empty());
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_TRUE(history.List().empty());
}

// A later rename of the folder a run's files are in stands in the way; a
// later run in another folder does not.
TEST_F(HistoryUndoTest, ALaterRunOfTheFolderAboveStandsInTheWay)
{
    dir.mkdir("in");
    dir.mkdir("other");
    const std::uint64_t inside = Run({dir.write("in/a", "A")}, NamesSettings({"b"}));
    const std::uint64_t elsewhere = Run({dir.write("other/c", "C")}, NamesSettings({"d"}));
    CRenameSettings folders = NamesSettings({"out"});
    folders.ObjMode = ObjectKind::Folders;
    const std::uint64_t above = Run({dir.file("in")}, folders);
    EXPECT_EQ(InTheWayOf(inside), std::vector<std::uint64_t>{above});
    EXPECT_TRUE(InTheWayOf(elsewhere).empty());
}

TEST_F(HistoryUndoTest, NestedFoldersComeBackFromTheDeepestUpAndABatchAsOneRun)
{
    dir.mkdir("x");
    dir.mkdir("x/y");
    dir.write("x/y/f", "F");
    CRenameSettings folders = NamesSettings({"X", "Y"});
    folders.ObjMode = ObjectKind::Folders;
    const std::uint64_t renamed = Run({dir.file("x"), dir.file("x/y")}, folders);
    ASSERT_EQ(ReadFile(dir.file("X/Y/f")), "F");

    CRenameSettings renumber;
    renumber.RenumStr1 = "p_";
    std::vector<std::string> batch;
    for (const char *folder : {"one", "two", "three"}) {
        dir.mkdir(folder);
        dir.write(std::string(folder) + "/a.jpg", folder);
        batch.push_back(dir.file(folder));
    }
    const std::uint64_t batchRun = Run({}, renumber, batch);
    ASSERT_EQ(history.List().front().kind, RunKind::Batch);
    ASSERT_EQ(history.List().front().folderCount, 3u);

    // Independent of each other: the older one goes first.
    EXPECT_TRUE(UndoFromHistory(history, renamed, host).failures.empty());
    EXPECT_EQ(ReadFile(dir.file("x/y/f")), "F");
    EXPECT_FALSE(Exists(dir.file("X")));
    EXPECT_TRUE(UndoFromHistory(history, batchRun, host).failures.empty());
    for (const char *folder : {"one", "two", "three"})
        EXPECT_EQ(ReadFile(dir.file(std::string(folder) + "/a.jpg")), folder);
}

// Killed after its steps but before its record was finished: the record as
// planned is read off the folders' identities, an inner folder inside its
// renamed parent.
TEST_F(HistoryUndoTest, AFolderRunKilledBeforeItsRecordWasFinishedIsTakenBackByIdentity)
{
    dir.mkdir("x");
    dir.mkdir("x/y");
    CHistoryEntry entry;
    entry.undo.kind = RunKind::Folders;
    entry.undo.pending = true;
    for (const auto &[from, to] : {std::pair{"x", "X"}, std::pair{"x/y", "x/Y"}}) {
        CRenameRecord r;
        r.oldPath = entry.undo.records.Store(dir.file(from));
        r.newPath = entry.undo.records.Store(dir.file(to));
        r.source = platform::GetFolderIdentity(r.oldPath.str());
        entry.undo.records.push_back(r);
    }
    ASSERT_EQ(history.Create(entry), 0);
    std::filesystem::rename(dir.file("x/y"), dir.file("x/Y"));
    std::filesystem::rename(dir.file("x"), dir.file("X"));

    EXPECT_TRUE(UndoFromHistory(history, entry.number, host).failures.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("x/y")));
    EXPECT_FALSE(Exists(dir.file("X")));
}

TEST_F(HistoryUndoTest, AnEditedCopyAndAFilledFolderStayAndAreReported)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    dir.mkdir("copies");
    CRenameSettings copy = NamesSettings({"a2", "b2"});
    copy.FileCopyMode = OutputKind::Copy;
    copy.FileCopyDirectory = dir.file("copies");
    const std::uint64_t copied = Run({a, b}, copy);
    dir.write("copies/b2", "edited since");

    const CUndoReport report = UndoFromHistory(history, copied, host);
    EXPECT_FALSE(Exists(dir.file("copies/a2")));
    EXPECT_EQ(ReadFile(dir.file("copies/b2")), "edited since");
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].problem, PlanProblem::FileReplaced);
    ASSERT_EQ(history.List().size(), 1u) << "what stayed can be tried again";
    EXPECT_EQ(history.List().front().count, 1u);

    CRenameSettings made;
    made.RenameMode = RenameKind::NumberedDirectories;
    made.NumDirStr = "d";
    made.NumDirWidth = 1;
    made.NumDirCount = 2;
    CRunRequest request;
    request.confirm = false;
    request.history = &history;
    request.currentDirectory = dir.path();
    CUndoList undo;
    exec::Run(request, made, undo, host);
    dir.write("d2/note", "N");
    const CUndoReport folders = UndoFromHistory(history, history.Newest(), host);
    EXPECT_FALSE(Exists(dir.file("d1")));
    EXPECT_EQ(ReadFile(dir.file("d2/note")), "N");
    ASSERT_EQ(folders.failures.size(), 1u);
    EXPECT_EQ(folders.failures[0].path, dir.file("d2"));
}

TEST_F(HistoryUndoTest, TrashedSourcesOfAConcatenationComeBack)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    CRenameSettings settings;
    settings.RenameMode = RenameKind::Concatenation;
    settings.OutputFile = dir.file("out");
    settings.IsDelete = 1;
    Run({a, b}, settings);
    ASSERT_FALSE(Exists(a));
    EXPECT_TRUE(UndoFromHistory(history, history.Newest(), host).failures.empty());
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_TRUE(std::filesystem::is_empty(userDirs.dataHome() + "/Trash/info"));
}

TEST_F(HistoryUndoTest, KeepsTheNewestRunsAndSaysWhichWentOut)
{
    for (std::size_t i = 0; i < CRunHistory::kMaxRuns + 1; ++i) {
        CHistoryEntry entry;
        entry.undo.records.resize(1);
        ASSERT_EQ(history.Create(entry), 0);
    }
    // A number taken by a process that ended before writing its entry.
    std::fclose(std::fopen(history.EntryPath(CRunHistory::kMaxRuns + 2).c_str(), "w"));
    EXPECT_EQ(history.Newest(), CRunHistory::kMaxRuns + 1);
    const auto a = dir.write("a", "A");
    CRunRequest request;
    request.rows = EntriesFor({a});
    request.confirm = false;
    request.history = &history;
    CUndoList undo;
    CRenameSettings settings = NamesSettings({"a1"});
    const CRunOutcome outcome = exec::Run(request, settings, undo, host);
    ASSERT_EQ(outcome.droppedRuns.size(), 2u);
    EXPECT_EQ(outcome.droppedRuns[0].number, 2u);
    EXPECT_EQ(outcome.droppedRuns[1].number, 1u);
    const std::vector<CRunSummary> kept = history.List();
    ASSERT_EQ(kept.size(), CRunHistory::kMaxRuns);
    EXPECT_EQ(kept.front().number, CRunHistory::kMaxRuns + 3);
    EXPECT_FALSE(Exists(history.EntryPath(CRunHistory::kMaxRuns + 2))) << "the empty entry went";
    EXPECT_EQ(kept.back().number, 3u);
    EXPECT_EQ(history.LastDropped().rfind("#2 ", 0), 0u) << history.LastDropped();
}

} // namespace
