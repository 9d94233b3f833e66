#include "ExecTestSupport.h"
#include "exec/Journal.h"
#include "exec/Run.h"
#include "platform/Attributes.h"
#include "platform/FileOps.h"
#include "platform/FileTimes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <unistd.h>

#include <sys/xattr.h>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using exec_test::RunFolderRows;
using exec_test::RunRows;
using exec_test::ScriptedHost;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

class FileRenameTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs; // journals go to a private state folder
    TempDir dir;
    ScriptedHost host;
    CUndoList undo;
    CResultLog log;

    bool Run(const std::vector<std::string> &paths, CRenameSettings settings)
    {
        return exec_test::RunRows(EntriesFor(paths), settings, undo, log, host);
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto &e : std::filesystem::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(FileRenameTest, SwapCycleAndShiftMoveEachFileOnceWithoutQuestions)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C"),
               d = dir.write("d", "D");
    // A swap is a cycle: one file steps aside to a temporary name.
    ASSERT_TRUE(Run({a, b}, NamesSettings({"b", "a"})));
    EXPECT_EQ(ReadFile(a), "B");
    EXPECT_EQ(ReadFile(b), "A");
    EXPECT_EQ(undo.records[0].tempPath, dir.file("KEST$0000000"));
    EXPECT_FALSE(undo.records[1].usesTemp);
    EXPECT_EQ(host.lastMaximum, 3);

    // A cycle of three: a->b, b->c, c->a.
    ASSERT_TRUE(Run({a, b, c}, NamesSettings({"b", "c", "a"})));
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(ReadFile(c), "A");
    EXPECT_EQ(ReadFile(a), "C");
    EXPECT_EQ(host.lastMaximum, 4);

    // A shift onto a free name at the end needs no temporary name at all.
    ASSERT_TRUE(Run({a, b, c, d}, NamesSettings({"b", "c", "d", "e"})));
    EXPECT_EQ(ReadFile(dir.file("e")), "D");
    EXPECT_EQ(ReadFile(d), "A");
    EXPECT_FALSE(Exists(a));
    for (const CRenameRecord &r : undo.records) {
        EXPECT_FALSE(r.usesTemp);
        EXPECT_EQ(r.status, RenameStatus::Renamed);
    }
    EXPECT_TRUE(host.overwriteTargets.empty());
    EXPECT_EQ(Names(), (std::vector<std::string>{"b", "c", "d", "e"}));
    EXPECT_EQ(host.lastPosition, 4);
    EXPECT_EQ(host.lastMaximum, 4);

    // Shifted down: the first file goes first.
    ASSERT_TRUE(Run({dir.file("b"), dir.file("c"), dir.file("d"), dir.file("e")},
                    NamesSettings({"a", "b", "c", "d"})));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(ReadFile(a), "C");
    EXPECT_EQ(ReadFile(d), "D");
}

TEST_F(FileRenameTest, CaseOnlyRenameIsDirect)
{
    const auto p = dir.write("readme.txt", "x");
    ASSERT_TRUE(Run({p}, NamesSettings({"README.TXT"})));
    EXPECT_FALSE(undo.records[0].usesTemp);
    EXPECT_EQ(Names(), (std::vector<std::string>{"README.TXT"}));
    EXPECT_TRUE(host.overwriteTargets.empty());
}

TEST_F(FileRenameTest, CollisionOutsideTheListWithEachAnswer)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C");
    const auto x = dir.write("x", "X"), y = dir.write("y", "Y");
    dir.write("keep", "K");

    // いいえ: the file keeps its old name, the row failed and says why.
    host.overwrites = {OverwriteAnswer::No};
    ASSERT_TRUE(Run({a}, NamesSettings({"keep"})));
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(dir.file("keep")), "K");
    EXPECT_TRUE(undo.records.empty()) << "a run that changed nothing leaves the undo as it was";
    EXPECT_EQ(log.rows().back().code, kResultFailed);
    EXPECT_EQ(log.StatusText(log.rows().back()), "変名に失敗しました。（上書きしませんでした）");

    // はい: replaced.
    host.overwrites = {OverwriteAnswer::Yes};
    ASSERT_TRUE(Run({a}, NamesSettings({"keep"})));
    EXPECT_EQ(ReadFile(dir.file("keep")), "A");
    EXPECT_EQ(undo.records[0].status, RenameStatus::Replaced);
    EXPECT_EQ(host.overwriteTargets.back(), dir.file("keep"));

    // 全て上書き: asked once, both replaced.
    host.overwriteTargets.clear();
    host.overwrites = {OverwriteAnswer::All};
    ASSERT_TRUE(Run({b, c}, NamesSettings({"x", "y"})));
    EXPECT_EQ(host.overwriteTargets.size(), 1u);
    EXPECT_EQ(ReadFile(x), "B");
    EXPECT_EQ(ReadFile(y), "C");
    EXPECT_EQ(undo.records[1].status, RenameStatus::Replaced);
    EXPECT_EQ(Names(), (std::vector<std::string>{"keep", "x", "y"}));
}

