#include "platform/FolderFiles.h"

#include "platform/Paths.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

using platform::CollectFolderFiles;
using testing_support::AsUnprivilegedUser;
using testing_support::TempDir;
using Names = std::vector<std::string>;

namespace {

// Empty files below the directory, their folders made as needed.
void MakeFiles(const TempDir &dir, const Names &files)
{
    for (const std::string &file : files) {
        std::filesystem::create_directories(platform::SplitPath(dir.file(file)).directory);
        dir.write(file);
    }
}

// What the walk of `root` finds, as paths below it.
Names Walk(const std::string &root, const Names &patterns, const std::atomic<bool> *stop = nullptr,
           const platform::FolderWalkProgress &progress = {})
{
    Names names;
    for (const platform::DirEntryInfo &info : CollectFolderFiles(root, patterns, true, stop, progress))
        names.push_back(platform::JoinPath(info.directory, info.name).substr(root.size() + 1));
    return names;
}

} // namespace

TEST(FolderFilesTest, PatternsInOrderThenEverySubFolderInNameOrder)
{
    TempDir dir;
    MakeFiles(dir, {"b.jpg", "a.jpg", "c.png", "d.txt", "2024/x.jpg", "2024/deep/y.png", "1999/z.jpg"});
    Names top;
    for (const auto &info : CollectFolderFiles(dir.path(), {}, false))
        top.push_back(info.name);
    EXPECT_EQ(top, (Names{"a.jpg", "b.jpg", "c.png", "d.txt"}));
    // Sub-folders are entered whatever their names; "*.jpg" matches none of them.
    EXPECT_EQ(Walk(dir.path(), {"*.png", "*.jpg"}),
              (Names{"c.png", "a.jpg", "b.jpg", "1999/z.jpg", "2024/x.jpg", "2024/deep/y.png"}));
    // A file that two patterns match comes once, where the first one put it.
    EXPECT_EQ(Walk(dir.file("2024"), {"*.jpg", "x.*", "*"}), (Names{"x.jpg", "deep/y.png"}));
}

TEST(FolderFilesTest, FollowsLinkedFoldersButEntersNoFolderTwice)
{
    TempDir dir, elsewhere;
    MakeFiles(dir, {"top.txt", "sub/in.txt"});
    MakeFiles(elsewhere, {"far.txt"});
    ASSERT_EQ(symlink(dir.path().c_str(), dir.file("sub/loop").c_str()), 0);
    ASSERT_EQ(symlink(elsewhere.path().c_str(), dir.file("link").c_str()), 0);
    EXPECT_EQ(Walk(dir.path(), {}), (Names{"top.txt", "link/far.txt", "sub/in.txt"}));
}

TEST(FolderFilesTest, UnreadableFoldersGiveNothingAndTheWalkGoesOn)
{
    TempDir dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    MakeFiles(dir, {"a/locked/hidden.txt", "a/seen.txt", "b/seen.txt"});
    ASSERT_EQ(chmod(dir.file("a/locked").c_str(), 0), 0);
    EXPECT_TRUE(AsUnprivilegedUser([&] {
        return Walk(dir.path(), {}) == Names{"a/seen.txt", "b/seen.txt"};
    }));
}

TEST(FolderFilesTest, StopsWhenAskedAndReportsEachFolder)
{
    TempDir dir;
    MakeFiles(dir, {"a/1.txt", "b/2.txt", "c/3.txt"});
    std::atomic<bool> stop = false;
    std::vector<std::pair<std::size_t, std::string>> reports;
    const Names found = Walk(dir.path(), {}, &stop, [&](std::size_t count, const std::string &folder) {
        reports.emplace_back(count, folder);
        stop = folder == dir.file("b");
    });
    EXPECT_EQ(found, Names{"a/1.txt"});
    EXPECT_EQ(reports, (std::vector<std::pair<std::size_t, std::string>>{
                           {0, dir.path()}, {0, dir.file("a")}, {1, dir.file("b")}}));
}
