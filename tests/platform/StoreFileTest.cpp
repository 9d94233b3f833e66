#include "platform/RegistryStore.h"

#include "platform/StoreFile.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

using testing_support::IsolatedUserDirs;
using testing_support::ReadFile;

namespace {

namespace fs = std::filesystem;

std::string Write(const std::string &path, const std::string &content)
{
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

int WriteError()
{
    CRegistryStore store;
    store.Open("Rename");
    store.WriteDword("NumberWidth", 3);
    return store.Close() ? 0 : store.WriteError();
}

// What Open found and what a read gave.
int ReadError()
{
    CRegistryStore store;
    store.Open("Rename");
    return store.ReadDword("NumberWidth", 7) == 7 ? store.ReadError() : -1;
}

} // namespace

// Each is read as an empty store without blocking, and a write is refused with
// the same reason and leaves it as it was.
TEST(StoreFileTest, StoresThatCannotBeReadAreNeverWrittenOver)
{
    struct Case {
        const char *what;
        std::function<void(const fs::path &, const fs::path &elsewhere)> make;
        int code;
        fs::file_type type;
    };
    const Case cases[] = {
        {"folder", [](const fs::path &p, const fs::path &) { fs::create_directory(p); }, EISDIR,
         fs::file_type::directory},
        {"named pipe", [](const fs::path &p, const fs::path &) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); },
         platform::kStoreNotRegularFile, fs::file_type::fifo},
        {"link to a named pipe",
         [](const fs::path &p, const fs::path &elsewhere) {
             ASSERT_EQ(mkfifo(elsewhere.c_str(), 0600), 0);
             fs::create_symlink(elsewhere, p);
         },
         platform::kStoreNotRegularFile, fs::file_type::symlink},
    };
    for (const Case &c : cases) {
        IsolatedUserDirs dirs;
        const fs::path path = CRegistryStore::FilePath();
        const fs::path elsewhere = dirs.root() + "/elsewhere";
        fs::create_directories(path.parent_path());
        c.make(path, elsewhere);
        EXPECT_EQ(ReadError(), c.code) << c.what;
        EXPECT_EQ(WriteError(), c.code) << c.what;
        EXPECT_EQ(fs::symlink_status(path).type(), c.type) << c.what;
        if (c.type == fs::file_type::symlink) {
            EXPECT_TRUE(fs::is_fifo(elsewhere)) << c.what;
        }
    }

    // A file that the user may not read; permissions mean nothing to root.
    IsolatedUserDirs dirs;
    const std::string path = CRegistryStore::FilePath();
    const std::string content = "[Rename]\nNumberWidth=5\n";
    fs::create_directories(fs::path(path).parent_path());
    Write(path, content);
    ASSERT_EQ(chmod(dirs.root().c_str(), 0755), 0);
    ASSERT_EQ(chmod(dirs.configHome().c_str(), 0755), 0);
    ASSERT_EQ(chmod(fs::path(path).parent_path().c_str(), 0777), 0);
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_TRUE(
        testing_support::AsUnprivilegedUser([] { return ReadError() == EACCES && WriteError() == EACCES; }));
    EXPECT_EQ(ReadFile(path), content);
}

// A store kept elsewhere through a symbolic link (a folder of dotfiles) stays
// linked: the file the link leads to is replaced, not the link.
TEST(StoreFileTest, WritesThroughALinkReplaceTheFileItLeadsTo)
{
    IsolatedUserDirs dirs;
    const fs::path path = CRegistryStore::FilePath();
    fs::create_directories(path.parent_path());
    const std::string target = Write(dirs.root() + "/dotfiles.ini", "[Rename]\nNumberWidth=5\n");
    fs::create_symlink(target, path);
    EXPECT_EQ(CRegistryStore::ReadKeyDword("Rename", "NumberWidth", 0), 5);
    ASSERT_EQ(WriteError(), 0);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(ReadFile(target), "[Rename]\nNumberWidth=3\n");
}