// DSC_0001 … DSC_0005 renumbered from 3 while DSC_0006 and DSC_0007 exist
// outside the list: the question comes before anything moves, and a refusal
// keeps every file whose new name would have been freed by the refused ones.
TEST_F(FileRenameTest, DeclinedOverwriteKeepsTheChainBehindItBeforeAnythingMoves)
{
    std::vector<std::string> paths;
    for (int i = 1; i <= 7; ++i) {
        const std::string name = "DSC_000" + std::to_string(i) + ".JPG";
        const std::string path = dir.write(name, name);
        if (i <= 5)
            paths.push_back(path);
    }
    CRenameSettings settings;
    settings.RenumStr1 = "DSC_";
    settings.NumberWidth = 4;
    settings.NumberStart = 3;
    host.overwrites = {OverwriteAnswer::No, OverwriteAnswer::No};
    bool askedBeforeChanges = true;
    host.onProgress = [&](int, int) {
        askedBeforeChanges = askedBeforeChanges && host.overwriteTargets.size() == 2;
    };
    ASSERT_TRUE(Run(paths, settings));
    EXPECT_TRUE(askedBeforeChanges);
    EXPECT_EQ(host.overwriteTargets,
              (std::vector<std::string>{dir.file("DSC_0006.JPG"), dir.file("DSC_0007.JPG")}));
    for (int i = 1; i <= 7; ++i) {
        const std::string name = "DSC_000" + std::to_string(i) + ".JPG";
        EXPECT_EQ(ReadFile(dir.file(name)), name) << "every file keeps its name";
    }
    EXPECT_EQ(Names().size(), 7u) << "no temporary name is left";
    ASSERT_EQ(log.rows().size(), 5u);
    EXPECT_EQ(log.rows()[0].reason, "新しい名前のファイルが元の名前のまま残ります");
    EXPECT_EQ(log.rows()[3].reason, "上書きしませんでした");

    // Answered はい for both: every file moves once, the two outside ones are replaced.
    host.overwrites = {OverwriteAnswer::Yes, OverwriteAnswer::Yes};
    ASSERT_TRUE(Run(paths, settings));
    EXPECT_EQ(ReadFile(dir.file("DSC_0003.JPG")), "DSC_0001.JPG");
    EXPECT_EQ(ReadFile(dir.file("DSC_0007.JPG")), "DSC_0005.JPG");
    EXPECT_EQ(Names().size(), 5u);
    EXPECT_EQ(undo.records[3].status, RenameStatus::Replaced);
    EXPECT_EQ(undo.records[0].status, RenameStatus::Renamed);
}

TEST_F(FileRenameTest, TwoEntriesWithTheSameNewNameBothKeepTheirNames)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    ASSERT_TRUE(Run({a, b}, NamesSettings({"same", "same."})));
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_FALSE(Exists(dir.file("same")));
    EXPECT_TRUE(host.overwriteTargets.empty());
    EXPECT_EQ(log.rows()[1].reason, "他の行と同じ名前になります");
}

TEST_F(FileRenameTest, NameThatAppearsAfterPlanningIsNeverReplaced)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    host.onProgress = [&](int position, int) {
        if (position == 1)
            dir.write("c", "intruder");
    };
    // b -> c goes first (its name is free when planned), then a -> b.
    ASSERT_TRUE(Run({a, b}, NamesSettings({"b", "c"})));
    EXPECT_EQ(ReadFile(dir.file("c")), "intruder");
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(log.rows()[1].reason, "同じ名前のファイルが実行中に作られました");
    EXPECT_EQ(log.rows()[0].reason, "新しい名前のファイルが元の名前のまま残ります");
}

TEST_F(FileRenameTest, FailedStepInACycleTakesTheCycleBack)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C");
    // Steps: a to its temporary name, c -> a, b -> c, temporary -> b. b vanishes
    // before its step: c returns from a, a's file from its temporary name.
    host.onProgress = [&](int position, int) {
        if (position == 3)
            unlink(b.c_str());
    };
    ASSERT_TRUE(Run({a, b, c}, NamesSettings({"b", "c", "a"})));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(c), "C");
    for (const CRenameRecord &r : undo.records)
        EXPECT_EQ(r.status, RenameStatus::NotRenamed);
    EXPECT_EQ(log.rows()[1].reason, platform::ErrorMessage(ENOENT));
}

