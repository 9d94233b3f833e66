#include "platform/FileOps.h"
#include "platform/Attributes.h"
#include "platform/DirectoryList.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace platform;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

TEST(FileNameCheckTest, RefusesWhatCannotBeOneName)
{
    EXPECT_EQ(CheckFileName("ok.txt"), 0);
    EXPECT_EQ(CheckFileName(""), EINVAL);
    EXPECT_EQ(CheckFileName("."), EINVAL);
    EXPECT_EQ(CheckFileName(".."), EINVAL);
    EXPECT_EQ(CheckFileName("...."), EINVAL);
    EXPECT_EQ(CheckFileName("a/b"), EINVAL);
    EXPECT_EQ(CheckFileName(std::string("a\0b", 3)), EINVAL);
    EXPECT_EQ(CheckFileName(std::string(256, 'x')), ENAMETOOLONG);
    EXPECT_EQ(CheckFileName(".hidden"), 0);

    std::string path = "/d/img001.";
    EXPECT_EQ(PrepareTargetPath(path), 0);
    EXPECT_EQ(path, "/d/img001");
    path = "/d/a...";
    EXPECT_EQ(PrepareTargetPath(path), 0);
    EXPECT_EQ(path, "/d/a");
    path = "/d/...";
    EXPECT_EQ(PrepareTargetPath(path), EINVAL);
    path = "/d/";
    EXPECT_EQ(PrepareTargetPath(path), EINVAL);
}

TEST(TransferFileTest, MoveWithoutReplaceNeverTouchesAnExistingTarget)
{
    TempDir dir;
    const auto a = dir.write("a", "A"), b = dir.write("b", "B");
    EXPECT_EQ(TransferFile(a, b, 1'000'000'000, 0, false, false), kErrorTargetExists);
    EXPECT_EQ(ReadFile(a), "A");
    EXPECT_EQ(ReadFile(b), "B");

    // Replacing is one rename: the old target is gone only because the new one is there.
    FileIdentity placed;
    EXPECT_EQ(TransferFile(a, b, 1'000'000'000, 0, false, true, &placed), 0);
    struct stat st; // before reading, which moves the access time
    ASSERT_EQ(stat(b.c_str(), &st), 0);
    EXPECT_EQ(ReadFile(b), "A");
    EXPECT_FALSE(Exists(a));
    EXPECT_EQ(placed, GetFileIdentity(b));
    EXPECT_EQ(st.st_mtime, 1'000'000'000);
    EXPECT_EQ(st.st_atime, 1'000'000'000);
}

TEST(TransferFileTest, CopyThroughATemporaryFile)
{
    TempDir dir;
    const auto a = dir.write("a", std::string(100'000, 'q')), b = dir.write("b", "B");
    chmod(a.c_str(), 0640);
    EXPECT_EQ(TransferFile(a, b, 5, 0, true, false), kErrorTargetExists);
    EXPECT_EQ(ReadFile(b), "B");
    EXPECT_EQ(TransferFile(a, b, 5, 0, true, true), 0);
    EXPECT_EQ(ReadFile(b), std::string(100'000, 'q'));
    EXPECT_EQ(TransferFile(a, dir.file("c"), 5, kAttrReadOnly, true, false), 0);
    struct stat st;
    ASSERT_EQ(stat(dir.file("c").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0440u);
    EXPECT_EQ(ReadFile(a).size(), 100'000u);
    // No temporary copy is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
    // A folder is not copied.
    EXPECT_EQ(MoveOrCopy(dir.mkdir("f"), dir.file("g"), true, false), EISDIR);
}

TEST(TransferFileTest, SameFileAndHardLinks)
{
    TempDir dir;
    const auto a = dir.write("a", "A");
    EXPECT_TRUE(IsSameFile(a, a));
    EXPECT_EQ(TransferFile(a, a, 7, 0, false, false), 0);
    ASSERT_EQ(link(a.c_str(), dir.file("link").c_str()), 0);
    // Two visible names of one file are not one name.
    EXPECT_FALSE(IsSameFile(a, dir.file("link")));
    EXPECT_TRUE(TargetTaken(a, dir.file("link")));
    EXPECT_EQ(MoveOrCopy(a, dir.file("link"), false, false), kErrorTargetExists);
    EXPECT_FALSE(TargetTaken(a, dir.file("free")));
}

TEST(TransferFileTest, MoveAcrossFileSystems)
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
    EXPECT_EQ(TransferFile(a, other + "/a", 9, 0, false, false), 0);
    EXPECT_FALSE(Exists(a));
    EXPECT_EQ(ReadFile(other + "/a"), "A");
    EXPECT_EQ(MoveOrCopy(folder, other + "/folder", false, false), EXDEV);
    EXPECT_TRUE(Exists(folder));

    // The flags the source was known to carry do not travel with a copy.
    const auto flagged = dir.write("flagged");
    setxattr(flagged.c_str(), kStoredAttributesName, "0x20", 4, 0);
    EXPECT_EQ(TransferFile(flagged, other + "/flagged", 9, kAttrArchive, false, false, nullptr, kAttrArchive),
              0);
    std::uint32_t attributes = 0;
    EXPECT_EQ(ReadAttributes(other + "/flagged", attributes), 0);
    EXPECT_EQ(attributes, kAttrArchive);
    std::filesystem::remove_all(other);
}

TEST(EnsureDirectoryTest, CreatesParentsAndRefusesAFile)
{
    TempDir dir;
    EXPECT_EQ(EnsureDirectory(dir.file("x/y/z")), 0);
    EXPECT_TRUE(IsDirectory(dir.file("x/y/z")));
    EXPECT_EQ(EnsureDirectory(dir.file("x/y/z")), 0);
    dir.write("file");
    EXPECT_EQ(EnsureDirectory(dir.file("file/sub")), ENOTDIR);
    EXPECT_EQ(EnsureDirectory(""), 0);
}

TEST(ErrorMessageTest, OwnTextsAndSystemTexts)
{
    EXPECT_EQ(ErrorMessage(kErrorTargetExists), "同じ名前のファイルが既に存在します。");
    EXPECT_EQ(ErrorMessage(EINVAL), "ファイル名が正しくありません。");
    EXPECT_FALSE(ErrorMessage(EACCES).empty());
}

} // namespace
