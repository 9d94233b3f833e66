// kestrel-cli under the fault library: each scenario, each kind of call it
// makes, each call of that kind and each way of failing there, with renames
// that refuse to replace and with the link and unlink way of file systems
// without them. A killed run (and a run that leaves its journal) is then
// recovered without faults. Whatever happens, no content is lost or doubled,
// no temporary name stays without a journal, nothing outside the run is
// touched and a failed step is never reported as success.
#include "FaultChecks.h"
#include "FaultRunner.h"
#include "FaultScenarios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <functional>
#include <random>
#include <thread>

using namespace cli_test;

namespace {

struct Variant {
    const char *id;
    bool linkPath; // renames that must not replace fail as on NFS
};
const Variant kVariants[] = {{"NoReplaceRename", false}, {"LinkAndUnlink", true}};
constexpr std::size_t kVariantCount = std::size(kVariants);

std::string Trimmed(std::string text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    return text;
}

// Parameters: the index of the scenario and that of the variant.
class FaultSweepTest : public ::testing::TestWithParam<std::tuple<std::size_t, std::size_t>> {
protected:
    void SetUp() override
    {
        if (Params().first->otherFileSystem) {
            m_otherFileSystem = OtherFileSystem();
            if (m_otherFileSystem.empty())
                GTEST_SKIP() << "no writable folder on a second file system (with another st_dev)";
        }
    }

    std::pair<const Scenario *, const Variant *> Params() const
    {
        return {&FaultScenarios()[std::get<0>(GetParam())], &kVariants[std::get<1>(GetParam())]};
    }

    // Brings a point's folders to where the command starts.
    std::string Prepare(const PointFolders &f) const
    {
        const auto [s, v] = Params();
        if (s->preparation == Preparation::None)
            return {};
        const bool kill = s->preparation == Preparation::Killed;
        const FaultRun run = RunUnderFault(f.Arguments(StartingScenario(*s)), f.run, f.home, v->linkPath,
                                           kill ? m_kill : std::optional<Fault>());
        const bool prepared = kill ? run.Killed() && !f.Journals().empty() : run.result.exitCode == 0;
        return prepared ? std::string() : "the run it starts from did not go as planned: " + run.result.err;
    }

    // The kill that leaves the run it starts from unfinished: a copy run (or
    // a move to another file system) before its last copy; the cycle before
    // its last move, with one file at its temporary name (a rename is also
    // made for the undo record).
    void FindKill()
    {
        const auto [s, v] = Params();
        if (s->preparation != Preparation::Killed)
            return;
        const Scenario &start = StartingScenario(*s);
        PointFolders f(start, m_otherFileSystem);
        const FaultRun run = RunUnderFault(f.Arguments(start), f.run, f.home, v->linkPath);
        if (start.outcome == Outcome::Copied || start.otherFileSystem)
            m_kill = Fault{"copy", run.counts.at("copy"), FaultMode::Kill};
        else
            m_kill = v->linkPath ? Fault{"link", run.counts.at("link"), FaultMode::Kill}
                                 : Fault{"rename", run.counts.at("rename") - 1, FaultMode::Kill};
    }

    std::vector<std::string> RunPoint(const Fault &fault) const
    {
        const auto [s, v] = Params();
        PointFolders f(*s, m_otherFileSystem);
        if (std::string failed = Prepare(f); !failed.empty())
            return {failed};
        const PointCheck check(*s, f);
        const FaultRun run = RunUnderFault(f.Arguments(*s), f.run, f.home, v->linkPath, fault);
        if (!run.Reached(fault))
            return {"the call was not reached (exit " + std::to_string(run.result.exitCode) + ")"};
        // A killed run is looked at once it is recovered.
        std::vector<std::string> problems;
        if (!run.Killed())
            problems = check.Problems(run.result.exitCode);
        if (!run.Killed() && f.Journals().empty())
            return problems;
        // Recovery finishes the run, or on odd points takes it back.
        const FaultRun recovery =
            RunUnderFault({fault.at % 2 ? "--recover=rollback" : "--recover"}, f.run, f.home, v->linkPath);
        for (const std::string &problem : check.Problems(std::nullopt))
            problems.push_back("after " + std::string(fault.at % 2 ? "--recover=rollback: " : "--recover: ") +
                               problem);
        if (!f.Journals().empty())
            problems.push_back("the recovery without faults left its journal (exit " +
                               std::to_string(recovery.result.exitCode) +
                               "): " + Trimmed(recovery.result.out + recovery.result.err));
        return problems;
    }

    std::string m_otherFileSystem;
    std::optional<Fault> m_kill;
};

// Runs every point on a few threads: the runs mostly wait for the disk.
std::vector<std::vector<std::string>>
RunAll(const std::vector<Fault> &points, const std::function<std::vector<std::string>(const Fault &)> &run)
{
    std::vector<std::vector<std::string>> problems(points.size());
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w)
        workers.emplace_back([&] {
            for (std::size_t i; (i = next++) < points.size();) {
                try {
                    problems[i] = run(points[i]);
                } catch (const std::exception &e) {
                    problems[i] = {std::string("the point could not be run: ") + e.what()};
                }
            }
        });
    for (std::thread &w : workers)
        w.join();
    return problems;
}

TEST_P(FaultSweepTest, NoPointLosesDataOrHidesAFailure)
{
    const auto [s, v] = Params();
    FindKill();
    // The command without a fault: it completes, and tells how many calls of each kind it makes.
    PointFolders f(*s, m_otherFileSystem);
    ASSERT_EQ(Prepare(f), "");
    const FaultRun plain = RunUnderFault(f.Arguments(*s), f.run, f.home, v->linkPath);
    ASSERT_EQ(plain.result.exitCode, 0) << plain.result.err;
    ASSERT_EQ(Incomplete(*s, f), "");
    ASSERT_FALSE(plain.counts.empty()) << "the fault library was not loaded";

    std::vector<Fault> points;
    for (const auto &[call, count] : plain.counts)
        for (long k = 1; k <= count; ++k)
            for (const FaultMode mode : {FaultMode::Fail, FaultMode::Kill, FaultMode::After})
                points.push_back({call, k, mode});
    // A longer campaign may try a random sample of its many points.
    if (const int sample = EnvironmentNumber("KESTREL_FAULT_SWEEP_SAMPLE", 0); sample > 0) {
        std::shuffle(points.begin(), points.end(),
                     std::mt19937(static_cast<unsigned>(EnvironmentNumber("KESTREL_FAULT_SWEEP_SEED", 1))));
        points.resize(std::min(points.size(), static_cast<std::size_t>(sample)));
    }
    const auto problems = RunAll(points, [this](const Fault &fault) { return RunPoint(fault); });
    int failing = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        failing += !problems[i].empty();
        for (const std::string &problem : problems[i])
            ADD_FAILURE() << s->id << ", " << points[i].call << " call " << points[i].at << ", "
                          << FaultModeName(points[i].mode) << ", " << v->id << ": " << problem;
    }
    std::cout << s->id << " (" << v->id << "): " << points.size() << " points, " << failing << " failing\n";
}

std::string PointName(const ::testing::TestParamInfo<FaultSweepTest::ParamType> &info)
{
    return FaultScenarios()[std::get<0>(info.param)].id + "_" + kVariants[std::get<1>(info.param)].id;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, FaultSweepTest,
                         ::testing::Combine(::testing::Range<std::size_t>(0, FaultScenarios().size()),
                                            ::testing::Range<std::size_t>(0, kVariantCount)),
                         PointName);

} // namespace
