#include "CliFixture.h"

#include "engine/SettingsFields.h"
#include "exec/Journal.h"
#include "exec/PlanProblem.h"
#include "platform/FileOps.h"

#include <cerrno>

#include <sys/wait.h>
#include <unistd.h>

using namespace cli_test;
using CliExecuteTest = CliTest;
using testing_support::Exists;
using testing_support::ReadFile;
using Lines = std::vector<std::string>;

TEST_F(CliExecuteTest, SwapThroughTemporaryNamesAndUndoIt)
{
    dir.write("img001.jpg", "one");
    dir.write("img002.jpg", "two");
    // Given in reverse order, renumbering swaps the two names.
    CliResult run = Run({"--execute", "--defaults", "--set", "RenumStr1=img", "img002.jpg", "img001.jpg"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(dir.file("img001.jpg")), "two");
    EXPECT_EQ(ReadFile(dir.file("img002.jpg")), "one");
    EXPECT_EQ(Names(), (Lines{"img001.jpg", "img002.jpg"}));
    EXPECT_EQ(SplitRecords(run.out, '\n'),
              (Lines{dir.file("img002.jpg") + "\t" + dir.file("img001.jpg") + "\t変名しました。",
                     dir.file("img001.jpg") + "\t" + dir.file("img002.jpg") + "\t変名しました。"}));

    CliResult undo = Run({"--undo"});
    EXPECT_EQ(undo.exitCode, 0) << undo.err;
    EXPECT_EQ(ReadFile(dir.file("img001.jpg")), "one");
    EXPECT_EQ(ReadFile(dir.file("img002.jpg")), "two");

    // Undo reaches back one run only.
    CliResult again = Run({"--undo"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(ReadFile(dir.file("img001.jpg")), "one");
}

TEST_F(CliExecuteTest, UndoKeepsEveryByteOfOddNames)
{
    const std::string odd = "a\nb\t\xff.txt";
    dir.write(odd, "x");
    CliResult run = Run({"--execute", "--defaults", "--set", "RenameMode=1", "--set", "OrgStr2=_\n", odd});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Exists(dir.file("a\nb\t\xff_\n.txt")));
    EXPECT_EQ(Run({"--undo"}).exitCode, 0);
    EXPECT_EQ(Names(), (Lines{odd}));
}

TEST_F(CliExecuteTest, MoveIntoANewFolderNeedsCreateDirs)
{
    dir.write("a.txt", "A");
    const std::vector<std::string> move = {
        "--execute", "--defaults",     "--set", "RenameMode=1",
        "--set",     "FileCopyMode=1", "--set", "FileCopyDirectory=out/new",
        "a.txt"};
    CliResult refused = Run(move);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find(dir.file("out/new")), std::string::npos);
    EXPECT_EQ(Names(), (Lines{"a.txt"}));

    std::vector<std::string> create = move;
    create.push_back("--create-dirs");
    // The preview shows what the run would do, the missing folder made.
    const std::vector<std::string> preview(create.begin() + 1, create.end());
    const CliResult previewed = Run(preview);
    EXPECT_EQ(previewed.exitCode, 0) << previewed.err;
    EXPECT_FALSE(Exists(dir.file("out")));
    CliResult moved = Run(create);
    EXPECT_EQ(moved.exitCode, 0) << moved.err;
    EXPECT_EQ(ReadFile(dir.file("out/new/a.txt")), "A");
    EXPECT_FALSE(Exists(dir.file("a.txt")));

    // A later run that finds nothing to do keeps the undo of this one.
    dir.mkdir("empty");
    EXPECT_EQ(Run({"--execute", "--defaults", "--dir", "empty"}).exitCode, 0);

    EXPECT_EQ(Run({"--undo"}).exitCode, 0);
    EXPECT_EQ(ReadFile(dir.file("a.txt")), "A");
    EXPECT_FALSE(Exists(dir.file("out/new/a.txt")));
}

TEST_F(CliExecuteTest, OverwriteIsRefusedUnlessAllowed)
{
    dir.write("a.txt", "A");
    dir.write("b.txt", "B");
    const std::vector<std::string> rename = {"--execute", "--defaults",      "--set", "RenameMode=6",
                                             "--set",     "FormatStr=b.txt", "a.txt"};
    // Standard input is no terminal, so nothing is overwritten by default.
    CliResult never = Run(rename);
    EXPECT_EQ(never.exitCode, 1);
    EXPECT_EQ(ReadFile(dir.file("a.txt")), "A");
    EXPECT_EQ(ReadFile(dir.file("b.txt")), "B");
    EXPECT_NE(never.out.find("変名に失敗しました。"), std::string::npos);

    std::vector<std::string> ask = rename;
    ask.push_back("--overwrite=ask");
    CliResult noTerminal = Run(ask);
    EXPECT_EQ(noTerminal.exitCode, 2);
    EXPECT_EQ(ReadFile(dir.file("a.txt")), "A");

    std::vector<std::string> all = rename;
    all.push_back("--overwrite=all");
    CliResult replaced = Run(all);
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_FALSE(Exists(dir.file("a.txt")));
    EXPECT_EQ(ReadFile(dir.file("b.txt")), "A");
}

TEST_F(CliExecuteTest, UsageErrorsLeaveTheDiskAndTheStoreUntouched)
{
    dir.write("a.txt", "A");
    const std::vector<std::vector<std::string>> bad = {
        {"--execute", "--set", "NoSuchField=1", "a.txt"},
        {"--execute", "--set", "NumberWidth=abc", "a.txt"},
        {"--execute", "--set", "FileTime=2024-13-01T00:00:00", "a.txt"},
        {"--execute", "--save-settings", "--set", "NumberWidth=99", "a.txt"},
        {"--execute", "--defaults", "--dir", "missing"},
        {"--execute", "--defaults", "--folders", "a.txt"},
        {"--execute", "--frobnicate", "a.txt"},
        {"--execute", "--defaults"},
        {"--execute", "--defaults", "--set", "RenameMode=7", "--set", "InputFile=missing.txt", "a.txt"},
    };
    for (const auto &arguments : bad) {
        CliResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.back();
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(Names(), (Lines{"a.txt"}));
    }
    // Nothing was read from or written to the settings store.
    EXPECT_FALSE(Exists(userDirs.configHome() + "/Velmora/Kestrel.ini"));
}

TEST_F(CliExecuteTest, SavedSettingsAreTheStartingPointOfTheNextRun)
{
    dir.write("a.txt");
    CliResult save =
        Run({"--defaults", "--set", "RenumStr1=saved", "--set", "NumberWidth=2", "--save-settings", "a.txt"});
    EXPECT_EQ(save.exitCode, 0) << save.err;
    EXPECT_EQ(Run({"a.txt"}).out, "a.txt\tsaved01.txt\n");
    EXPECT_EQ(Run({"--set", "NumberWidth=4", "a.txt"}).out, "a.txt\tsaved0001.txt\n");
    EXPECT_EQ(Run({"--defaults", "a.txt"}).out, "a.txt\t001.txt\n");
}

TEST_F(CliExecuteTest, NumberedDirectoriesAreCreatedInTheGivenDirectory)
{
    const std::string parent = dir.mkdir("parent");
    dir.mkdir("parent/d02");
    CliResult run = Run({"--execute", "--defaults", "--set", "RenameMode=9", "--set", "NumDirStr=d", "--set",
                         "NumDirWidth=2", "--set", "NumDirCount=3", "--dir", "parent"});
    EXPECT_EQ(run.exitCode, 1) << "d02 exists already";
    EXPECT_EQ(ListNames(parent), (Lines{"d01", "d02", "d03"}));
    EXPECT_EQ(SplitRecords(run.out, '\n'), (Lines{parent + "/d01\t作成しました。",
                                                  parent + "/d02\t作成に失敗しました。（" +
                                                      exec::ProblemText(exec::PlanProblem::NameExists) + "）",
                                                  parent + "/d03\t作成しました。"}));
    // The preview marks every name on disk, as it does for renames.
    CliResult preview = Run({"--defaults", "--set", "RenameMode=9", "--set", "NumDirStr=d", "--set",
                             "NumDirWidth=2", "--set", "NumDirCount=4", "--dir", "parent"});
    EXPECT_EQ(preview.exitCode, 1);
    EXPECT_NE(preview.err.find("d03"), std::string::npos) << preview.err;
}

TEST_F(CliExecuteTest, ConcatenationDeletesSourcesOnlyWhenThisCommandAsksForIt)
{
    dir.write("1.txt", "one\n");
    dir.write("2.txt", "two\n");
    // A stored IsDelete alone does not delete anything without a terminal.
    ASSERT_EQ(Run({"--defaults", "--set", "IsDelete=1", "--save-settings", "1.txt"}).exitCode, 0);
    CliResult kept =
        Run({"--execute", "--set", "RenameMode=11", "--set", "OutputFile=all.txt", "2.txt", "1.txt"});
    EXPECT_EQ(kept.exitCode, 0) << kept.err;
    EXPECT_EQ(ReadFile(dir.file("all.txt")), "two\none\n");
    EXPECT_EQ(Names(), (Lines{"1.txt", "2.txt", "all.txt"}));

    CliResult deleted = Run({"--execute", "--set", "RenameMode=11", "--set", "OutputFile=both.txt", "--set",
                             "IsDelete=1", "1.txt", "2.txt"});
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_EQ(ReadFile(dir.file("both.txt")), "one\ntwo\n");
    EXPECT_EQ(Names(), (Lines{"all.txt", "both.txt"}));
}

TEST_F(CliExecuteTest, RecoverFinishesOrRollsBackAnInterruptedRun)
{
    for (exec::RecoveryTarget target : {exec::RecoveryTarget::NewName, exec::RecoveryTarget::OldName}) {
        dir.write("old.txt", "data");
        const std::string temp = dir.file("KEST$0000000");
        // A run that journals its records, moves the file to its temporary
        // name and dies before the last pass.
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            exec::CRunPlan plan;
            exec::CRenameRecord record;
            record.usesTemp = true;
            record.oldPath = plan.records.Store(dir.file("old.txt"));
            record.tempPath = plan.records.Store(temp);
            record.newPath = plan.records.Store(dir.file("new.txt"));
            plan.records.push_back(record);
            plan.steps = {{0, exec::StepKind::ToTemp}, {0, exec::StepKind::FromTemp}};
            exec::CRunJournal journal;
            if (journal.Write(plan) != 0 || ::rename(record.oldPath.c_str(), temp.c_str()) != 0)
                ::_exit(1);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_EQ(WEXITSTATUS(status), 0);
        ASSERT_TRUE(Exists(temp));

        bool finish = target == exec::RecoveryTarget::NewName;
        CliResult recover = Run({finish ? "--recover" : "--recover=rollback"});
        EXPECT_EQ(recover.exitCode, 0) << recover.err;
        const std::string placed = dir.file(finish ? "new.txt" : "old.txt");
        EXPECT_EQ(ReadFile(placed), "data");
        EXPECT_EQ(recover.out, temp + "\t" + placed + "\t移動しました。\n");
        EXPECT_TRUE(exec::FindLeftoverJournals().empty());
        ::unlink(placed.c_str());
    }
    EXPECT_EQ(Run({"--recover"}).exitCode, 0); // nothing left to do
}

TEST_F(CliExecuteTest, HelpListsEveryOptionAndVersionNamesTheProgram)
{
    CliResult help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *option :
         {"--folders", "--dir", "--filter", "--sort", "--numeric", "--reverse", "--dummy-at", "--settings",
          "--defaults", "--set", "--save-settings", "--null", "--execute", "--overwrite", "--create-dirs",
          "--undo", "--recover", "--paths-from", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    for (const engine::SettingsField &field : engine::SettingsFields())
        EXPECT_NE(help.out.find("  " + std::string(field.name)), std::string::npos) << field.name;
    for (const char *placeholder :
         {"%{camera}", "%{width}", "%{height}", "%{artist}", "%{album}", "%{title}", "%{track}", "%{year}"})
        EXPECT_NE(help.out.find(placeholder), std::string::npos) << placeholder;
    CliResult version = Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("kestrel-cli ", 0), 0u);
}

TEST_F(CliExecuteTest, OnATerminalTheOverwriteQuestionIsAsked)
{
    dir.write("a.txt", "A");
    dir.write("b.txt", "B");
    const std::vector<std::string> rename = {"--execute", "--defaults",      "--set", "RenameMode=6",
                                             "--set",     "FormatStr=b.txt", "a.txt"};
    CliResult no = RunCliOnTerminal(rename, dir.path(), "n\n");
    EXPECT_EQ(no.exitCode, 1) << no.err;
    EXPECT_NE(no.err.find(dir.file("b.txt") + " ’ は既に存在しています。"), std::string::npos);
    EXPECT_EQ(ReadFile(dir.file("b.txt")), "B");

    CliResult yes = RunCliOnTerminal(rename, dir.path(), "y\n");
    EXPECT_EQ(yes.exitCode, 0) << yes.err;
    EXPECT_EQ(ReadFile(dir.file("b.txt")), "A");
    EXPECT_FALSE(Exists(dir.file("a.txt")));
}

// What the preview marks is what the execution refuses: a format that would
// put a "/" into the name (turning report.txt into a hidden .report.txt) and
// a name an entry outside the run has.
TEST_F(CliExecuteTest, PreviewAndExecutionRefuseTheSameRows)
{
    dir.write("report.txt", "R");
    dir.write("a.txt", "A");
    dir.write("b.txt", "taken");
    const std::vector<std::string> slash = {"--defaults", "--set",          "RenameMode=6",
                                            "--set",      "FormatStr=/.%F", "report.txt"};
    CliResult preview = Run(slash);
    EXPECT_EQ(preview.exitCode, 1);
    EXPECT_NE(preview.err.find("この名前は使えません"), std::string::npos) << preview.err;
    std::vector<std::string> execute = slash;
    execute.insert(execute.begin(), "--execute");
    CliResult run = Run(execute);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Names(), (Lines{"a.txt", "b.txt", "report.txt"}));
    EXPECT_NE(run.out.find("変名に失敗しました。（この名前は使えません）"), std::string::npos) << run.out;

    const std::vector<std::string> taken = {"--defaults", "--set",           "RenameMode=6",
                                            "--set",      "FormatStr=b.txt", "a.txt"};
    CliResult marked = Run(taken);
    EXPECT_EQ(marked.exitCode, 1);
    EXPECT_NE(marked.err.find("同じ名前のファイルが既にあります"), std::string::npos) << marked.err;
    execute = taken;
    execute.insert(execute.begin(), "--execute");
    EXPECT_EQ(Run(execute).exitCode, 1) << "without a terminal an existing file is never replaced";
    EXPECT_EQ(ReadFile(dir.file("b.txt")), "taken");
}

