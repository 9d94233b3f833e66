#include "ExecTestSupport.h"
#include "exec/Run.h"
#include "platform/Attributes.h"
#include "platform/FileTimes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

using namespace exec;
using exec_test::EntriesFor;
using exec_test::NamesSettings;
using exec_test::RunFolderRows;
using exec_test::RunRows;
using exec_test::ScriptedHost;
using exec_test::StatOf;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

constexpr platform::TimeValue kOld = 1'100'000'000;
constexpr platform::TimeValue kUnified = 1'600'000'000;

class UnificationTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    TempDir dir;
    ScriptedHost host;
    CUndoList undo;
    CResultLog log;

    std::uint32_t AttributesOf(const std::string &path)
    {
        std::uint32_t bits = 0;
        platform::ReadAttributes(path, bits);
        return bits;
    }
    std::string FileWith(const std::string &name, const char *stored, bool readOnly)
    {
        const auto p = dir.write(name, name);
        if (stored)
            setxattr(p.c_str(), platform::kStoredAttributesName, stored, std::strlen(stored), 0);
        platform::SetFileTimes(p, kOld);
        if (readOnly)
            chmod(p.c_str(), 0444);
        return p;
    }
};

TEST_F(UnificationTest, TimeOffKeepsBothTimesToTheNanosecond)
{
    const auto a = FileWith("a", nullptr, false), c = FileWith("c", nullptr, false);
    const struct timespec times[2] = {{kOld - 5, 111}, {kOld, 222'333}};
    utimensat(AT_FDCWD, a.c_str(), times, 0);
    utimensat(AT_FDCWD, c.c_str(), times, 0);
    auto settings = NamesSettings({"b", "c"}); // c keeps its name
    ASSERT_TRUE(RunRows(EntriesFor({a, c}), settings, undo, log, host));
    for (const auto &path : {dir.file("b"), c}) {
        const auto st = StatOf(path);
        EXPECT_EQ(st.st_mtime, kOld) << path;
        EXPECT_EQ(st.st_mtim.tv_nsec, 222'333) << path;
        EXPECT_EQ(st.st_atime, kOld - 5) << path;
        EXPECT_EQ(st.st_atim.tv_nsec, 111) << path;
    }
    EXPECT_EQ(undo.records[1].status, RenameStatus::Renamed) << "an unchanged name counts as renamed";
}

TEST_F(UnificationTest, TimeOnStampsFilesButNotFolders)
{
    const auto a = FileWith("a", nullptr, false);
    const auto folder = dir.mkdir("folder");
    platform::SetFileTimes(folder, kOld);
    auto settings = NamesSettings({"b"});
    settings.IsFileTimeChange = 1;
    settings.FileTime = kUnified;
    ASSERT_TRUE(RunRows(EntriesFor({a}), settings, undo, log, host));
    EXPECT_EQ(StatOf(dir.file("b")).st_mtime, kUnified);

    settings.InputLines = {"renamed"};
    RunFolderRows(EntriesFor({folder}), settings, undo, log, host);
    EXPECT_EQ(StatOf(dir.file("renamed")).st_mtime, kOld);
    EXPECT_EQ(undo.kind, RunKind::Folders);
}

TEST_F(UnificationTest, AttributeSettingsLeaveSetAndClearEachBit)
{
    // Stored: hidden+system+archive, read-only by permissions.
    const auto keep = FileWith("keep", "0x26", true);
    const auto clear = FileWith("clear", "0x26", true);
    const auto set = FileWith("set", nullptr, false);
    auto settings = NamesSettings({"keep2"});
    settings.IsFileAttribChange = 1;

    settings.AtrReadOnly = settings.AtrHidden = settings.AtrSystem = settings.AtrArchive =
        AttributeChange::Keep;
    ASSERT_TRUE(RunRows(EntriesFor({keep}), settings, undo, log, host));
    EXPECT_EQ(AttributesOf(dir.file("keep2")), 0x27u);

    settings.InputLines = {"clear2"};
    settings.AtrReadOnly = settings.AtrHidden = settings.AtrSystem = settings.AtrArchive =
        AttributeChange::Clear;
    ASSERT_TRUE(RunRows(EntriesFor({clear}), settings, undo, log, host));
    EXPECT_EQ(AttributesOf(dir.file("clear2")), 0u);
    EXPECT_NE(StatOf(dir.file("clear2")).st_mode & S_IWUSR, 0u);

    settings.InputLines = {"set2"};
    settings.AtrReadOnly = settings.AtrSystem = AttributeChange::Set;
    settings.AtrHidden = AttributeChange::Clear;
    settings.AtrArchive = AttributeChange::Keep;
    ASSERT_TRUE(RunRows(EntriesFor({set}), settings, undo, log, host));
    EXPECT_EQ(AttributesOf(dir.file("set2")), 0x5u);
    EXPECT_EQ(StatOf(dir.file("set2")).st_mode & 0222, 0u);
}

TEST_F(UnificationTest, AttributesOffKeepTheEntryAttributes)
{
    const auto a = FileWith("a", "0x4", true);
    auto settingsB = NamesSettings({"b"});
    ASSERT_TRUE(RunRows(EntriesFor({a}), settingsB, undo, log, host));
    EXPECT_EQ(AttributesOf(dir.file("b")), 0x5u);
}

// A renamed file keeps the stored flags it carries, so they are not written
// again from the listing; a dot name, a copy and unification still get exactly
// the attributes of the entry or the settings.
TEST_F(UnificationTest, StoredFlagsAfterTheListing)
{
    // Flags changed after the listing are left as they are when nothing is to be unified.
    const auto a = FileWith("a", "0x4", false);
    const auto entries = EntriesFor({a});
    setxattr(a.c_str(), platform::kStoredAttributesName, "0x20", 4, 0);
    auto settings = NamesSettings({"b"});
    ASSERT_TRUE(RunRows(entries, settings, undo, log, host));
    EXPECT_EQ(AttributesOf(dir.file("b")), platform::kAttrArchive);

    // With unification the unified value holds whatever happened since.
    const auto c = FileWith("c", nullptr, false);
    const auto unified = EntriesFor({c});
    setxattr(c.c_str(), platform::kStoredAttributesName, "0x4", 3, 0);
    settings.InputLines = {"d"};
    settings.IsFileAttribChange = 1;
    settings.AtrReadOnly = settings.AtrHidden = settings.AtrSystem = settings.AtrArchive =
        AttributeChange::Keep;
    ASSERT_TRUE(RunRows(unified, settings, undo, log, host));
    EXPECT_EQ(AttributesOf(dir.file("d")), 0u);

    // A dot file given a plain name is hidden no longer: the hidden state that
    // came from the dot is not stored, neither without unification nor with
    // the hidden setting left unchanged. Asked for, it is stored.
    const auto dot = FileWith(".e", nullptr, false), dot2 = FileWith(".f", nullptr, false);
    const auto dot3 = FileWith(".g", nullptr, false);
    settings = NamesSettings({"e"});
    ASSERT_TRUE(RunRows(EntriesFor({dot}), settings, undo, log, host));
    EXPECT_EQ(AttributesOf(dir.file("e")), 0u);
    settings = NamesSettings({"f"});
    settings.IsFileAttribChange = 1;
    settings.AtrReadOnly = settings.AtrHidden = settings.AtrSystem = settings.AtrArchive =
        AttributeChange::Keep;
    ASSERT_TRUE(RunRows(EntriesFor({dot2}), settings, undo, log, host));
    EXPECT_EQ(AttributesOf(dir.file("f")), 0u);
    settings.InputLines = {"g"};
    settings.AtrHidden = AttributeChange::Set;
    ASSERT_TRUE(RunRows(EntriesFor({dot3}), settings, undo, log, host));
    EXPECT_EQ(AttributesOf(dir.file("g")), platform::kAttrHidden);
}

TEST_F(UnificationTest, CopyOverATakenNameGetsTheSourceFlags)
{
    const auto out = dir.mkdir("out");
    dir.write("out/b", "old");
    const auto a = FileWith("a", "0x24", false);
    auto settings = NamesSettings({"b"});
    settings.FileCopyMode = OutputKind::Copy;
    settings.FileCopyDirectory = out;
    host.overwrites = {OverwriteAnswer::Yes};
    ASSERT_TRUE(RunRows(EntriesFor({a}), settings, undo, log, host));
    EXPECT_EQ(undo.records[0].status, RenameStatus::Replaced);
    EXPECT_EQ(ReadFile(out + "/b"), "a");
    EXPECT_EQ(AttributesOf(out + "/b"), platform::kAttrSystem | platform::kAttrArchive);
}

TEST_F(UnificationTest, FolderSwapWithAttributes)
{
    const auto x = dir.mkdir("x"), y = dir.mkdir("y");
    dir.write("x/inside", "X");
    auto settings = NamesSettings({"y", "x"});
    settings.IsFileAttribChange = 1;
    settings.AtrReadOnly = AttributeChange::Keep;
    settings.AtrHidden = AttributeChange::Clear;
    settings.AtrSystem = AttributeChange::Set;
    settings.AtrArchive = AttributeChange::Clear;
    settings.ObjMode = ObjectKind::Folders;
    RunFolderRows(EntriesFor({x, y}), settings, undo, log, host);
    EXPECT_EQ(ReadFile(dir.file("y/inside")), "X");
    EXPECT_TRUE(Exists(x));
    EXPECT_EQ(AttributesOf(y), platform::kAttrDirectory | platform::kAttrSystem);
    ASSERT_EQ(log.rows().size(), 2u);
    EXPECT_EQ(log.rows()[0].code, 1);
    EXPECT_EQ(log.rows()[1].code, 1);
    EXPECT_TRUE(undo.records[0].usesTemp);
}

TEST_F(UnificationTest, FolderOntoAnExistingFolderIsAskedAndRefusalLogged)
{
    const auto x = dir.mkdir("x");
    dir.mkdir("outside");
    dir.write("outside/file", "O");
    auto settings = NamesSettings({"outside"});
    host.overwrites = {OverwriteAnswer::Yes};
    RunFolderRows(EntriesFor({x}), settings, undo, log, host);
    // A folder with contents is never replaced.
    EXPECT_EQ(ReadFile(dir.file("outside/file")), "O");
    EXPECT_TRUE(Exists(x));
    ASSERT_EQ(log.rows().size(), 1u);
    EXPECT_EQ(log.rows()[0].code, 0);

    host.overwrites = {OverwriteAnswer::No};
    RunFolderRows(EntriesFor({x}), settings, undo, log, host);
    EXPECT_TRUE(Exists(x));
    EXPECT_EQ(log.rows().size(), 2u);
    EXPECT_EQ(log.rows()[1].code, 0);
}

} // namespace
