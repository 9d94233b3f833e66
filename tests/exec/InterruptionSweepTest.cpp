// Every point of small shifts, swaps and cycles at which a run can be killed
// or a step can fail, and what recovery and the run itself leave behind: each
// file under its old name or its new one, never under a temporary name.
#include "ExecTestSupport.h"
#include "exec/HistoryUndo.h"
#include "exec/Journal.h"
#include "exec/Run.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <sys/wait.h>
#include <unistd.h>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using exec_test::RunFolderRows;
using exec_test::RunRows;
using exec_test::ScriptedHost;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

struct Scenario {
    const char *title;
    std::vector<std::string> names;    // each file holds its own name
    std::vector<std::string> newNames; // row by row
};

std::vector<std::string> Numbered(int from, int count)
{
    std::vector<std::string> names;
    for (int i = from; i < from + count; ++i)
        names.push_back("f" + std::to_string(100 + i));
    return names;
}

const Scenario kScenarios[] = {
    {"shift", Numbered(1, 12), Numbered(2, 12)},
    {"swap", {"a", "b"}, {"b", "a"}},
    {"cycle", {"a", "b", "c"}, {"b", "c", "a"}},
    {"two cycles and a chain", {"a", "b", "c", "d", "e"}, {"b", "a", "d", "e", "c"}},
};

class InterruptionSweepTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;

    static std::vector<std::string> Paths(const TempDir &dir, const Scenario &s)
    {
        std::vector<std::string> paths;
        for (const std::string &name : s.names)
            paths.push_back(dir.write(name, name));
        return paths;
    }
    // Content -> name of every file in the folder.
    static std::map<std::string, std::string> Placement(const TempDir &dir)
    {
        std::map<std::string, std::string> placed;
        for (const auto &e : std::filesystem::directory_iterator(dir.path()))
            placed[ReadFile(e.path().string())] = e.path().filename().string();
        return placed;
    }
    static std::map<std::string, std::string> Expected(const Scenario &s, bool renamed)
    {
        std::map<std::string, std::string> expected;
        for (std::size_t i = 0; i < s.names.size(); ++i)
            expected[s.names[i]] = renamed ? s.newNames[i] : s.names[i];
        return expected;
    }
    // The number of steps of the scenario's run.
    int StepCount(const Scenario &s)
    {
        TempDir dir;
        ScriptedHost host;
        CUndoList undo;
        CResultLog log;
        auto settings = NamesSettings(s.newNames);
        RunRows(EntriesFor(Paths(dir, s)), settings, undo, log, host);
        return host.lastMaximum;
    }
    // Runs the scenario in a child that dies just before step `step`.
    static void RunKilledBefore(const TempDir &dir, const Scenario &s, int step)
    {
        const auto paths = Paths(dir, s);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ScriptedHost host;
            host.onProgress = [step](int position, int) {
                if (position == step)
                    _exit(0);
            };
            CUndoList undo;
            CResultLog log;
            auto settings = NamesSettings(s.newNames);
            RunRows(EntriesFor(paths), settings, undo, log, host);
            _exit(1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
};

TEST_F(InterruptionSweepTest, EveryKillPointIsFinishedOrTakenBack)
{
    int points = 0;
    for (const Scenario &s : kScenarios) {
        const int steps = StepCount(s);
        ASSERT_GT(steps, 0) << s.title;
        for (int step = 1; step <= steps; ++step) {
            for (const RecoveryTarget target : {RecoveryTarget::NewName, RecoveryTarget::OldName}) {
                TempDir dir;
                RunKilledBefore(dir, s, step);
                const auto journals = FindLeftoverJournals();
                ASSERT_EQ(journals.size(), 1u) << s.title << " step " << step;
                const CRecoveryReport report = RecoverJournal(journals[0], target);
                EXPECT_TRUE(report.journalRemoved) << s.title << " step " << step;
                const bool finish = target == RecoveryTarget::NewName;
                EXPECT_EQ(Placement(dir), Expected(s, finish))
                    << s.title << ", killed before step " << step << (finish ? ", finished" : ", taken back");
                ++points;
            }
        }
    }
    EXPECT_GE(points, 30);
}

// An undo is a run of its own: killed at any step, it is finished (the old
// names back) or taken back (the new names stay); either way the run stays in
// the history, and taking it back again ends with every old name.
TEST_F(InterruptionSweepTest, EveryKillPointOfAnUndoIsFinishedOrTakenBack)
{
    for (const Scenario &s : {kScenarios[0], kScenarios[2]}) {
        for (int step = 1;; ++step) {
            bool stepExisted = false;
            for (const RecoveryTarget target : {RecoveryTarget::NewName, RecoveryTarget::OldName}) {
                TempDir dir;
                ScriptedHost host;
                const CRunHistory history(dir.path() + ".history");
                CRunRequest request;
                request.rows = EntriesFor(Paths(dir, s));
                request.confirm = false;
                request.history = &history;
                CUndoList undo;
                auto settings = NamesSettings(s.newNames);
                ASSERT_TRUE(exec::Run(request, settings, undo, host).performed);
                const pid_t child = fork();
                ASSERT_GE(child, 0);
                if (child == 0) {
                    host.onProgress = [step](int position, int) {
                        if (position == step)
                            _exit(0);
                    };
                    UndoFromHistory(history, history.Newest(), host);
                    _exit(1);
                }
                int status = 0;
                waitpid(child, &status, 0);
                ASSERT_TRUE(WIFEXITED(status));
                if (WEXITSTATUS(status) != 0)
                    break; // the undo has fewer steps
                stepExisted = true;
                const auto journals = FindLeftoverJournals();
                ASSERT_EQ(journals.size(), 1u) << s.title << " step " << step;
                EXPECT_TRUE(RecoverJournal(journals[0], target).journalRemoved);
                const bool finish = target == RecoveryTarget::NewName;
                EXPECT_EQ(Placement(dir), Expected(s, !finish))
                    << s.title << ", undo killed before step " << step
                    << (finish ? ", finished" : ", taken back");
                EXPECT_TRUE(UndoFromHistory(history, history.Newest(), host).failures.empty());
                EXPECT_EQ(Placement(dir), Expected(s, false))
                    << s.title << ", undone again after step " << step;
                EXPECT_EQ(history.Newest(), 0u);
                std::filesystem::remove_all(dir.path() + ".history");
            }
            if (!stepExisted)
                break;
        }
    }
}

// A file that vanishes (or is replaced) before its step: the run carries on
// with the others, takes back what depended on it, and leaves no temporary
// name and no journal.
TEST_F(InterruptionSweepTest, EveryFailedStepLeavesOldOrNewNames)
{
    for (const Scenario &s : kScenarios) {
        const int steps = StepCount(s);
        for (int step = 1; step <= steps; ++step) {
            TempDir dir;
            const auto paths = Paths(dir, s);
            ScriptedHost host;
            std::string removed;
            host.onProgress = [&](int position, int) {
                if (position != step)
                    return;
                // Take away the first file still under its old name.
                for (std::size_t i = 0; i < paths.size() && removed.empty(); ++i) {
                    if (ReadFile(paths[i]) == s.names[i]) {
                        removed = s.names[i];
                        std::filesystem::rename(paths[i], dir.path() + ".aside");
                    }
                }
            };
            CUndoList undo;
            CResultLog log;
            auto settings = NamesSettings(s.newNames);
            ASSERT_TRUE(RunRows(EntriesFor(paths), settings, undo, log, host));
            std::filesystem::remove(dir.path() + ".aside");
            for (const auto &[content, name] : Placement(dir)) {
                const auto at = std::find(s.names.begin(), s.names.end(), content) - s.names.begin();
                ASSERT_LT(static_cast<std::size_t>(at), s.names.size()) << name;
                EXPECT_TRUE(name == s.names[at] || name == s.newNames[at])
                    << s.title << ", failure at step " << step << ": " << content << " is under " << name;
            }
            EXPECT_TRUE(FindLeftoverJournals().empty()) << s.title << " step " << step;
        }
    }
}

} // namespace
