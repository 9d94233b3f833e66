// The warning marks computed on a worker thread: what arrives, and what never does.
#include "ui/main/CandidateMarks.h"

#include "exec/ExecTestSupport.h"
#include "support/EntryMaker.h"
#include "support/TempDir.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using exec::PlanProblem;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using testing_support::TempDir;

namespace {

using Marks = std::vector<PlanProblem>;

class CandidateMarksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(marks.get(), &CCandidateMarks::MarksReady,
                         [this](Marks m) { arrived.push_back(m); });
    }
    // The marks of the next computation to deliver.
    Marks next()
    {
        const std::size_t before = arrived.size();
        EXPECT_TRUE(QTest::qWaitFor([&] { return arrived.size() > before; }, 20000));
        return arrived.size() > before ? arrived.back() : Marks{};
    }
    // Many rows in a folder that does not exist.
    static std::vector<CFileEntry> ManyRows(int count)
    {
        std::vector<CFileEntry> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back(MakeEntry("/nonexistent-folder", "f" + std::to_string(i)));
        return rows;
    }

    TempDir dir;
    std::unique_ptr<CCandidateMarks> marks = std::make_unique<CCandidateMarks>();
    std::vector<Marks> arrived;
};

TEST_F(CandidateMarksTest, MarksOfTheRowsArriveAsTheirPlanGivesThem)
{
    const auto rows = EntriesFor({dir.write("a"), dir.write("b"), dir.write("c")});
    const auto settings = NamesSettings({"same", "same", "c2"});
    marks->Start(rows, settings, {});
    const Marks expected{PlanProblem::DuplicateName, PlanProblem::DuplicateName, PlanProblem::None};
    EXPECT_EQ(next(), expected);
    exec::CDirectoryNames folders;
    EXPECT_EQ(PlanCandidateMarks(rows, settings, {}, folders), expected);

    CRenameSettings numbered = settings;
    numbered.RenameMode = RenameKind::NumberedDirectories;
    numbered.NumDirStr = "d";
    numbered.NumDirWidth = 1;
    numbered.NumDirCount = 2;
    dir.mkdir("d2");
    marks->InvalidateFolders();
    const std::vector<CFileEntry> places(2, exec_test::Placeholder());
    marks->Start(places, numbered, dir.path());
    EXPECT_EQ(next(), (Marks{PlanProblem::None, PlanProblem::NameExists}))
        << "a folder already there is marked";
}

TEST_F(CandidateMarksTest, FolderNamesAreReadAgainOnlyAfterInvalidation)
{
    const auto rows = EntriesFor({dir.write("a")});
    const auto settings = NamesSettings({"x"});
    marks->Start(rows, settings, {});
    EXPECT_EQ(next(), Marks{PlanProblem::None});
    dir.write("x");
    marks->Start(rows, settings, {});
    EXPECT_EQ(next(), Marks{PlanProblem::None});
    marks->InvalidateFolders();
    marks->Start(rows, settings, {});
    EXPECT_EQ(next(), Marks{PlanProblem::ExistingTarget});

    std::remove(dir.file("x").c_str());
    marks->InvalidateFolders();
    const auto many = ManyRows(100000);
    marks->Start(many, NamesSettings({}), {});
    marks->Start(rows, settings, {});
    EXPECT_EQ(next(), Marks{PlanProblem::None}) << "also when the start after it was replaced at once";
}

TEST_F(CandidateMarksTest, OnlyTheLastStartDelivers)
{
    const auto many = ManyRows(100000);
    const auto few = EntriesFor({dir.write("a"), dir.write("b")});
    marks->Start(many, NamesSettings({}), {});
    marks->Start(few, NamesSettings({"same", "same"}), {});
    EXPECT_EQ(next(), (Marks{PlanProblem::DuplicateName, PlanProblem::DuplicateName}));
    QTest::qWait(50);
    EXPECT_EQ(arrived.size(), 1u);
}

// A keystroke while the marks of the last one are planned: the plan that was
// running is dropped, the marks that arrive are those of the new settings.
TEST_F(CandidateMarksTest, AStartDuringPlanningDeliversTheMarksOfItsOwnSettings)
{
    const auto many = ManyRows(200000);
    const auto settings = NamesSettings({"same", "same", "other"});
    marks->Start(many, NamesSettings({"x", "x"}), {});
    marks->Start(many, settings, {});
    exec::CDirectoryNames folders;
    EXPECT_EQ(next(), PlanCandidateMarks(many, settings, {}, folders));
    QTest::qWait(50);
    EXPECT_EQ(arrived.size(), 1u);
}

TEST_F(CandidateMarksTest, CancelledOrDestroyedComputationsNeverDeliver)
{
    const auto many = ManyRows(200000);
    marks->Start(many, NamesSettings({}), {});
    marks->Cancel();
    marks->Start(many, NamesSettings({}), {});
    marks.reset();
    QTest::qWait(50);
    EXPECT_TRUE(arrived.empty());
}

} // namespace
