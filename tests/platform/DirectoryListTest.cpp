#include "platform/DirectoryList.h"

#include "platform/Attributes.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace platform;
using testing_support::AsUnprivilegedUser;
using testing_support::TempDir;

namespace {

std::map<std::string, DirEntryInfo> List(const std::string &dir, std::string_view pattern,
                                         int *error = nullptr)
{
    std::map<std::string, DirEntryInfo> found;
    const int rc = ListDirectory(dir, pattern, [&](const DirEntryInfo &info) {
        EXPECT_FALSE(found.count(info.name)) << "reported twice: " << info.name;
        found[info.name] = info;
    });
    if (error)
        *error = rc;
    else
        EXPECT_EQ(rc, 0);
    return found;
}

void SetModificationTime(const std::string &path, TimeValue t)
{
    const timespec times[2] = {{t, 0}, {t, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

} // namespace

TEST(DirectoryListTest, ReportsEveryEntryWithItsFacts)
{
    TempDir dir;
    dir.write("empty.txt");
    SetModificationTime(dir.write("data.bin", std::string(1025, 'x')), 978944700);
    dir.write(".hidden", "h");
    ASSERT_EQ(chmod(dir.write("ro.txt").c_str(), 0444), 0);
    dir.mkdir("folder");
    SetModificationTime(dir.file("folder"), 1000000000);
    const std::string odd = "bad\xff\xfe name.txt";
    dir.write(odd);

    const auto found = List(dir.path() + "/", ""); // a trailing "/" is dropped
    ASSERT_EQ(found.size(), 6u);
    EXPECT_FALSE(found.count(".") || found.count(".."));

    const DirEntryInfo &data = found.at("data.bin");
    EXPECT_EQ(data.directory, dir.path());
    EXPECT_FALSE(data.isDirectory);
    EXPECT_EQ(data.size, 1025u);
    EXPECT_EQ(data.lastWriteTime, 978944700);
    EXPECT_EQ(data.attributes, 0u);

    EXPECT_EQ(found.at("empty.txt").size, 0u);
    EXPECT_EQ(found.at(".hidden").attributes, kAttrHidden);
    EXPECT_EQ(found.at("ro.txt").attributes, kAttrReadOnly);
    EXPECT_EQ(found.at(odd).name, odd);

    const DirEntryInfo &folder = found.at("folder");
    EXPECT_TRUE(folder.isDirectory);
    EXPECT_EQ(folder.size, 0u);
    EXPECT_EQ(folder.lastWriteTime, 1000000000);
    EXPECT_EQ(folder.attributes, kAttrDirectory);
}

TEST(DirectoryListTest, PatternSelectsNamesWithoutRegardToCase)
{
    TempDir dir;
    dir.write("a.txt");
    dir.write("B.TXT");
    dir.write("README");
    dir.mkdir("d.txt");
    const auto found = List(dir.path(), "*.txt");
    EXPECT_EQ(found.size(), 3u);
    EXPECT_FALSE(found.count("README"));
    EXPECT_EQ(List(dir.path(), "*.*").size(), 4u);
}

TEST(DirectoryListTest, SymbolicLinksShowTheirTargetOrThemselvesWhenDangling)
{
    TempDir dir;
    dir.mkdir("real");
    dir.write("file", "12345");
    ASSERT_EQ(symlink("real", dir.file("to-dir").c_str()), 0);
    ASSERT_EQ(symlink("file", dir.file("to-file").c_str()), 0);
    ASSERT_EQ(symlink("gone", dir.file("dangling").c_str()), 0);

    const auto found = List(dir.path(), "");
    EXPECT_TRUE(found.at("to-dir").isDirectory);
    EXPECT_EQ(found.at("to-dir").attributes, kAttrDirectory);
    EXPECT_EQ(found.at("to-file").size, 5u);
    EXPECT_FALSE(found.at("dangling").isDirectory);
    EXPECT_EQ(found.at("dangling").attributes, 0u);
}

TEST(DirectoryListTest, ReaderCanStopTheListing)
{
    TempDir dir;
    for (const char *name : {"a", "b", "c"})
        dir.write(name);
    int visits = 0;
    EXPECT_EQ(ListDirectoryWhile(dir.path(), "", [&](const DirEntryInfo &) { return ++visits < 2; }),
              ECANCELED);
    EXPECT_EQ(visits, 2);
}

TEST(DirectoryListTest, FailuresReturnErrnoAndRootIsListed)
{
    TempDir dir;
    int error = 0;
    EXPECT_TRUE(List(dir.file("missing"), "", &error).empty());
    EXPECT_EQ(error, ENOENT);
    EXPECT_TRUE(List(dir.write("file"), "", &error).empty());
    EXPECT_EQ(error, ENOTDIR);
    // The root is held as "" and listed as "/".
    EXPECT_FALSE(List("", "*").empty());
    EXPECT_EQ(List("", "*").begin()->second.directory, "");
}

TEST(DirectoryListTest, PermissionProblems)
{
    TempDir dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    const std::string locked = dir.mkdir("locked");
    dir.write("locked/inside");
    ASSERT_EQ(chmod(locked.c_str(), 0), 0);
    const std::string noSearch = dir.mkdir("nosearch");
    dir.write("nosearch/inside.txt", "abc");
    dir.mkdir("nosearch/sub");
    ASSERT_EQ(chmod(noSearch.c_str(), 0444), 0);

    const bool ok = AsUnprivilegedUser([&] {
        // An unreadable directory is an error, not an empty listing.
        bool sawLocked = false;
        if (ListDirectory(locked, "", [&](const DirEntryInfo &) { sawLocked = true; }) != EACCES || sawLocked)
            return false;
        // Without search permission the entries cannot be examined, but they are still listed.
        std::map<std::string, bool> isDir;
        if (ListDirectory(noSearch, "",
                          [&](const DirEntryInfo &info) { isDir[info.name] = info.isDirectory; }) != 0)
            return false;
        return isDir == std::map<std::string, bool>{{"inside.txt", false}, {"sub", true}};
    });
    EXPECT_TRUE(ok);
}

TEST(DirectoryListTest, IdentityAlwaysStoredFlagsOnlyWhenAskedAndNamesAlone)
{
    TempDir dir;
    const std::string file = dir.write("flagged");
    ASSERT_EQ(setxattr(file.c_str(), kStoredAttributesName, "0x4", 3, 0), 0);
    dir.mkdir("sub");
    struct stat st;
    ASSERT_EQ(stat(file.c_str(), &st), 0);

    for (const StoredFlags flags : {StoredFlags::Read, StoredFlags::Skip}) {
        DirEntryInfo seen;
        ASSERT_EQ(ListDirectory(
                      dir.path(), "flagged", [&](const DirEntryInfo &info) { seen = info; }, flags),
                  0);
        EXPECT_EQ(seen.inode, static_cast<std::uint64_t>(st.st_ino));
        EXPECT_EQ(seen.device, static_cast<std::uint64_t>(st.st_dev));
        const std::uint32_t expected = flags == StoredFlags::Read ? kAttrSystem : 0u;
        EXPECT_EQ(seen.storedFlags, expected);
        EXPECT_EQ(seen.attributes & kAttrSystem, expected);
    }

    std::vector<std::string> names;
    EXPECT_EQ(ListNames(dir.path(), [&](std::string_view name) { names.emplace_back(name); }), 0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"flagged", "sub"}));
    EXPECT_EQ(ListNames(dir.file("missing"), [](std::string_view) {}), ENOENT);
}
