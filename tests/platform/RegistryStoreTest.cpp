#include "platform/RegistryStore.h"

#include "platform/StoreFile.h"
#include "platform/StoreFileFormat.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using testing_support::Exists;
using testing_support::IsolatedUserDirs;
using testing_support::ReadFile;

namespace {

// Runs body in a child process and returns its exit code (0 when body returned
// true). A child has its own copy of the toolkit's settings cache, so values
// that a child writes reach the parent only through the file.
template <class Body> pid_t StartChild(Body body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body() ? 0 : 1);
    return pid;
}

int WaitChild(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

template <class Body> int RunInChild(Body body)
{
    return WaitChild(StartChild(body));
}

std::vector<unsigned char> Bytes(const std::string &s)
{
    return {s.begin(), s.end()};
}

void WriteStoreFile(const std::string &content)
{
    const std::string path = CRegistryStore::FilePath();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

} // namespace

TEST(RegistryStoreTest, FileFollowsConfigHome)
{
    IsolatedUserDirs dirs;
    EXPECT_EQ(CRegistryStore::FilePath(), dirs.configHome() + "/Velmora/Kestrel.ini");
}

TEST(RegistryStoreTest, ReadsGiveTheDefaultAndWriteNothing)
{
    IsolatedUserDirs dirs;
    {
        CRegistryStore store;
        EXPECT_FALSE(store.Open("Environment"));
        EXPECT_EQ(store.ReadDword("SelDirMode", 1), 1);
        EXPECT_EQ(store.ReadString("DefDirectory", "/home"), "/home");
        EXPECT_EQ(store.ReadBinary("Blob", Bytes("ab"), 4), Bytes("ab"));
        EXPECT_TRUE(store.Close());
        EXPECT_EQ(store.ReadError(), 0); // a store that is not there is simply empty
    }
    EXPECT_FALSE(Exists(CRegistryStore::FilePath()));

    const std::string content = "; hand-written\n[environment]\nSelDirMode=2\nWord=abc\n";
    WriteStoreFile(content);
    CRegistryStore store;
    EXPECT_TRUE(store.Open("Environment"));
    EXPECT_EQ(store.ReadDword("SelDirMode", 7), 2);
    EXPECT_EQ(store.ReadDword("Word", 5), 5);
    EXPECT_EQ(store.ReadString("DefDirectory", "x"), "x");
    EXPECT_TRUE(store.Close());
    EXPECT_EQ(ReadFile(CRegistryStore::FilePath()), content);
}

TEST(RegistryStoreTest, DirectReadsNeverWrite)
{
    IsolatedUserDirs dirs;
    CRegistryStore store;
    store.Open("History");
    EXPECT_FALSE(store.QueryDword("IsAddSub"));
    EXPECT_FALSE(store.QueryString("Name"));
    EXPECT_FALSE(store.QueryBinary("FreeFilter", 100));
    store.Close();
    EXPECT_FALSE(Exists(CRegistryStore::FilePath()));
}

TEST(RegistryStoreTest, KeyAndValueNamesIgnoreCase)
{
    IsolatedUserDirs dirs;
    {
        CRegistryStore store;
        store.Open("OutPut");
        store.WriteDword("DispMode", 2);
        store.Close();
    }
    CRegistryStore store;
    EXPECT_TRUE(store.Open("Output"));
    EXPECT_EQ(store.ReadDword("dispmode", 0), 2);
    store.WriteDword("DISPMODE", 3);
    store.Close();
    EXPECT_EQ(CRegistryStore::ReadKeyDword("OUTPUT", "DispMode", 0), 3);
    // One key, one value: the first spelling is kept.
    const std::string file = ReadFile(CRegistryStore::FilePath());
    EXPECT_NE(file.find("[OutPut]"), std::string::npos);
    EXPECT_EQ(file.find("[Output]"), std::string::npos);
    EXPECT_EQ(file.find("DISPMODE"), std::string::npos);
}

TEST(RegistryStoreTest, ValuesKeepTheirBytesThroughTheFile)
{
    IsolatedUserDirs dirs;
    const std::vector<std::string> texts = {
        "",
        " leading and trailing ",
        "a,b;c=d \"quoted\" 'single'",
        "@ByteArray(not binary)",
        "back\\slash\nnew line\ttab\r",
        "日本語のファイル名　全角",
        "latin1 \xe9 and \xff\xfe stray bytes",
        "\xed\xa0\x80 encoded surrogate",
        "\xef\xbb\xbf byte order mark",
        std::string(12999, 'x'),
    };
    std::vector<unsigned char> allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes.push_back(static_cast<unsigned char>(i));

    ASSERT_EQ(RunInChild([&] {
                  CRegistryStore store;
                  store.Open("Rename");
                  for (std::size_t i = 0; i < texts.size(); ++i)
                      store.WriteString("Text" + std::to_string(i), texts[i]);
                  store.WriteBinary("Bytes", allBytes);
                  store.WriteDword("Min", INT32_MIN);
                  store.WriteDword("Max", INT32_MAX);
                  store.WriteDword("MinusOne", -1);
                  return store.Close();
              }),
              0);

    CRegistryStore store;
    ASSERT_TRUE(store.Open("Rename"));
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(store.QueryString("Text" + std::to_string(i)), texts[i]) << i;
    EXPECT_EQ(store.QueryBinary("Bytes", 256), allBytes);
    EXPECT_EQ(store.QueryDword("Min"), INT32_MIN);
    EXPECT_EQ(store.QueryDword("Max"), INT32_MAX);
    EXPECT_EQ(store.QueryDword("MinusOne"), -1);
}

TEST(RegistryStoreTest, LongValuesReadBackWholeAndWrongOnesGiveTheDefault)
{
    IsolatedUserDirs dirs;
    const std::string longText(100000, 'y');
    {
        CRegistryStore store;
        store.Open("Environment");
        store.WriteString("Long", longText);
        store.WriteString("Word", "abc");
        store.WriteBinary("Blob", Bytes("12345"));
        store.WriteString("Number", " 42 ");
        store.Close();
    }
    CRegistryStore store;
    store.Open("Environment");
    EXPECT_EQ(store.ReadString("Long", "short"), longText);
    EXPECT_EQ(store.ReadDword("Word", 5), 5);
    EXPECT_FALSE(store.QueryBinary("Blob", 4));
    EXPECT_EQ(store.ReadBinary("Blob", Bytes("d"), 4), Bytes("d"));
    EXPECT_EQ(store.QueryBinary("Blob"), Bytes("12345"));
    EXPECT_EQ(store.ReadDword("Number", 0), 42);
}

TEST(RegistryStoreTest, ReadsSurviveHandEditedAndGarbageFiles)
{
    using namespace std::string_literals;
    const std::vector<std::string> contents = {
        "[Environment]\nIsAsk=@Bytes(0102)\nSortMode=1,2,3\nDefDirectory=@Bytes(zz)\n",
        "[Environment]\nIsAsk=99999999999999999999\nSortMode=\nDefDirectory=\"unterminated\n",
        "[Environment]\nIsAsk=1\0\0junk\nSortMode=\"\\x4\"\n"s,
        std::string(5000, '\x01') + "[Environment]\n",
        "[[[]]]\n===\n[Environment\n",
    };
    for (const std::string &content : contents) {
        IsolatedUserDirs dirs;
        WriteStoreFile(content);
        CRegistryStore store;
        store.Open("Environment");
        EXPECT_EQ(store.ReadDword("IsAsk", 3), 3);
        EXPECT_EQ(store.ReadDword("SortMode", 4), 4);
        store.ReadString("DefDirectory", "");
        store.ReadBinary("DefDirectory", {}, 2);
        EXPECT_TRUE(store.Close());
    }
}

TEST(RegistryStoreTest, UnparsableFileIsKeptAsideByTheFirstWrite)
{
    IsolatedUserDirs dirs;
    const std::string path = CRegistryStore::FilePath();
    const std::string broken = "[Environment]\nIsAsk=1\nno equals sign here\n";
    WriteStoreFile(broken);
    {
        CRegistryStore store;
        EXPECT_FALSE(store.Open("Environment"));
        EXPECT_EQ(store.ReadError(), platform::kStoreUnparsable);
        EXPECT_EQ(store.ReadDword("IsAsk", 0), 0);
        store.Close();
    }
    EXPECT_EQ(ReadFile(path), broken); // loading leaves it where it is
    EXPECT_EQ(CRegistryStore::ReadKeyDword("Environment", "IsAsk", 0), 0);

    auto write = [] {
        CRegistryStore store;
        store.Open("Environment");
        store.WriteDword("IsAsk", 1);
        return store.Close();
    };
    ASSERT_TRUE(write());
    EXPECT_EQ(ReadFile(path + ".broken"), broken);
    EXPECT_EQ(CRegistryStore::ReadKeyDword("Environment", "IsAsk", 0), 1);

    // A second broken file does not replace the first one kept aside; a file
    // that is not UTF-8 would lose bytes when rewritten and is kept aside too.
    const std::string notUtf8 = "[Environment]\nDefDirectory=/home/\xff\xfe\n";
    WriteStoreFile(notUtf8);
    ASSERT_TRUE(write());
    EXPECT_EQ(ReadFile(path + ".broken"), broken);
    EXPECT_EQ(ReadFile(path + ".broken.2"), notUtf8);
}

TEST(RegistryStoreTest, DeleteAllLeavesNothingBehind)
{
    IsolatedUserDirs dirs;
    {
        CRegistryStore store;
        store.Open("Window");
        store.WriteDword("IsSplit", 0);
        store.Close();
        store.Open("Execute");
        store.WriteString("Execute.1.Title", "viewer");
        store.Close();
    }
    CRegistryStore::DeleteAll();
    EXPECT_FALSE(Exists(CRegistryStore::FilePath()));
    CRegistryStore store;
    EXPECT_FALSE(store.Open("Window"));
    EXPECT_FALSE(store.QueryDword("IsSplit"));
    EXPECT_EQ(CRegistryStore::ReadKeyDword("Window", "IsSplit", 1), 1);
}

TEST(RegistryStoreTest, FailedWriteLeavesTheOldFile)
{
    IsolatedUserDirs dirs;
    {
        CRegistryStore store;
        store.Open("Rename");
        store.WriteString("RenumStr1", "old");
        ASSERT_TRUE(store.Close());
    }
    const std::string before = ReadFile(CRegistryStore::FilePath());

    // The child may not write files larger than a few hundred bytes, so its
    // write breaks off in the middle.
    const int code = RunInChild([] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{512, 512};
        setrlimit(RLIMIT_FSIZE, &limit);
        CRegistryStore store;
        store.Open("Rename");
        store.WriteString("RenumStr1", std::string(5000, 'n'));
        return !store.Close() && store.WriteError() == EFBIG; // the failure is reported
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(CRegistryStore::FilePath()), before);
}

TEST(RegistryStoreTest, TwoWritersBothKeepTheirValues)
{
    IsolatedUserDirs dirs;
    auto writer = [](const std::string &key) {
        return [key] {
            for (int i = 0; i < 30; ++i) {
                CRegistryStore store;
                store.Open(key);
                store.WriteDword("Value" + std::to_string(i), i);
                if (!store.Close())
                    return false;
            }
            return true;
        };
    };
    const pid_t a = StartChild(writer("Output"));
    const pid_t b = StartChild(writer("SelDirDlg"));
    ASSERT_EQ(WaitChild(a), 0);
    ASSERT_EQ(WaitChild(b), 0);

    for (const std::string key : {"Output", "SelDirDlg"}) {
        CRegistryStore store;
        ASSERT_TRUE(store.Open(key)) << key;
        for (int i = 0; i < 30; ++i)
            EXPECT_EQ(store.QueryDword("Value" + std::to_string(i)), i) << key << i;
    }
}

TEST(RegistryStoreTest, FailedWritesSayWhy)
{
    auto writeError = [] {
        CRegistryStore store;
        store.Open("Rename");
        store.WriteDword("NumberWidth", 3);
        return store.Close() ? 0 : store.WriteError();
    };
    IsolatedUserDirs dirs;
    const std::filesystem::path path = CRegistryStore::FilePath();
    std::filesystem::create_directories(path);
    EXPECT_EQ(writeError(), EISDIR);
    std::filesystem::remove(path);
    std::filesystem::create_symlink(dirs.root() + "/gone/Kestrel.ini", path);
    EXPECT_EQ(writeError(), ENOENT);
    std::filesystem::remove(path);
    // Permissions mean nothing to root: this write is tried as nobody.
    ASSERT_EQ(chmod(dirs.root().c_str(), 0755), 0);
    ASSERT_EQ(chmod(path.parent_path().c_str(), 0555), 0);
    EXPECT_EQ(RunInChild([&] {
                  return (geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0)) &&
                         writeError() == EACCES;
              }),
              0);
}