TEST_F(CliExecuteTest, ConcatenationThatWritesNothingFails)
{
    dir.write("a.txt", "A");
    CliResult run = Run({"--execute", "--defaults", "--set", "RenameMode=11", "--set",
                         "OutputFile=" + dir.file("missing/out.txt"), "a.txt"});
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    EXPECT_FALSE(Exists(dir.file("missing")));
}

TEST_F(CliExecuteTest, UndoKeepsWhatCouldNotBeTakenBack)
{
    dir.write("a.txt", "A");
    dir.write("b.txt", "B");
    CliResult run = Run({"--execute", "--defaults", "--set", "RenumStr1=n", "a.txt", "b.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    dir.write("a.txt", "someone else");
    CliResult undo = Run({"--undo"});
    EXPECT_EQ(undo.exitCode, 1);
    EXPECT_EQ(ReadFile(dir.file("b.txt")), "B");
    EXPECT_EQ(ReadFile(dir.file("n001.txt")), "A");
    ::unlink(dir.file("a.txt").c_str());
    CliResult retry = Run({"--undo"});
    EXPECT_EQ(retry.exitCode, 0) << retry.err;
    EXPECT_EQ(ReadFile(dir.file("a.txt")), "A");
    EXPECT_EQ(Run({"--undo"}).exitCode, 1) << "nothing is left to take back";
}
