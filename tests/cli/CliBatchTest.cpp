#include "CliFixture.h"

#include <algorithm>

using namespace cli_test;
using CliBatchTest = CliTest;
using testing_support::Exists;
using testing_support::ReadFile;
using Lines = std::vector<std::string>;

namespace {

bool HasRowStarting(const std::string &out, const std::string &start)
{
    const Lines rows = SplitRecords(out, '\n');
    return std::any_of(rows.begin(), rows.end(),
                       [&](const std::string &row) { return row.starts_with(start); });
}

} // namespace

TEST_F(CliBatchTest, SeveralDirsAreRenamedInPlaceOneByOneIntoOneResult)
{
    for (const char *folder : {"one", "two"}) {
        dir.mkdir(folder);
        dir.write(std::string(folder) + "/a.jpg", folder);
        dir.write(std::string(folder) + "/b.jpg");
    }
    dir.mkdir("copies");
    // Increment and a copy destination are what a batch does without.
    const std::vector<std::string> batch = {"--defaults",     "--set",         "RenumStr1=p_",
                                            "--set",          "IsIncrement=1", "--set",
                                            "FileCopyMode=2", "--set",         "FileCopyDirectory=copies",
                                            "--dir",          "one",           "--dir",
                                            "missing",        "--dir",         "two"};

    CliResult preview = Run(batch);
    EXPECT_EQ(preview.exitCode, 1) << "the missing directory is a problem";
    EXPECT_NE(preview.err.find("missing"), std::string::npos) << preview.err;
    EXPECT_EQ(SplitRecords(preview.out, '\n').size(), 4u) << preview.out;

    std::vector<std::string> execute = batch;
    execute.push_back("--execute");
    CliResult run = Run(execute);
    EXPECT_EQ(run.exitCode, 1) << run.err;
    for (const char *folder : {"one", "two"}) {
        const std::string base = dir.file(folder) + "/";
        EXPECT_EQ(ReadFile(base + "p_001.jpg"), folder) << "every directory starts at the same number";
        EXPECT_TRUE(Exists(base + "p_002.jpg"));
        EXPECT_FALSE(Exists(base + "a.jpg"));
        EXPECT_TRUE(HasRowStarting(run.out, base + "a.jpg\t" + base + "p_001.jpg\t")) << run.out;
    }
    EXPECT_TRUE(ListNames(dir.file("copies")).empty()) << "renamed in place";
    EXPECT_TRUE(HasRowStarting(run.out, dir.file("missing") + "\t")) << run.out;
    EXPECT_EQ(SplitRecords(run.out, '\n').size(), 5u) << run.out;

    // The batch is taken back as one run.
    EXPECT_EQ(Run({"--undo"}).exitCode, 0);
    for (const char *folder : {"one", "two"})
        EXPECT_EQ(ReadFile(dir.file(std::string(folder) + "/a.jpg")), folder);
}

TEST_F(CliBatchTest, SeveralDirsOnlyRenameFiles)
{
    dir.mkdir("one");
    dir.mkdir("two");
    for (const std::string &kind : {std::string("--folders"), std::string("--set=RenameMode=9")}) {
        CliResult refused = Run({"--defaults", kind, "--dir", "one", "--dir", "two"});
        EXPECT_EQ(refused.exitCode, 2) << kind;
    }
}

TEST_F(CliBatchTest, ABatchOfReadableDirsExitsZeroAndRunsADirGivenTwiceOnce)
{
    for (const char *folder : {"a", "b", "c"}) {
        dir.mkdir(folder);
        dir.write(std::string(folder) + "/x.txt");
    }
    CliResult all = Run({"--defaults", "--set", "RenameMode=1", "--set", "OrgStr2=_x", "--dir", "a", "--dir",
                         "b", "--dir", "c", "--execute"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(SplitRecords(all.out, '\n').size(), 3u) << all.out;

    const std::vector<std::string> twiceArguments = {
        "--defaults", "--set", "RenameMode=1", "--set", "OrgStr2=_x", "--dir", "a", "--dir", "./a/"};
    EXPECT_EQ(Run(twiceArguments).exitCode, 1) << "the preview names the repeated directory";
    std::vector<std::string> execute = twiceArguments;
    execute.push_back("--execute");
    CliResult twice = Run(execute);
    EXPECT_EQ(twice.exitCode, 1);
    EXPECT_EQ(ListNames(dir.file("a")), (Lines{"x_x_x.txt"})) << "renamed once more, not twice";
    EXPECT_TRUE(HasRowStarting(twice.out, dir.file("a") + "\t")) << twice.out;
}
