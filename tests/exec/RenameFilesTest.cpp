#include "ExecTestSupport.h"
#include "exec/Journal.h"
#include "exec/RenameExecution.h"
#include "platform/Attributes.h"
#include "platform/FileOps.h"
#include "platform/FileTimes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <sys/xattr.h>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using exec_test::ScriptedHost;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

class RenameFilesTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs; // journals go to a private state folder
    TempDir dir;
    ScriptedHost host;
    CUndoList undo;
    CResultLog log;

    bool Run(const std::vector<std::string> &paths, CRenameSettings settings)
    {
        return RenameFiles(EntriesFor(paths), settings, undo, log, host);
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

TEST_F(RenameFilesTest, SwapCycleAndShiftGoThroughTemporaryNamesWithoutQuestions)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C"),
               d = dir.write("d", "D");
    ASSERT_TRUE(Run({a, b}, NamesSettings({"b", "a"})));
    EXPECT_EQ(ReadFile(a), "B");
    EXPECT_EQ(ReadFile(b), "A");
    EXPECT_EQ(undo.records[0].tempPath, dir.file("KEST$0000000"));
    EXPECT_EQ(undo.records[1].tempPath, dir.file("KEST$0000001"));

    // A cycle of three: a->b, b->c, c->a.
    ASSERT_TRUE(Run({a, b, c}, NamesSettings({"b", "c", "a"})));
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(ReadFile(c), "A");
    EXPECT_EQ(ReadFile(a), "C");

    // A shift onto a free name at the end: only the last one goes directly.
    ASSERT_TRUE(Run({a, b, c, d}, NamesSettings({"b", "c", "d", "e"})));
    EXPECT_EQ(ReadFile(dir.file("e")), "D");
    EXPECT_EQ(ReadFile(d), "A");
    EXPECT_FALSE(Exists(a));
    EXPECT_FALSE(undo.records[3].usesTemp);
    EXPECT_TRUE(host.overwriteTargets.empty());
    EXPECT_EQ(Names(), (std::vector<std::string>{"b", "c", "d", "e"}));
    for (const CRenameRecord &r : undo.records)
        EXPECT_EQ(r.status, 1);
    EXPECT_EQ(host.lastPosition, 8);
    EXPECT_EQ(host.lastMaximum, 8);
}

TEST_F(RenameFilesTest, CaseOnlyRenameIsDirect)
{
    const auto p = dir.write("readme.txt", "x");
    ASSERT_TRUE(Run({p}, NamesSettings({"README.TXT"})));
    EXPECT_FALSE(undo.records[0].usesTemp);
    EXPECT_EQ(Names(), (std::vector<std::string>{"README.TXT"}));
    EXPECT_TRUE(host.overwriteTargets.empty());
}

TEST_F(RenameFilesTest, CollisionOutsideTheListWithEachAnswer)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C");
    const auto x = dir.write("x", "X"), y = dir.write("y", "Y");
    dir.write("keep", "K");

    // いいえ: the file is back under its old name, the row failed.
    host.overwrites = {OverwriteAnswer::No};
    ASSERT_TRUE(Run({a}, NamesSettings({"keep"})));
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(dir.file("keep")), "K");
    EXPECT_EQ(undo.records[0].status, 0);
    EXPECT_EQ(log.rows().back().code, 0);
    EXPECT_EQ(log.StatusText(log.rows().back().code), "変名に失敗しました。");

    // はい: replaced; status 2.
    host.overwrites = {OverwriteAnswer::Yes};
    ASSERT_TRUE(Run({a}, NamesSettings({"keep"})));
    EXPECT_EQ(ReadFile(dir.file("keep")), "A");
    EXPECT_EQ(undo.records[0].status, 2);
    EXPECT_EQ(host.overwriteTargets.back(), dir.file("keep"));

    // 全て上書き: asked once, both replaced.
    host.overwriteTargets.clear();
    host.overwrites = {OverwriteAnswer::All};
    ASSERT_TRUE(Run({b, c}, NamesSettings({"x", "y"})));
    EXPECT_EQ(host.overwriteTargets.size(), 1u);
    EXPECT_EQ(ReadFile(x), "B");
    EXPECT_EQ(ReadFile(y), "C");
    EXPECT_EQ(undo.records[1].status, 2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"keep", "x", "y"}));
}

TEST_F(RenameFilesTest, RefusedPutBackNeverReplacesAFileThatTookTheOldName)
{
    // x takes a's name while a waits for "keep", which is refused.
    const auto a = dir.write("a", "A"), x = dir.write("x", "X");
    dir.write("keep", "K");
    host.overwrites = {OverwriteAnswer::No};
    ASSERT_TRUE(Run({x, a}, NamesSettings({"a", "keep"})));
    EXPECT_EQ(ReadFile(a), "X");
    EXPECT_EQ(ReadFile(dir.file("keep")), "K");
    // a's file stays under its temporary name, and the row says so.
    const CRenameRecord &r = undo.records[1];
    EXPECT_EQ(ReadFile(r.tempPath), "A");
    EXPECT_EQ(log.rows()[1].resultPath, r.tempPath);
    EXPECT_EQ(log.rows()[1].code, 0);
}

TEST_F(RenameFilesTest, TwoEntriesWithTheSameNewNameAskOnTheSecond)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    host.overwrites = {OverwriteAnswer::No};
    ASSERT_TRUE(Run({a, b}, NamesSettings({"same", "same"})));
    EXPECT_EQ(ReadFile(dir.file("same")), "A");
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(host.overwriteTargets, std::vector<std::string>{dir.file("same")});

    host.overwrites = {OverwriteAnswer::Yes};
    const auto c = dir.write("c", "C");
    ASSERT_TRUE(Run({b, c}, NamesSettings({"two", "two"})));
    EXPECT_EQ(ReadFile(dir.file("two")), "C");
    EXPECT_EQ(undo.records[1].status, 2);
}

