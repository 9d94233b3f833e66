#include "platform/FileOps.h"
#include "platform/Attributes.h"
#include "platform/DirectoryList.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

using namespace platform;
using testing_support::TempDir;

namespace {

TEST(FileOpsTest, RefusesWhatCannotBeOneName)
{
    EXPECT_EQ(ClassifyFileName("ok.txt"), FileNameProblem::None);
    EXPECT_EQ(ClassifyFileName(""), FileNameProblem::Empty);
    EXPECT_EQ(ClassifyFileName("."), FileNameProblem::OnlyDots);
    EXPECT_EQ(ClassifyFileName(".."), FileNameProblem::OnlyDots);
    EXPECT_EQ(ClassifyFileName("...."), FileNameProblem::OnlyDots);
    EXPECT_EQ(ClassifyFileName("a/b"), FileNameProblem::Separator);
    EXPECT_EQ(ClassifyFileName(std::string("a\0b", 3)), FileNameProblem::NulByte);
    EXPECT_EQ(ClassifyFileName(std::string(256, 'x')), FileNameProblem::TooLong);
    EXPECT_EQ(ClassifyFileName(std::string(255, 'x')), FileNameProblem::None);
    EXPECT_EQ(ClassifyFileName(".hidden"), FileNameProblem::None);
}

TEST(FileOpsTest, StampWritesOnlyWhatIsGiven)
{
    TempDir dir;
    const auto a = dir.write("a");
    const struct timespec times[2] = {{1'000'000'000, 5}, {1'000'000'000, 7}};
    ASSERT_EQ(utimensat(AT_FDCWD, a.c_str(), times, 0), 0);
    EXPECT_EQ(StampFile(a, {std::nullopt, kAttrReadOnly}), 0);
    struct stat st;
    ASSERT_EQ(stat(a.c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_nsec, 7);
    EXPECT_EQ(st.st_mode & 0222, 0u);
    EXPECT_EQ(StampFile(a, {1'200'000'000, std::nullopt}), 0);
    ASSERT_EQ(stat(a.c_str(), &st), 0);
    EXPECT_EQ(st.st_mtime, 1'200'000'000);
    EXPECT_EQ(st.st_atime, 1'200'000'000);
    EXPECT_EQ(st.st_mode & 0222, 0u);
}

TEST(FileOpsTest, CreatesParentsAndRefusesAFile)
{
    TempDir dir;
    EXPECT_EQ(EnsureDirectory(dir.file("x/y/z")), 0);
    EXPECT_TRUE(IsDirectory(dir.file("x/y/z")));
    EXPECT_EQ(EnsureDirectory(dir.file("x/y/z")), 0);
    dir.write("file");
    EXPECT_EQ(EnsureDirectory(dir.file("file/sub")), ENOTDIR);
    EXPECT_EQ(EnsureDirectory(""), 0);
}

TEST(FileOpsTest, OwnTextsAndSystemTexts)
{
    EXPECT_EQ(ErrorMessage(kErrorTargetExists), "同じ名前のファイルが既に存在します。");
    EXPECT_EQ(ErrorMessage(EINVAL), "ファイル名が正しくありません。");
    EXPECT_FALSE(ErrorMessage(EACCES).empty());
}

} // namespace
