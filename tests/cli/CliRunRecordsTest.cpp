// The records a run leaves: its entry in the history of runs (in place
// before the first step), and a journal that cannot be used, which is
// reported and can be let go.
#include "CliFixture.h"
#include "FaultRunner.h"
#include "support/TempDir.h"

#include <cstdio>
#include <filesystem>

using namespace cli_test;
using testing_support::ReadFile;

namespace {

class CliRunRecordsTest : public CliTest {
protected:
    std::vector<std::string> Replace(const std::string &from, const std::string &to, const std::string &path)
    {
        return {"--defaults",        "--set", "RenameMode=3", "--set", "ReplaceStr1=" + from, "--set",
                "ReplaceStr2=" + to, path,    "--execute"};
    }
    std::string HistoryPath() const { return userDirs.stateHome() + "/Kestrel/history"; }
    std::string EntryPath(int number) const
    {
        char name[32];
        std::snprintf(name, sizeof name, "/%010d.run", number);
        return HistoryPath() + name;
    }
};

TEST_F(CliRunRecordsTest, ARunThatCannotKeepItsRecordChangesNothingAndOneThatChangesNothingKeepsTheLast)
{
    dir.write("a.txt", "A");
    ASSERT_EQ(Run(Replace("a", "b", "a.txt")).exitCode, 0);
    // A run whose every row is refused leaves the record of the one before.
    dir.write("c.txt", "C");
    EXPECT_EQ(Run(Replace("b", "c", "b.txt")).exitCode, 1);
    // The history cannot take the run's entry: nothing moves.
    const std::string kept = HistoryPath() + ".kept";
    std::filesystem::rename(HistoryPath(), kept);
    testing_support::TempDir scratch;
    std::filesystem::copy_file(scratch.write("f", "not a folder"), HistoryPath());
    const CliResult refused = Run(Replace("c", "d", "c.txt"));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("元に戻すための記録"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadFile(dir.file("c.txt")), "C");
    std::filesystem::remove(HistoryPath());
    std::filesystem::rename(kept, HistoryPath());

    EXPECT_EQ(Run({"--undo"}).exitCode, 0);
    EXPECT_EQ(ReadFile(dir.file("a.txt")), "A");
}

TEST_F(CliRunRecordsTest, UndoRefusesWhileAJournalIsPendingAndSaysWhenTheRecordIsDamaged)
{
    dir.write("a.txt", "A");
    dir.write("x.txt", "X");
    ASSERT_EQ(Run(Replace("x", "y", "x.txt")).exitCode, 0);
    ASSERT_EQ(Run(Replace("a", "b", "a.txt")).exitCode, 0);
    const std::string journal = userDirs.stateHome() + "/Kestrel/run-1-1.journal";
    testing_support::TempDir scratch;
    std::filesystem::copy_file(scratch.write("j", "KESTREL-JOURNAL 3\n"), journal);
    CliResult undo = Run({"--undo"});
    EXPECT_EQ(undo.exitCode, 1);
    EXPECT_NE(undo.err.find("--recover"), std::string::npos) << undo.err;
    EXPECT_EQ(ReadFile(dir.file("b.txt")), "A");
    std::filesystem::remove(journal);

    // The newest entry is damaged: it is listed as such, and the run before stays usable.
    std::filesystem::resize_file(EntryPath(2), 30);
    const CliResult history = Run({"--history"});
    EXPECT_EQ(history.exitCode, 0) << history.err;
    EXPECT_NE(history.out.find("2\t\t\t\t\tいいえ（記録が壊れています）\n"), std::string::npos)
        << history.out;
    undo = Run({"--undo"});
    EXPECT_EQ(undo.exitCode, 1);
    EXPECT_NE(undo.err.find("壊れている"), std::string::npos) << undo.err;
    EXPECT_EQ(Run({"--undo=1"}).exitCode, 0);
    EXPECT_EQ(ReadFile(dir.file("x.txt")), "X");
}

// Killed after its last rename but before its record was finished: the
// record put in place before the first step is read off the disk.
TEST_F(CliRunRecordsTest, ARunKilledBeforeItsRecordWasFinishedIsUndoneByTheFilesIdentities)
{
    dir.write("a1.txt", "one");
    dir.write("a2.txt", "two");
    const std::vector<std::string> run = {
        "--defaults", "--set",         "RenameMode=3", "--set", "ReplaceStr1=a",
        "--set",      "ReplaceStr2=b", "--dir",        ".",     "--execute"};
    testing_support::TempDir home, counting;
    counting.write("a1.txt", "one");
    counting.write("a2.txt", "two");
    const FaultRun clean = RunUnderFault(run, counting.path(), home.path(), false);
    ASSERT_EQ(clean.result.exitCode, 0) << clean.result.err;
    const long renames = clean.counts.at("rename");
    // The last rename of the run is the one that puts the finished record in place.
    const FaultRun killed =
        RunUnderFault(run, dir.path(), userDirs.root(), false, Fault{"rename", renames, FaultMode::Kill});
    ASSERT_TRUE(killed.Killed());
    EXPECT_EQ(ReadFile(dir.file("b1.txt")), "one");
    const CliResult undo =
        RunCliInEnvironment({"--undo"}, dir.path(),
                            {"HOME=" + userDirs.root(), "XDG_STATE_HOME=" + userDirs.stateHome(),
                             "XDG_CONFIG_HOME=" + userDirs.configHome()});
    EXPECT_EQ(undo.exitCode, 0) << undo.err;
    EXPECT_EQ(ReadFile(dir.file("a1.txt")), "one");
    EXPECT_EQ(ReadFile(dir.file("a2.txt")), "two");
}

// The record of the last run that an earlier kestrel-cli kept becomes the
// newest run of the history (its first form had no identities).
TEST_F(CliRunRecordsTest, TheLastRunOfAnEarlierVersionIsTakenIntoTheHistory)
{
    dir.write("b.txt", "A");
    const std::string from = dir.file("a.txt"), to = dir.file("b.txt");
    std::filesystem::create_directories(userDirs.stateHome() + "/Kestrel");
    testing_support::TempDir scratch;
    std::filesystem::copy_file(scratch.write("u", "KestrelCliUndo 1\n0 0 0 0 1\n1 0 0 0 0 0\n" +
                                                      std::to_string(from.size()) + ":" + from + "\n" +
                                                      std::to_string(to.size()) + ":" + to + "\n0:\n"),
                               userDirs.stateHome() + "/Kestrel/cli-last-rename.undo");
    const CliResult history = Run({"--history"});
    EXPECT_NE(history.out.find("1\t"), std::string::npos) << history.out << history.err;
    EXPECT_EQ(Run({"--undo"}).exitCode, 0);
    EXPECT_EQ(ReadFile(from), "A");
    EXPECT_FALSE(testing_support::Exists(userDirs.stateHome() + "/Kestrel/cli-last-rename.undo"));
}

// A journal whose folder is gone: every call says so, and the user can let it go.
TEST_F(CliRunRecordsTest, AJournalWhoseFolderIsGoneIsReportedAndCanBeDiscarded)
{
    const std::string gone = dir.file("gone");
    const std::string journal = userDirs.stateHome() + "/Kestrel/run-1-1.journal";
    std::filesystem::create_directories(userDirs.stateHome() + "/Kestrel");
    testing_support::TempDir scratch;
    std::filesystem::copy_file(
        scratch.write("j", "KESTREL-JOURNAL 3\nM\t" + gone + "/a\t" + gone + "/b\t0\t0\t0\n"), journal);
    const CliResult recover = Run({"--recover"});
    EXPECT_EQ(recover.exitCode, 1);
    EXPECT_NE(recover.err.find(gone), std::string::npos) << recover.err;
    EXPECT_NE(recover.err.find("--recover=discard"), std::string::npos) << recover.err;
    const CliResult discard = Run({"--recover=discard"});
    EXPECT_EQ(discard.exitCode, 0) << discard.err;
    EXPECT_FALSE(testing_support::Exists(journal));
}

} // namespace