TEST_F(RenameFilesTest, PlaceholdersUseUpRowIndexesButLeaveNoRecord)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    // Rows: placeholder, a, placeholder, b; lines are taken by row index.
    ASSERT_TRUE(Run({"", a, "", b}, NamesSettings({"p0", "b", "p2", "a"})));
    ASSERT_EQ(undo.records.size(), 2u);
    EXPECT_EQ(log.rows().size(), 2u);
    EXPECT_EQ(undo.records[0].tempPath, dir.file("KEST$0000001"));
    EXPECT_EQ(undo.records[1].tempPath, dir.file("KEST$0000003"));
    EXPECT_EQ(ReadFile(a), "B");
}

TEST_F(RenameFilesTest, LeftoverTemporaryNamesAreNeverTouched)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    dir.write("KEST$0000000", "leftover0");
    dir.write("KEST$0000001", "leftover1");
    ASSERT_TRUE(Run({a, b}, NamesSettings({"b", "a"})));
    EXPECT_EQ(ReadFile(dir.file("KEST$0000000")), "leftover0");
    EXPECT_EQ(ReadFile(dir.file("KEST$0000001")), "leftover1");
    EXPECT_EQ(ReadFile(a), "B");
    EXPECT_EQ(undo.records[0].tempPath, dir.file("KEST$0000002"));
    EXPECT_EQ(undo.records[1].tempPath, dir.file("KEST$0000003"));

    // Nor is a name the run itself is about to give.
    ASSERT_TRUE(Run({a, b}, NamesSettings({"b", "KEST$0000002"})));
    EXPECT_EQ(undo.records[0].tempPath, dir.file("KEST$0000003"));
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(ReadFile(dir.file("KEST$0000002")), "A");
    EXPECT_EQ(ReadFile(dir.file("KEST$0000000")), "leftover0");
}

TEST_F(RenameFilesTest, InvalidNamesAreRefusedAndTrailingDotsDropped)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B"), c = dir.write("c", "C");
    const auto d = dir.write("d", "D"), e = dir.write("e", "E");
    dir.mkdir("sub");
    ASSERT_TRUE(Run({a, b, c, d, e}, NamesSettings({"sub/a", "..", "", "img001.", std::string(300, 'n')})));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c", "e", "img001", "sub"}));
    EXPECT_EQ(ReadFile(dir.file("img001")), "D");
    EXPECT_EQ(undo.records[3].newPath, dir.file("img001"));
    EXPECT_FALSE(Exists(dir.file("sub/a")));
    ASSERT_EQ(log.rows().size(), 5u);
    EXPECT_EQ(log.rows()[0].code, 0);
    EXPECT_EQ(log.rows()[1].code, 0);
    EXPECT_EQ(log.rows()[2].code, 0);
    EXPECT_EQ(log.rows()[3].code, 1);
    EXPECT_EQ(log.rows()[4].code, 0);
    EXPECT_EQ(ReadFile(e), "E");
}

TEST_F(RenameFilesTest, ReadOnlyFileIsRenamedAndStaysReadOnly)
{
    const auto a = dir.write("a", "A");
    chmod(a.c_str(), 0444);
    ASSERT_TRUE(Run({a}, NamesSettings({"b"})));
    EXPECT_EQ(exec_test::StatOf(dir.file("b")).st_mode & 0777, 0444u);
    EXPECT_EQ(undo.records[0].status, 1);
}

TEST_F(RenameFilesTest, CopyLeavesSourcesAndStampsTheCopies)
{
    const auto out = dir.mkdir("out");
    const auto a = dir.write("a", "A");
    platform::SetFileTimes(a, 1'000'000'000);
    setxattr(a.c_str(), platform::kStoredAttributesName, "0x4", 3, 0);
    auto settings = NamesSettings({"copy"});
    settings.FileCopyMode = kOutputCopy;
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
    EXPECT_EQ(undo.snapshot.outputMode, kOutputCopy);
}

TEST_F(RenameFilesTest, MoveIntoAnotherAndAMissingDirectory)
{
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    auto settings = NamesSettings({"a2"});
    settings.FileCopyMode = kOutputMove;
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

TEST_F(RenameFilesTest, RenumberingWithIncrementAdvancesTheStart)
{
    const auto a = dir.write("a.txt"), b = dir.write("b.txt");
    CRenameSettings settings;
    settings.RenameMode = kModeRenumber;
    settings.RenumStr1 = "n";
    settings.NumberStart = 5;
    settings.NumberStep = 2;
    settings.IsIncrement = 1;
    ASSERT_TRUE(RenameFiles(EntriesFor({a, "", b}), settings, undo, log, host));
    EXPECT_TRUE(Exists(dir.file("n005.txt")));
    EXPECT_TRUE(Exists(dir.file("n009.txt")));
    EXPECT_EQ(settings.NumberStart, 11);
    EXPECT_TRUE(undo.available);
}

TEST_F(RenameFilesTest, JournalIsOnDiskBeforeTheFirstTemporaryMoveAndGoneAfterwards)
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
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].oldPath, a);
    EXPECT_EQ(seen[0].tempPath, dir.file("KEST$0000000"));
    EXPECT_EQ(seen[0].newPath, b);
    EXPECT_TRUE(std::filesystem::is_empty(JournalDirectory()));
}

} // namespace