TEST_F(FileRenameTest, PlaceholdersUseUpRowIndexesButLeaveNoRecord)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    // Rows: placeholder, a, placeholder, b; lines are taken by row index.
    ASSERT_TRUE(Run({"", a, "", b}, NamesSettings({"p0", "b", "p2", "a"})));
    ASSERT_EQ(undo.records.size(), 2u);
    EXPECT_EQ(log.rows().size(), 2u);
    EXPECT_EQ(undo.records[0].tempPath, dir.file("KEST$0000001"));
    EXPECT_EQ(ReadFile(a), "B");
}

TEST_F(FileRenameTest, LeftoverTemporaryNamesAreNeverTouched)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    dir.write("KEST$0000000", "leftover0");
    dir.write("KEST$0000001", "leftover1");
    ASSERT_TRUE(Run({a, b}, NamesSettings({"b", "a"})));
    EXPECT_EQ(ReadFile(dir.file("KEST$0000000")), "leftover0");
    EXPECT_EQ(ReadFile(dir.file("KEST$0000001")), "leftover1");
    EXPECT_EQ(ReadFile(a), "B");
    EXPECT_EQ(undo.records[0].tempPath, dir.file("KEST$0000002"));

    // Nor is a name the run itself is about to give.
    const auto c = dir.write("c", "C");
    ASSERT_TRUE(Run({a, b, c}, NamesSettings({"b", "a", "KEST$0000002"})));
    EXPECT_EQ(undo.records[0].tempPath, dir.file("KEST$0000003"));
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(ReadFile(dir.file("KEST$0000002")), "C");
    EXPECT_EQ(ReadFile(dir.file("KEST$0000000")), "leftover0");
}

TEST_F(FileRenameTest, InvalidNamesAreRefusedAndTrailingDotsDropped)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C");
    const auto d = dir.write("d", "D"), e = dir.write("e", "E");
    dir.mkdir("sub");
    ASSERT_TRUE(Run({a, b, c, d, e}, NamesSettings({"sub/a", "..", "", "img001.", std::string(300, 'n')})));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c", "e", "img001", "sub"}));
    EXPECT_EQ(ReadFile(dir.file("img001")), "D");
    ASSERT_EQ(undo.records.size(), 1u) << "only what was carried out is kept for undo";
    EXPECT_EQ(undo.records[0].newPath, dir.file("img001"));
    EXPECT_FALSE(Exists(dir.file("sub/a")));
    ASSERT_EQ(log.rows().size(), 5u);
    EXPECT_EQ(log.rows()[0].reason, "この名前は使えません");
    EXPECT_EQ(log.rows()[1].reason, "この名前は使えません");
    EXPECT_EQ(log.rows()[2].reason, "新しい名前が空です");
    EXPECT_EQ(log.rows()[3].code, kResultDone);
    EXPECT_EQ(log.rows()[4].reason, "新しい名前が長すぎます");
    EXPECT_EQ(ReadFile(e), "E");
}

TEST_F(FileRenameTest, ReadOnlyFileIsRenamedAndStaysReadOnly)
{
    const auto a = dir.write("a", "A");
    chmod(a.c_str(), 0444);
    ASSERT_TRUE(Run({a}, NamesSettings({"b"})));
    EXPECT_EQ(exec_test::StatOf(dir.file("b")).st_mode & 0777, 0444u);
    EXPECT_EQ(undo.records[0].status, RenameStatus::Renamed);
}

