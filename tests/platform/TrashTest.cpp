#include "platform/Trash.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include <sys/stat.h>
#include <unistd.h>

using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

std::string Resolved(const std::string &folder)
{
    return std::filesystem::canonical(folder).string();
}

// The value of a line "key=value" of an info file, percent-decoded.
std::string InfoValue(const std::string &info, const std::string &key)
{
    const std::string text = ReadFile(info);
    const std::size_t start = text.find("\n" + key + "=");
    if (start == std::string::npos)
        return "(missing)";
    const std::size_t begin = start + key.size() + 2;
    const std::string value = text.substr(begin, text.find('\n', begin) - begin);
    std::string bytes;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size()) {
            bytes += static_cast<char>(std::stoi(value.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

class TrashTest : public ::testing::Test {
protected:
    std::string Trashed(const std::string &name) const { return user.dataHome() + "/Trash/files/" + name; }
    std::string Info(const std::string &name) const
    {
        return user.dataHome() + "/Trash/info/" + name + ".trashinfo";
    }

    testing_support::IsolatedUserDirs user;
    TempDir dir;
};

TEST_F(TrashTest, MovesIntoTheUsersTrashEvenWithoutADataFolder)
{
    unsetenv("XDG_DATA_HOME"); // HOME without ~/.local/share
    const auto f = dir.write("doomed", "D");
    ASSERT_EQ(platform::MoveToTrash(f), 0);
    EXPECT_FALSE(Exists(f));
    const std::string trash = user.root() + "/.local/share/Trash";
    EXPECT_EQ(ReadFile(trash + "/files/doomed"), "D");
    for (const std::string &folder : {trash, trash + "/files", trash + "/info"}) {
        struct stat st {};
        ASSERT_EQ(stat(folder.c_str(), &st), 0) << folder;
        EXPECT_EQ(st.st_mode & 0777, 0700u) << folder;
    }
    EXPECT_EQ(platform::MoveToTrash(f), ENOENT);
}

TEST_F(TrashTest, RecordsAnyNameByteForByteWithTheDeletionDate)
{
    const std::string name = "odd\xff %41\nname";
    const auto f = dir.write(name, "B");
    ASSERT_EQ(platform::MoveToTrash(f), 0);
    EXPECT_FALSE(Exists(f));
    EXPECT_EQ(ReadFile(Trashed(name)), "B");
    const std::string text = ReadFile(Info(name));
    EXPECT_TRUE(text.starts_with("[Trash Info]\nPath=/")) << text;
    EXPECT_EQ(InfoValue(Info(name), "Path"), Resolved(dir.path()) + "/" + name);
    EXPECT_TRUE(std::regex_match(InfoValue(Info(name), "DeletionDate"),
                                 std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)")))
        << text;

    // A desktop restores the entry by moving it back to the decoded Path.
    const std::string original = InfoValue(Info(name), "Path");
    ASSERT_EQ(std::rename(Trashed(name).c_str(), original.c_str()), 0);
    EXPECT_EQ(ReadFile(f), "B");
}

TEST_F(TrashTest, ASecondEntryOfTheSameNameGetsTheNextNumber)
{
    TempDir other;
    const auto folder = dir.mkdir("same");
    dir.write("same/inside", "I");
    const auto file = other.write("same", "F");
    ASSERT_EQ(platform::MoveToTrash(folder), 0);
    ASSERT_EQ(platform::MoveToTrash(file), 0);
    EXPECT_EQ(ReadFile(Trashed("same/inside")), "I");
    EXPECT_EQ(ReadFile(Trashed("same.2")), "F");
    EXPECT_EQ(InfoValue(Info("same"), "Path"), Resolved(dir.path()) + "/same");
    EXPECT_EQ(InfoValue(Info("same.2"), "Path"), Resolved(other.path()) + "/same");

    // A name too long for its info file is shortened in the trash only.
    const std::string longName(NAME_MAX, 'n');
    const std::string kept(NAME_MAX - 10, 'n');
    ASSERT_EQ(platform::MoveToTrash(dir.write(longName, "1")), 0);
    ASSERT_EQ(platform::MoveToTrash(other.write(longName, "2")), 0);
    EXPECT_EQ(ReadFile(Trashed(kept)), "1");
    EXPECT_EQ(ReadFile(Trashed(kept.substr(2) + ".2")), "2");
    EXPECT_EQ(InfoValue(Info(kept.substr(2) + ".2"), "Path"), Resolved(other.path()) + "/" + longName);
}

TEST_F(TrashTest, AFailedMoveTakesItsInfoFileBack)
{
    // A folder cannot move into the trash inside it.
    const auto outer = dir.mkdir("outer");
    setenv("XDG_DATA_HOME", (outer + "/data").c_str(), 1);
    EXPECT_EQ(platform::MoveToTrash(outer), EINVAL);
    EXPECT_TRUE(Exists(outer + "/data/Trash"));
    EXPECT_TRUE(std::filesystem::is_empty(outer + "/data/Trash/info"));
    EXPECT_TRUE(std::filesystem::is_empty(outer + "/data/Trash/files"));
}

// Removes what a test made outside its temporary folders.
struct RemovedAtEnd {
    std::vector<std::string> paths;
    ~RemovedAtEnd()
    {
        std::error_code ec;
        for (const std::string &path : paths)
            std::filesystem::remove_all(path, ec);
    }
};

TEST_F(TrashTest, AnEntryOnAnotherFileSystemGoesToTheTrashOfItsMountsTopFolder)
{
    const std::string top = "/dev/shm";
    struct stat home {
    }, shm{}, above{};
    if (stat(user.root().c_str(), &home) != 0 || stat(top.c_str(), &shm) != 0 || stat("/dev", &above) != 0 ||
        shm.st_dev == home.st_dev || shm.st_dev == above.st_dev || access(top.c_str(), W_OK) != 0)
        GTEST_SKIP() << top << " is not a writable mount of another file system than the home trash";
    TempDir other(top);
    const std::string trash = top + "/.Trash-" + std::to_string(getuid());
    const std::string name = other.path().substr(top.size() + 1) + "-far\xfe";
    const auto f = other.write(name, "F");
    RemovedAtEnd made{{trash + "/files/" + name, trash + "/info/" + name + ".trashinfo"}};
    if (!Exists(trash)) {
        made.paths.push_back(trash);
        // A link in its place could lead anywhere: refused, and the file stays.
        ASSERT_EQ(symlink(other.mkdir("elsewhere").c_str(), trash.c_str()), 0);
        EXPECT_EQ(platform::MoveToTrash(f), EXDEV);
        EXPECT_EQ(ReadFile(f), "F");
        unlink(trash.c_str());
    }
    ASSERT_EQ(platform::MoveToTrash(f), 0);
    EXPECT_EQ(ReadFile(trash + "/files/" + name), "F");
    EXPECT_EQ(InfoValue(trash + "/info/" + name + ".trashinfo", "Path"),
              other.path().substr(top.size() + 1) + "/" + name);
    EXPECT_FALSE(Exists(Trashed(name)));
}

} // namespace