TEST(RegistryStoreTest, OddValueNamesCostOnlyThemselves)
{
    IsolatedUserDirs dirs;
    WriteStoreFile("[Rename]\nold/x=1\nRenumStr1=kept\n[Window]\nIsSplit=0\n");
    CRegistryStore store;
    ASSERT_TRUE(store.Open("Rename"));
    store.WriteDword("new/y", 2);
    store.WriteDword("NumberWidth", 3);
    ASSERT_TRUE(store.Close());
    // Read at the next start as a whole, nothing kept aside.
    const auto values = platform::ParseStoreFile(ReadFile(CRegistryStore::FilePath()));
    ASSERT_TRUE(values);
    EXPECT_EQ(values->size(), 3u);
    EXPECT_EQ(values->at("Rename/RenumStr1").bytes, "kept");
    EXPECT_EQ(values->at("Window/IsSplit").number, 0);
}

TEST(RegistryStoreTest, OversizedFileIsKeptAsideUnread)
{
    IsolatedUserDirs dirs;
    std::string content = "[Environment]\nIsAsk=1\n";
    content.resize(platform::kMaxStoreFileBytes + 1, '\n');
    WriteStoreFile(content);
    EXPECT_EQ(CRegistryStore::ReadKeyDword("Environment", "IsAsk", 0), 0);
    CRegistryStore store;
    store.Open("Environment");
    EXPECT_EQ(store.ReadError(), platform::kStoreUnparsable);
    store.WriteDword("IsAsk", 1);
    ASSERT_TRUE(store.Close());
    EXPECT_EQ(std::filesystem::file_size(CRegistryStore::FilePath() + ".broken"), content.size());
}