TEST_F(FileRenameTest, CopyLeavesSourcesAndStampsTheCopies)
{
    const auto out = dir.mkdir("out");
    const auto a = dir.write("a", "A");
    platform::SetFileTimes(a, 1'000'000'000);
    setxattr(a.c_str(), platform::kStoredAttributesName, "0x4", 3, 0);
    auto settings = NamesSettings({"copy"});
    settings.FileCopyMode = OutputKind::Copy;
    settings.FileCopyDirectory = out;
    ASSERT_TRUE(Run({a}, settings));
    const auto st = exec_test::StatOf(out + "/copy"); // before reading it moves the access time
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(out + "/copy"), "A");
    EXPECT_EQ(st.st_mtime, 1'000'000'000);
    EXPECT_EQ(st.st_atime, 1'000'000'000);
    std::uint32_t attributes = 0;
    ASSERT_EQ(platform::ReadAttributes(out + "/copy", attributes), 0);
    EXPECT_EQ(attributes, platform::kAttrSystem);
    EXPECT_EQ(undo.snapshot.outputMode, OutputKind::Copy);
}

TEST_F(FileRenameTest, MoveIntoAnotherAndAMissingDirectory)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    auto settings = NamesSettings({"a2"});
    settings.FileCopyMode = OutputKind::Move;
    settings.FileCopyDirectory = dir.file("new/deeper/");

    // Cancelled: nothing changes and the undo list stays.
    undo.available = true;
    undo.records.resize(3);
    host.answers = {false};
    EXPECT_FALSE(Run({a}, settings));
    EXPECT_TRUE(Exists(a));
    EXPECT_FALSE(Exists(dir.file("new")));
    EXPECT_EQ(undo.records.size(), 3u);
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].first, QuestionKind::CreateDirectory);
    EXPECT_EQ(host.asked[0].second,
              "ディレクトリ［" + dir.file("new/deeper") + "］が存在しません!!\n作成しますか？");

    // Accepted: created with its parents, file moved.
    ASSERT_TRUE(Run({a}, settings));
    EXPECT_EQ(ReadFile(dir.file("new/deeper/a2")), "A");
    EXPECT_FALSE(Exists(a));

    // Existing directory: no question.
    host.asked.clear();
    settings.InputLines = {"b2"};
    ASSERT_TRUE(Run({b}, settings));
    EXPECT_TRUE(host.asked.empty());
    EXPECT_EQ(ReadFile(dir.file("new/deeper/b2")), "B");
}

TEST_F(FileRenameTest, RenumberingWithIncrementAdvancesTheStart)
{
    const auto a = dir.write("a.txt"), b = dir.write("b.txt");
    CRenameSettings settings;
    settings.RenameMode = RenameKind::Renumber;
    settings.RenumStr1 = "n";
    settings.NumberStart = 5;
    settings.NumberStep = 2;
    settings.IsIncrement = 1;
    ASSERT_TRUE(RunRows(EntriesFor({a, "", b}), settings, undo, log, host));
    EXPECT_TRUE(Exists(dir.file("n005.txt")));
    EXPECT_TRUE(Exists(dir.file("n009.txt")));
    EXPECT_EQ(settings.NumberStart, 11);
    EXPECT_TRUE(undo.available);
}

TEST_F(FileRenameTest, JournalIsOnDiskBeforeTheFirstTemporaryMoveAndGoneAfterwards)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    std::vector<CJournalEntry> seen;
    host.onProgress = [&](int position, int) {
        if (position != 1)
            return;
        EXPECT_TRUE(Exists(a)); // nothing moved yet
        for (const auto &e : std::filesystem::directory_iterator(JournalDirectory()))
            ASSERT_TRUE(ReadJournal(e.path().string(), seen));
    };
    ASSERT_TRUE(Run({a, b}, NamesSettings({"b", "a"})));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].from, a);
    EXPECT_EQ(seen[0].to, dir.file("KEST$0000000"));
    EXPECT_EQ(seen[1].from, b);
    EXPECT_EQ(seen[1].to, a);
    EXPECT_EQ(seen[2].to, b);
    EXPECT_TRUE(std::filesystem::is_empty(JournalDirectory()));
}

TEST_F(FileRenameTest, JournalThatCannotBeWrittenKeepsTheLastUndo)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    ASSERT_TRUE(Run({a}, NamesSettings({"a1"})));
    ASSERT_TRUE(undo.available);
    // The journal folder's place is taken by a file.
    std::filesystem::remove_all(JournalDirectory());
    dir.write("blocker");
    std::filesystem::create_directories(std::filesystem::path(JournalDirectory()).parent_path());
    std::filesystem::copy_file(dir.file("blocker"), JournalDirectory());
    EXPECT_FALSE(Run({dir.file("a1"), b}, NamesSettings({"b", "a1"})));
    EXPECT_TRUE(undo.available);
    ASSERT_EQ(undo.records.size(), 1u);
    EXPECT_EQ(undo.records[0].newPath, dir.file("a1"));
    EXPECT_EQ(ReadFile(dir.file("a1")), "A");
    EXPECT_EQ(host.messages.size(), 1u);
}

} // namespace

TEST_F(FileRenameTest, ARunStoppedAfterItsConfirmationStillCountsAsConfirmed)
{
    const auto a = dir.write("a", "A");
    auto settings = NamesSettings({"a2"});
    settings.FileCopyMode = OutputKind::Move;
    settings.FileCopyDirectory = dir.file("missing");
    CRunRequest request;
    request.rows = EntriesFor({a});
    host.answers = {true, false}; // run it; do not create the folder

    const CRunOutcome outcome = exec::Run(request, settings, undo, host);
    EXPECT_TRUE(outcome.confirmed) << "the window shows the log of such a run";
    EXPECT_FALSE(outcome.performed);
    EXPECT_TRUE(Exists(a));
}
