#include "platform/Attributes.h"
#include "platform/DirectoryList.h"
#include "platform/FileOps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace platform;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

TEST(FileTransferTest, MoveWithoutReplaceNeverTouchesAnExistingTargetAndKeepsTimes)
{
    TempDir dir;
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    const struct timespec times[2] = {{1'000'000'000, 123}, {1'100'000'000, 456'789}};
    ASSERT_EQ(utimensat(AT_FDCWD, a.c_str(), times, 0), 0);
    EXPECT_EQ(MoveOrCopy(a, b, false, false), kErrorTargetExists);
    EXPECT_TRUE(Exists(a));
    EXPECT_EQ(ReadFile(b), "B");

    // Replacing is one rename: the old target is gone only because the new one
    // is there. Nothing is written on the file: its times stay to the nanosecond.
    const FileIdentity before = GetFileIdentity(a);
    bool copied = false;
    TransferOptions replace{false, true, {}, [&](const FileVersion &) { return copied = true, 0; }};
    EXPECT_EQ(MoveOrCopy(a, b, replace), 0);
    EXPECT_FALSE(copied) << "a rename keeps the file's identity";
    EXPECT_EQ(GetFileIdentity(b), before);
    struct stat st;
    ASSERT_EQ(stat(b.c_str(), &st), 0);
    EXPECT_EQ(st.st_atim.tv_nsec, 123);
    EXPECT_EQ(st.st_mtim.tv_sec, 1'100'000'000);
    EXPECT_EQ(st.st_mtim.tv_nsec, 456'789);
    EXPECT_EQ(ReadFile(b), "A");
    EXPECT_FALSE(Exists(a));
}

TEST(FileTransferTest, MoveAtGoesRelativeToOpenDirectoriesAndFallsBackForTheSameFile)
{
    TempDir dir;
    const auto sub = dir.mkdir("sub");
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    const int here = OpenDirectoryHandle(dir.path()), there = OpenDirectoryHandle(sub);
    ASSERT_GE(here, 0);
    ASSERT_GE(there, 0);
    const TransferOptions keep, replace{false, true, {}, {}};
    EXPECT_EQ(MoveAt(here, a, here, b, keep), kErrorTargetExists);
    EXPECT_EQ(MoveAt(here, a, there, sub + "/a2", keep), 0);
    EXPECT_EQ(ReadFile(sub + "/a2"), "A");
    EXPECT_EQ(MoveAt(here, b, here, b, keep), 0) << "a file onto its own name is nothing to do";
    EXPECT_EQ(MoveAt(there, sub + "/a2", here, b, replace), 0);
    EXPECT_EQ(ReadFile(b), "A");
    close(here);
    close(there);
}

TEST(FileTransferTest, CopyThroughATemporaryFileKeepsPermissionsFlagsAndTimes)
{
    TempDir dir;
    const auto a = dir.write("a", std::string(100'000, 'q')), b = dir.write("b", "B");
    chmod(a.c_str(), 0640);
    setxattr(a.c_str(), kStoredAttributesName, "0x4", 3, 0);
    const struct timespec times[2] = {{1'000'000'000, 5}, {1'000'000'001, 999}};
    ASSERT_EQ(utimensat(AT_FDCWD, a.c_str(), times, 0), 0);
    EXPECT_EQ(MoveOrCopy(a, b, true, false), kErrorTargetExists);
    EXPECT_EQ(ReadFile(b), "B");
    FileVersion copied;
    TransferOptions copy{true, true, {}, [&](const FileVersion &made) { return copied = made, 0; }};
    EXPECT_EQ(MoveOrCopy(a, b, copy), 0);
    EXPECT_EQ(copied, GetFileVersion(b)) << "the copy was told before it took its name";
    struct stat st;
    ASSERT_EQ(stat(b.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1'000'000'001);
    EXPECT_EQ(st.st_mtim.tv_nsec, 999);
    struct stat source; // its access time moved when it was first read
    ASSERT_EQ(stat(a.c_str(), &source), 0);
    EXPECT_EQ(st.st_atim.tv_sec, source.st_atim.tv_sec);
    EXPECT_EQ(st.st_atim.tv_nsec, source.st_atim.tv_nsec);
    std::uint32_t attributes = 0;
    ASSERT_EQ(ReadAttributes(b, attributes), 0);
    EXPECT_EQ(attributes, kAttrSystem);
    EXPECT_EQ(ReadFile(b), std::string(100'000, 'q'));
    EXPECT_EQ(ReadFile(a).size(), 100'000u);
    // No temporary copy is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
    // A folder is not copied.
    EXPECT_EQ(MoveOrCopy(dir.mkdir("f"), dir.file("g"), true, false), EISDIR);
}

TEST(FileTransferTest, SameFileAndHardLinks)
{
    TempDir dir;
    const auto a = dir.write("a", "A");
    EXPECT_TRUE(IsSameFile(a, a));
    EXPECT_EQ(MoveOrCopy(a, a, false, false), 0);
    ASSERT_EQ(link(a.c_str(), dir.file("link").c_str()), 0);
    // Two visible names of one file are not one name, and a rename of one
    // onto the other, which rename(2) carries out as nothing, is refused.
    EXPECT_FALSE(IsSameFile(a, dir.file("link")));
    EXPECT_EQ(MoveOrCopy(a, dir.file("link"), false, false), kErrorTargetExists);
    EXPECT_EQ(MoveOrCopy(a, dir.file("link"), false, true), kErrorSameFileLink);
    EXPECT_TRUE(Exists(a));
}

TEST(FileTransferTest, MoveAcrossFileSystems)
{
    // /dev/shm is a memory file system, another one than the temporary folder.
    TempDir dir;
    struct stat here, shm;
    if (stat("/dev/shm", &shm) != 0 || stat(dir.path().c_str(), &here) != 0 || shm.st_dev == here.st_dev)
        GTEST_SKIP() << "no second file system";
    std::string other = "/dev/shm/kestrel-fileops-XXXXXX";
    ASSERT_NE(mkdtemp(other.data()), nullptr);
    const auto a = dir.write("a", "A");
    const auto folder = dir.mkdir("folder");
    setxattr(a.c_str(), kStoredAttributesName, "0x20", 4, 0);
    FileVersion copied;
    const int there = OpenDirectoryHandle(other), from = OpenDirectoryHandle(dir.path());
    TransferOptions move{false, false, {}, [&](const FileVersion &made) { return copied = made, 0; }};
    EXPECT_EQ(MoveAt(from, a, there, other + "/a", move), 0);
    EXPECT_EQ(copied, GetFileVersion(other + "/a"));
    // A copy the caller cannot record (its journal is full) never takes its name.
    const auto b = dir.write("b", "B");
    move.onCopied = [](const FileVersion &) { return ENOSPC; };
    EXPECT_EQ(MoveAt(from, b, there, other + "/b", move), ENOSPC);
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(other), {}), 1) << "no copy left behind";
    close(there);
    close(from);
    EXPECT_FALSE(Exists(a));
    EXPECT_EQ(ReadFile(other + "/a"), "A");
    std::uint32_t attributes = 0;
    EXPECT_EQ(ReadAttributes(other + "/a", attributes), 0);
    EXPECT_EQ(attributes, kAttrArchive) << "the stored flags travel with the file";
    EXPECT_EQ(MoveOrCopy(folder, other + "/folder", false, false), EXDEV);
    EXPECT_TRUE(Exists(folder));
    std::filesystem::remove_all(other);
}

} // namespace
