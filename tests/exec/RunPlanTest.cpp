#include "exec/RunPlan.h"
#include "ExecTestSupport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>

#include <sys/stat.h>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using testing_support::TempDir;

namespace {

class RunPlanTest : public ::testing::Test {
protected:
    TempDir dir;
    CDirectoryNames folders;

    CRunPlan Plan(const std::vector<std::string> &paths, const CRenameSettings &settings)
    {
        return PlanRows(StartPlan(settings), EntriesFor(paths), settings, folders);
    }
    static std::vector<PlanProblem> Problems(const CRunPlan &plan)
    {
        std::vector<PlanProblem> problems;
        for (const CRenameRecord &r : plan.records)
            problems.push_back(r.problem);
        return problems;
    }
    // The steps as "kind:record" texts, for example "T0 D2 F0".
    static std::string Steps(const CRunPlan &plan)
    {
        std::string text;
        for (const CPlanStep &s : plan.steps) {
            if (!text.empty())
                text += ' ';
            text += s.kind == StepKind::Direct ? 'D' : s.kind == StepKind::ToTemp ? 'T' : 'F';
            text += std::to_string(s.record);
        }
        return text;
    }
    CRunPlan Ordered(const std::vector<std::string> &paths, const std::vector<std::string> &names)
    {
        CRunPlan plan = Plan(paths, NamesSettings(names));
        SettleStays(plan);
        OrderPlan(plan);
        return plan;
    }
};

TEST_F(RunPlanTest, NamesOnTheirOwn)
{
    const auto a = dir.write("a"), b = dir.write("b"), c = dir.write("c"), d = dir.write("d"),
               e = dir.write("e"), f = dir.write("f");
    const std::string longest(255, 'n');
    const std::string huge = std::string(254, 'n') + "é" + std::string(100'000, 'n');
    const CRunPlan plan =
        Plan({a, b, c, d, e, f}, NamesSettings({"", "..", "x/y", longest + ".", huge, "img."}));
    EXPECT_EQ(Problems(plan), (std::vector<PlanProblem>{PlanProblem::EmptyName, PlanProblem::InvalidName,
                                                        PlanProblem::InvalidName, PlanProblem::None,
                                                        PlanProblem::NameTooLong, PlanProblem::None}));
    // Trailing dots are dropped before the name is checked and used.
    EXPECT_EQ(plan.NewName(3), longest);
    // A name refused as too long is kept only as far as a log row shows it.
    EXPECT_EQ(plan.NewName(4), std::string(254, 'n') + "…");
    EXPECT_EQ(plan.records[5].newPath, dir.file("img"));
    // "/" in a new name never reaches another folder.
    EXPECT_EQ(plan.NewName(2), "x/y");
}

TEST_F(RunPlanTest, DestinationAndTargetFolders)
{
    const auto a = dir.write("a"), file = dir.write("plainfile");
    auto settings = NamesSettings({"n"});
    settings.FileCopyMode = OutputKind::Move;
    EXPECT_EQ(Problems(Plan({a}, settings)), std::vector<PlanProblem>{PlanProblem::NoDestination});

    settings.FileCopyDirectory = dir.file("missing");
    EXPECT_EQ(Problems(Plan({a}, settings)), std::vector<PlanProblem>{PlanProblem::TargetFolderMissing});
    settings.FileCopyDirectory = file;
    EXPECT_EQ(Problems(Plan({a}, settings)), std::vector<PlanProblem>{PlanProblem::TargetFolderUnusable});
    settings.FileCopyDirectory = dir.mkdir("out");
    EXPECT_EQ(Problems(Plan({a}, settings)), std::vector<PlanProblem>{PlanProblem::None});
    // In place, and in a batch, the destination is not needed.
    settings.FileCopyDirectory.clear();
    settings.IsInBatch = 1;
    EXPECT_EQ(Problems(Plan({a}, settings)), std::vector<PlanProblem>{PlanProblem::None});
}

TEST_F(RunPlanTest, SameNewNameTwiceMarksEveryRowOfIt)
{
    const auto a = dir.write("a"), b = dir.write("b"), c = dir.write("c");
    const auto sub = dir.mkdir("sub");
    const auto d = dir.write("sub/d");
    const CRunPlan plan = Plan({a, b, c, d}, NamesSettings({"same", "other", "same.", "same"}));
    EXPECT_EQ(Problems(plan), (std::vector<PlanProblem>{PlanProblem::DuplicateName, PlanProblem::None,
                                                        PlanProblem::DuplicateName, PlanProblem::None}))
        << "the same name in another folder is no collision";
}

TEST_F(RunPlanTest, ASetStopFlagEndsPlanningBeforeTheRows)
{
    const auto a = dir.write("a"), b = dir.write("b");
    const auto settings = NamesSettings({"x", "y"});
    std::atomic<bool> stop{true};
    EXPECT_TRUE(PlanRows(StartPlan(settings), EntriesFor({a, b}), settings, folders, &stop).records.empty());
    stop = false;
    EXPECT_EQ(PlanRows(StartPlan(settings), EntriesFor({a, b}), settings, folders, &stop).records.size(), 2u);
}

TEST_F(RunPlanTest, ExistingNamesOutsideTheRunAndTheRowsBehindThem)
{
    const auto a = dir.write("a"), b = dir.write("b"), c = dir.write("c");
    dir.write("outside");
    // c takes an outside name (a question); b takes c's name, a takes b's. An
    // invalid name keeps b where it is, and a, waiting for b's name, stays too.
    CRunPlan plan = Plan({a, b, c}, NamesSettings({"b", "c", "outside"}));
    EXPECT_EQ(Problems(plan),
              (std::vector<PlanProblem>{PlanProblem::None, PlanProblem::None, PlanProblem::ExistingTarget}));
    plan = Plan({a, b, c}, NamesSettings({"b", "", "d"}));
    EXPECT_EQ(Problems(plan),
              (std::vector<PlanProblem>{PlanProblem::Blocked, PlanProblem::EmptyName, PlanProblem::None}));
    // An unchanged name and a name freed by the run are not taken.
    plan = Plan({a, b}, NamesSettings({"a", "a2"}));
    EXPECT_FALSE(plan.AnyProblem());

    // A question left unanswered keeps the row and its chain.
    plan = Plan({a, b, c}, NamesSettings({"b", "c", "outside"}));
    SettleStays(plan);
    EXPECT_EQ(Problems(plan), (std::vector<PlanProblem>{PlanProblem::Blocked, PlanProblem::Blocked,
                                                        PlanProblem::ExistingTarget}));

    // A copy never frees its source's name: it is replaced, so it is asked about.
    auto copy = NamesSettings({"b", "c2"});
    copy.FileCopyMode = OutputKind::Copy;
    copy.FileCopyDirectory = dir.path();
    plan = Plan({a, b}, copy);
    EXPECT_EQ(Problems(plan), (std::vector<PlanProblem>{PlanProblem::ExistingTarget, PlanProblem::None}));
}

TEST_F(RunPlanTest, OrderMovesEachFileOnceAfterTheOneWhoseNameItTakes)
{
    std::vector<std::string> files;
    for (const char *name : {"f1", "f2", "f3", "f4"})
        files.push_back(dir.write(name));
    // Shift up: the last file goes first, onto the free name.
    EXPECT_EQ(Steps(Ordered(files, {"f2", "f3", "f4", "f5"})), "D3 D2 D1 D0");
    // Shift down: the first file goes first.
    EXPECT_EQ(Steps(Ordered(files, {"f0", "f1", "f2", "f3"})), "D0 D1 D2 D3");
    // Swap and rotation: one temporary name per cycle.
    EXPECT_EQ(Steps(Ordered({files[0], files[1]}, {"f2", "f1"})), "T0 D1 F0");
    EXPECT_EQ(Steps(Ordered(files, {"f2", "f3", "f4", "f1"})), "T0 D3 D2 D1 F0");
    // Two cycles and a chain side by side: chains first, then each cycle.
    EXPECT_EQ(Steps(Ordered(files, {"f2", "f1", "f4", "x"})), "D3 D2 T0 D1 F0");
}

TEST_F(RunPlanTest, ChainEndingAtAnOutsideFileMovesOnceTheQuestionIsAnswered)
{
    const auto a = dir.write("a"), b = dir.write("b");
    dir.write("c");
    CRunPlan plan = Plan({a, b}, NamesSettings({"b", "c"}));
    ASSERT_EQ(plan.records[1].problem, PlanProblem::ExistingTarget);
    plan.records[1].problem = PlanProblem::None; // answered はい
    plan.records[1].replaces = true;
    SettleStays(plan);
    OrderPlan(plan);
    EXPECT_EQ(Steps(plan), "D1 D0");
}

} // namespace
