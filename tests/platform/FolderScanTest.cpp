#include "platform/FolderScan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

using testing_support::TempDir;

namespace {

std::vector<std::string> SubFolders(const std::string &folder, int *error = nullptr)
{
    std::vector<std::string> names;
    const int result =
        platform::ListSubFolders(folder, [&](std::string_view name) { names.emplace_back(name); });
    if (error)
        *error = result;
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(FolderScanTest, SubFoldersIncludeHiddenOnesAndLinksToFoldersButNoFiles)
{
    TempDir dir;
    dir.mkdir("plain");
    dir.mkdir(".hidden");
    dir.write("file.txt");
    std::filesystem::create_directory_symlink(dir.file("plain"), dir.file("linked"));
    std::filesystem::create_symlink(dir.file("file.txt"), dir.file("file-link"));
    std::filesystem::create_symlink(dir.file("gone"), dir.file("dangling"));

    EXPECT_EQ(SubFolders(dir.path()), (std::vector<std::string>{".hidden", "linked", "plain"}));
}

TEST(FolderScanTest, ProbeTellsReadabilityAndWhetherAnySubFolderExists)
{
    TempDir dir;
    dir.write("file.txt");
    EXPECT_FALSE(platform::ProbeFolder(dir.path()).hasSubFolders) << "files are no sub-folders";
    dir.mkdir("sub");
    EXPECT_TRUE(platform::ProbeFolder(dir.path()).hasSubFolders);
    EXPECT_EQ(platform::ProbeFolder(dir.path()).error, 0);

    int error = 0;
    EXPECT_TRUE(SubFolders(dir.file("missing"), &error).empty());
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(platform::ProbeFolder(dir.file("missing")).error, ENOENT);
}

TEST(FolderScanTest, ChildPathJoinsWithOneSeparator)
{
    EXPECT_EQ(platform::ChildPath("/", "usr"), "/usr");
    EXPECT_EQ(platform::ChildPath("/usr", "lib"), "/usr/lib");
}
