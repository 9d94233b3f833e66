#include "platform/FolderFiles.h"

#include "platform/Paths.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

using platform::CollectFolderFiles;
using testing_support::AsUnprivilegedUser;
using testing_support::TempDir;
using Names = std::vector<std::string>;

namespace {

// The found files as paths below `root`.
Names Relative(const std::vector<platform::DirEntryInfo> &found, const std::string &root)
{
    Names names;
    for (const platform::DirEntryInfo &info : found)
        names.push_back(platform::JoinPath(info.directory, info.name).substr(root.size() + 1));
    return names;
}

} // namespace

TEST(FolderFiles, PatternsInOrderThenEverySubFolderInNameOrder)
{
    TempDir dir;
    dir.write("b.jpg");
    dir.write("a.jpg");
    dir.write("c.png");
    dir.write("d.txt");
    dir.mkdir("2024/deep");
    dir.mkdir("1999");
    dir.write("2024/x.jpg");
    dir.write("2024/deep/y.png");
    dir.write("1999/z.jpg");
    const std::string root = dir.path();

    EXPECT_EQ(Relative(CollectFolderFiles(root, {}, false), root),
              (Names{"a.jpg", "b.jpg", "c.png", "d.txt"}));
    // Sub-folders are entered whatever their names; "*.jpg" alone would match none of them.
    EXPECT_EQ(Relative(CollectFolderFiles(root, {"*.png", "*.jpg"}, true), root),
              (Names{"c.png", "a.jpg", "b.jpg", "1999/z.jpg", "2024/x.jpg", "2024/deep/y.png"}));
    // A file that two patterns match comes once, where the first one put it.
    EXPECT_EQ(Relative(CollectFolderFiles(root, {"a.*", "*.jpg"}, false), root), (Names{"a.jpg", "b.jpg"}));
}

TEST(FolderFiles, FollowsLinkedFoldersButEntersNoFolderTwice)
{
    TempDir dir;
    dir.write("top.txt");
    dir.mkdir("sub");
    dir.write("sub/in.txt");
    ASSERT_EQ(symlink(dir.path().c_str(), dir.file("sub/loop").c_str()), 0);
    TempDir elsewhere;
    elsewhere.write("far.txt");
    ASSERT_EQ(symlink(elsewhere.path().c_str(), dir.file("link").c_str()), 0);

    EXPECT_EQ(Relative(CollectFolderFiles(dir.path(), {}, true), dir.path()),
              (Names{"top.txt", "link/far.txt", "sub/in.txt"}));
}

TEST(FolderFiles, UnreadableFoldersGiveNothingAndTheWalkGoesOn)
{
    TempDir dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    dir.mkdir("a/locked");
    dir.mkdir("b");
    dir.write("a/locked/hidden.txt");
    dir.write("a/seen.txt");
    dir.write("b/seen.txt");
    ASSERT_EQ(chmod(dir.file("a/locked").c_str(), 0), 0);
    const std::string root = dir.path();
    EXPECT_TRUE(AsUnprivilegedUser([&] {
        return Relative(CollectFolderFiles(root, {}, true), root) == Names{"a/seen.txt", "b/seen.txt"};
    }));
}

TEST(FolderFiles, StopsWhenAskedAndReportsEachFolder)
{
    TempDir dir;
    for (const char *folder : {"a", "b", "c"})
        dir.mkdir(folder);
    dir.write("a/1.txt");
    dir.write("b/2.txt");
    dir.write("c/3.txt");
    std::atomic<bool> stop = false;
    std::vector<std::pair<std::size_t, std::string>> reports;
    const auto found =
        CollectFolderFiles(dir.path(), {}, true, &stop, [&](std::size_t count, const std::string &folder) {
            reports.emplace_back(count, folder);
            if (folder == dir.file("b"))
                stop = true;
        });
    EXPECT_EQ(Relative(found, dir.path()), Names{"a/1.txt"});
    EXPECT_EQ(reports, (std::vector<std::pair<std::size_t, std::string>>{
                           {0, dir.path()}, {0, dir.file("a")}, {1, dir.file("b")}}));
}
