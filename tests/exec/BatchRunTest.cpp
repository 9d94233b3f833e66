#include "ExecTestSupport.h"
#include "exec/Run.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace exec;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

class BatchRunTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    TempDir dir;
    exec_test::ScriptedHost host;
    CUndoList undo;

    CRenameSettings Renumbering() const
    {
        CRenameSettings settings;
        settings.RenumStr1 = "p_";
        settings.IsIncrement = 1;
        // A batch renames in place whatever the output says.
        settings.FileCopyMode = OutputKind::Copy;
        settings.FileCopyDirectory = dir.file("copies");
        return settings;
    }
    CRunRequest Batch(std::vector<std::string> directories) const
    {
        CRunRequest request;
        request.directories = std::move(directories);
        request.currentDirectory = dir.path();
        request.confirm = false;
        return request;
    }
};

// Every directory starts at the same number, a directory that cannot be read
// and one reached again through another path get a failed row each, and the
// others still run; the batch is recorded as one run.
TEST_F(BatchRunTest, EachDirectoryOnceNumberedFromTheStartAndTheRestRunPastAFailure)
{
    for (const char *folder : {"one", "two"}) {
        dir.mkdir(folder);
        dir.write(std::string(folder) + "/b.jpg", "b");
        dir.write(std::string(folder) + "/a.jpg", "a");
    }
    std::filesystem::create_directory_symlink(dir.file("one"), dir.file("alias"));
    CRenameSettings settings = Renumbering();

    const CRunOutcome outcome =
        exec::Run(Batch({"one", "missing", "./one/", "alias", "two"}), settings, undo, host);
    EXPECT_TRUE(outcome.performed);
    EXPECT_TRUE(outcome.failed);
    for (const char *folder : {"one", "two"}) {
        EXPECT_EQ(ReadFile(dir.file(std::string(folder) + "/p_001.jpg")), "a") << folder;
        EXPECT_EQ(ReadFile(dir.file(std::string(folder) + "/p_002.jpg")), "b") << folder;
    }
    EXPECT_FALSE(Exists(dir.file("copies")));
    EXPECT_EQ(settings.NumberStart, 1) << "a batch does not carry the numbering on";
    EXPECT_EQ(undo.kind, RunKind::Batch);
    EXPECT_EQ(undo.records.size(), 4u);

    std::vector<std::string> failed;
    for (const CResultRow &row : outcome.log.rows())
        if (row.code == kResultFailed)
            failed.push_back(row.itemPath);
    EXPECT_EQ(failed, (std::vector<std::string>{dir.file("missing"), dir.file("one"), dir.file("alias")}));
    EXPECT_EQ(outcome.log.rows().size(), 7u);
}

TEST_F(BatchRunTest, AllDoneIsNoFailureAndAStopEndsItBetweenDirectories)
{
    for (const char *folder : {"one", "two", "three"}) {
        dir.mkdir(folder);
        dir.write(std::string(folder) + "/a.jpg");
    }
    CRenameSettings settings = Renumbering();
    const CRunOutcome done = exec::Run(Batch({"one", "two"}), settings, undo, host);
    EXPECT_FALSE(done.failed);
    EXPECT_EQ(done.log.rows().size(), 2u);

    struct StoppingHost : exec_test::ScriptedHost {
        int checks = 0;
        bool StopRequested() override { return ++checks > 1; }
    } stopping;
    const CRunOutcome stopped = exec::Run(Batch({"three", "one", "two"}), settings, undo, stopping);
    EXPECT_TRUE(Exists(dir.file("three/p_001.jpg")));
    EXPECT_TRUE(stopped.failed);
    ASSERT_EQ(stopped.log.rows().size(), 3u);
    EXPECT_EQ(stopped.log.rows()[1].itemPath, dir.file("one"));
    EXPECT_EQ(stopped.log.rows()[1].code, kResultFailed);
}

// The checks before a run: a relative output file is read from the request's
// directory (not the process's), and a run that cannot start asks nothing.
TEST_F(BatchRunTest, RelativeOutputIsReadFromTheRequestsDirectoryAndMissingOnesAreRefused)
{
    const auto a = dir.write("a", "A");
    CRenameSettings settings;
    settings.RenameMode = RenameKind::Concatenation;
    settings.OutputFile = "out.txt";
    CRunRequest request;
    request.rows = exec_test::EntriesFor({a});
    request.currentDirectory = dir.path();
    request.confirm = false;
    const CRunOutcome outcome = exec::Run(request, settings, undo, host);
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(ReadFile(dir.file("out.txt")), "A");
    EXPECT_EQ(settings.OutputFile, "out.txt") << "the stored setting stays as typed";

    settings.RenameMode = RenameKind::Format;
    settings.FormatStr.clear();
    request.confirm = true;
    const CRunOutcome refused = exec::Run(request, settings, undo, host);
    EXPECT_EQ(refused.startProblem, StartProblem::NoFormat);
    EXPECT_FALSE(refused.confirmed);
    EXPECT_TRUE(host.asked.empty());
}

} // namespace
