#include "exec/CopyMove.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using exec::ConflictAnswer;
using exec::TransferKind;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

// Writes a file below dir, making its folders first.
std::string Put(const TempDir &dir, const std::string &name, const std::string &content)
{
    std::filesystem::create_directories(std::filesystem::path(dir.file(name)).parent_path());
    return dir.write(name, content);
}

void SetTimes(const std::string &path, long seconds, long nanoseconds)
{
    const struct timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

struct timespec ModifiedAt(const std::string &path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mtim;
}

bool HasPartialCopy(const std::string &folder)
{
    for (const auto &item : std::filesystem::recursive_directory_iterator(folder))
        if (item.path().filename().native().starts_with(".kestrel-copy-"))
            return true;
    return false;
}

exec::TransferCallbacks Answering(std::vector<ConflictAnswer> answers,
                                  std::vector<std::string> *asked = nullptr)
{
    auto queue = std::make_shared<std::vector<ConflictAnswer>>(std::move(answers));
    return {[queue, asked](const std::string &target) {
                if (asked)
                    asked->push_back(target);
                const ConflictAnswer answer = queue->front();
                queue->erase(queue->begin());
                return answer;
            },
            {}};
}

} // namespace

TEST(CopyMoveTest, CopiesFilesAndFolderTreesKeepingTimes)
{
    TempDir dir;
    const std::string file = Put(dir, "src/a.txt", "alpha");
    Put(dir, "src/tree/sub/b.txt", "beta");
    SetTimes(file, 1'000'000'000, 123'456'789);
    SetTimes(dir.file("src/tree/sub"), 1'100'000'000, 5);
    const std::string target = dir.mkdir("dst");
    std::vector<std::pair<int, int>> progress;
    exec::TransferCallbacks callbacks;
    callbacks.onProgress = [&](int done, int total) { progress.emplace_back(done, total); };

    const auto result =
        exec::TransferEntries({file, dir.file("src/tree")}, target, TransferKind::Copy, callbacks);

    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(ReadFile(target + "/a.txt"), "alpha");
    EXPECT_EQ(ReadFile(target + "/tree/sub/b.txt"), "beta");
    EXPECT_EQ(ModifiedAt(target + "/a.txt").tv_nsec, 123'456'789);
    EXPECT_EQ(ModifiedAt(target + "/tree/sub").tv_sec, 1'100'000'000);
    EXPECT_TRUE(Exists(file));
    EXPECT_TRUE(Exists(dir.file("src/tree/sub/b.txt")));
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
}

TEST(CopyMoveTest, MovesFilesAndFoldersOnOneFileSystem)
{
    TempDir dir;
    const std::string file = Put(dir, "src/a.txt", "alpha");
    Put(dir, "src/tree/b.txt", "beta");
    const std::string target = dir.mkdir("dst");

    const auto result = exec::TransferEntries({file, dir.file("src/tree")}, target, TransferKind::Move, {});

    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(ReadFile(target + "/a.txt"), "alpha");
    EXPECT_EQ(ReadFile(target + "/tree/b.txt"), "beta");
    EXPECT_FALSE(Exists(file));
    EXPECT_FALSE(Exists(dir.file("src/tree")));
}

TEST(CopyMoveTest, ConflictsAreSkippedReplacedOrStopTheRest)
{
    TempDir dir;
    const std::string a = Put(dir, "src/a.txt", "new a");
    const std::string b = Put(dir, "src/b.txt", "new b");
    const std::string c = Put(dir, "src/c.txt", "new c");
    const std::string target = dir.mkdir("dst");
    Put(dir, "dst/a.txt", "old a");
    Put(dir, "dst/b.txt", "old b");
    Put(dir, "dst/c.txt", "old c");
    std::vector<std::string> asked;

    const auto result = exec::TransferEntries(
        {a, b, c}, target, TransferKind::Move,
        Answering({ConflictAnswer::Skip, ConflictAnswer::Replace, ConflictAnswer::CancelRest}, &asked));

    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(asked, (std::vector<std::string>{target + "/a.txt", target + "/b.txt", target + "/c.txt"}));
    EXPECT_EQ(ReadFile(target + "/a.txt"), "old a"); // skipped: both kept
    EXPECT_EQ(ReadFile(a), "new a");
    EXPECT_EQ(ReadFile(target + "/b.txt"), "new b"); // replaced
    EXPECT_FALSE(Exists(b));
    EXPECT_EQ(ReadFile(target + "/c.txt"), "old c"); // cancelled
    EXPECT_EQ(ReadFile(c), "new c");
}

TEST(CopyMoveTest, AFailureHalfWayKeepsTheSourcesAndLeavesNoPartialFile)
{
    TempDir dir;
    Put(dir, "src/tree/a.txt", "alpha");
    Put(dir, "src/tree/sub/b.txt", "beta");
    const std::string target = dir.mkdir("dst");
    Put(dir, "dst/tree/sub", "a file where a folder should go");

    const auto result = exec::TransferEntries({dir.file("src/tree")}, target, TransferKind::Move,
                                              Answering({ConflictAnswer::Replace}));

    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].path, dir.file("src/tree/sub"));
    EXPECT_EQ(result.failures[0].error, ENOTDIR);
    EXPECT_EQ(ReadFile(target + "/tree/a.txt"), "alpha");
    EXPECT_EQ(ReadFile(dir.file("src/tree/sub/b.txt")), "beta");
    EXPECT_FALSE(HasPartialCopy(target));
}

TEST(CopyMoveTest, ACopyIntoAReadOnlyFolderFailsCleanly)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempDir dir;
    const std::string file = Put(dir, "src/a.txt", "alpha");
    const std::string target = dir.mkdir("dst");
    ::chmod(target.c_str(), 0500);

    const auto result = exec::TransferEntries({file}, target, TransferKind::Copy, {});

    ::chmod(target.c_str(), 0700);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].error, EACCES);
    EXPECT_EQ(ReadFile(file), "alpha");
    EXPECT_TRUE(std::filesystem::is_empty(target));
}

TEST(CopyMoveTest, RefusesToCopyAFolderIntoItself)
{
    TempDir dir;
    const std::string tree = dir.mkdir("tree");
    Put(dir, "tree/a.txt", "alpha");

    const auto result = exec::TransferEntries({tree}, dir.mkdir("tree/inner"), TransferKind::Copy, {});

    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].error, EINVAL);
}
