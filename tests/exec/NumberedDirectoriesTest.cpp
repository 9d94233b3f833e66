#include "exec/NumberedDirectories.h"
#include "ExecTestSupport.h"
#include "exec/Run.h"
#include "exec/RunRecorder.h"
#include "platform/Attributes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace exec;
using exec_test::StatOf;
using testing_support::Exists;
using testing_support::TempDir;

namespace {

CRenameSettings NumDirs(const std::string &text, int width, int start, int step, int count)
{
    CRenameSettings s;
    s.RenameMode = RenameKind::NumberedDirectories;
    s.NumDirStr = text;
    s.NumDirWidth = width;
    s.NumDirStart = start;
    s.NumDirStep = step;
    s.NumDirCount = count;
    return s;
}

void Create(const CRenameSettings &settings, const std::string &parent, platform::TimeValue now,
            CResultLog &log)
{
    CDirectoryNames folders;
    CUndoList undo;
    exec_test::ScriptedHost host;
    CRunRecorder recorder(undo, nullptr, host, RunKind::NumberedDirectories);
    CreateNumberedDirectories(PlanNumberedDirectories(settings, parent, folders), settings, now, log,
                              recorder);
}

TEST(NumberedDirectoriesTest, CreatesPaddedNamesStampedWithTheRunTime)
{
    TempDir dir;
    CResultLog log(ResultKind::NumberedDirectories);
    Create(NumDirs("disc", 3, 1, 1, 3), dir.path(), 1'234'567'890, log);
    ASSERT_EQ(log.rows().size(), 3u);
    EXPECT_EQ(log.rows()[2].itemPath, dir.file("disc003"));
    EXPECT_EQ(log.CellText(log.rows()[2], 1, 0), "作成しました。");
    EXPECT_EQ(StatOf(dir.file("disc001")).st_mtime, 1'234'567'890);
    EXPECT_TRUE(S_ISDIR(StatOf(dir.file("disc002")).st_mode));
}

TEST(NumberedDirectoriesTest, CountZeroStepZeroAndWideNumbers)
{
    TempDir dir;
    CResultLog log(ResultKind::NumberedDirectories);
    Create(NumDirs("n", 3, 1, 1, 0), dir.path(), 0, log);
    EXPECT_TRUE(log.rows().empty());

    Create(NumDirs("same", 2, 7, 0, 3), dir.path(), 0, log);
    ASSERT_EQ(log.rows().size(), 3u);
    EXPECT_EQ(log.rows()[0].code, 1);
    EXPECT_EQ(log.rows()[1].code, 0);
    EXPECT_EQ(log.rows()[2].itemPath, dir.file("same07"));

    log.rows().clear();
    Create(NumDirs("w", 2, 99, 1, 2), dir.path(), 0, log);
    EXPECT_TRUE(Exists(dir.file("w99")));
    EXPECT_TRUE(Exists(dir.file("w100")));
}

TEST(NumberedDirectoriesTest, UnifiedTimeAndAttributesAndNoParentCreation)
{
    TempDir dir;
    auto settings = NumDirs("d", 1, 1, 1, 1);
    settings.IsFileTimeChange = 1;
    settings.FileTime = 1'000'000'000;
    settings.IsFileAttribChange = 1;
    settings.AtrReadOnly = AttributeChange::Clear;
    settings.AtrHidden = AttributeChange::Set;
    settings.AtrSystem = AttributeChange::Keep; // anything but 0 sets the bit on a new directory
    settings.AtrArchive = AttributeChange::Clear;
    CResultLog log(ResultKind::NumberedDirectories);
    Create(settings, dir.path(), 5, log);
    EXPECT_EQ(StatOf(dir.file("d1")).st_mtime, 1'000'000'000);
    std::uint32_t bits = 0;
    ASSERT_EQ(platform::ReadAttributes(dir.file("d1"), bits), 0);
    EXPECT_EQ(bits, platform::kAttrDirectory | platform::kAttrHidden | platform::kAttrSystem);

    Create(settings, dir.file("missing"), 5, log);
    EXPECT_EQ(log.rows().back().code, 0);
    EXPECT_FALSE(Exists(dir.file("missing")));

    // A name with "/" would create somewhere else: refused.
    Create(NumDirs("../up", 1, 1, 1, 1), dir.path(), 5, log);
    EXPECT_EQ(log.rows().back().code, 0);
}

TEST(NumberedDirectoriesTest, ExecuteDispatchRecordsTheFoldersAndKeepsCandidates)
{
    TempDir dir;
    exec_test::ScriptedHost host;
    CUndoList undo;
    auto settings = NumDirs("x", 2, 1, 1, 2);
    CRunRequest request;
    request.currentDirectory = dir.path();
    request.rows = {exec_test::Placeholder(), exec_test::Placeholder()};
    const CRunOutcome outcome = exec::Run(request, settings, undo, host);
    EXPECT_TRUE(outcome.performed);
    EXPECT_FALSE(outcome.clearCandidates);
    EXPECT_EQ(undo.kind, RunKind::NumberedDirectories);
    EXPECT_EQ(undo.records.size(), 2u);
    EXPECT_EQ(outcome.log.kind(), ResultKind::NumberedDirectories);
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(
        host.asked[0].second,
        "2個のファイルが選択されています。\n\n　■連番ディレクトリ作成\n　　作成数：2個\n\n実行しますか？");
    EXPECT_TRUE(Exists(dir.file("x02")));
}

// A name already on disk is marked in the plan, as the preview shows it, and
// the run leaves that entry alone with the reason in its row.
TEST(NumberedDirectoriesTest, ANameOnDiskIsMarkedBeforeTheRun)
{
    TempDir dir;
    dir.mkdir("x1");
    dir.write("x3", "a file");
    const auto settings = NumDirs("x", 1, 1, 1, 3);
    CDirectoryNames folders;
    const CRunPlan plan = PlanNumberedDirectories(settings, dir.path(), folders);
    ASSERT_EQ(plan.records.size(), 3u);
    EXPECT_EQ(plan.records[0].problem, PlanProblem::NameExists);
    EXPECT_EQ(plan.records[1].problem, PlanProblem::None);
    EXPECT_EQ(plan.records[2].problem, PlanProblem::NameExists);

    CResultLog log(ResultKind::NumberedDirectories);
    CUndoList undo;
    exec_test::ScriptedHost host;
    CRunRecorder recorder(undo, nullptr, host, RunKind::NumberedDirectories);
    CreateNumberedDirectories(plan, settings, 0, log, recorder);
    ASSERT_EQ(log.rows().size(), 3u);
    EXPECT_EQ(log.rows()[0].code, kResultFailed);
    EXPECT_EQ(log.rows()[0].reason, ProblemText(PlanProblem::NameExists));
    EXPECT_EQ(log.rows()[1].code, kResultDone);
    EXPECT_EQ(testing_support::ReadFile(dir.file("x3")), "a file");
}

} // namespace
