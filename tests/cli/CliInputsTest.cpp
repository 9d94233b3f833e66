#include "CliFixture.h"

#include "platform/FileOps.h"

#include <cerrno>

#include <sys/stat.h>

using namespace cli_test;
using CliInputsTest = CliTest;
using testing_support::Exists;
using testing_support::ReadFile;
using Lines = std::vector<std::string>;

namespace {

bool Says(const CliResult &result, const std::string &text)
{
    return result.err.find(text) != std::string::npos;
}

const std::vector<std::string> kRenumber = {"--execute", "--defaults", "--set", "RenumStr1=img"};
const std::vector<std::string> kConcatenate = {"--execute",     "--defaults", "--set",
                                               "RenameMode=11", "--set",      "OutputFile=all.txt"};

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string> &more)
{
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

} // namespace

TEST_F(CliInputsTest, PathListsAreCheckedAndReadToTheEndBeforeAnyChange)
{
    dir.write("a.txt", "A");
    for (const auto &mode : {kRenumber, kConcatenate}) {
        for (const std::string &list : {dir.path(), std::string("/dev/zero")}) {
            const CliResult refused = Run(With(mode, {"--paths-from", list}));
            EXPECT_EQ(refused.exitCode, 2) << list;
            EXPECT_TRUE(Says(refused, "通常のファイルか名前付きパイプ")) << refused.err;
        }
        // Reading a process's memory at offset 0 fails.
        const CliResult unreadable = Run(With(mode, {"--paths-from", "/proc/self/mem"}));
        EXPECT_EQ(unreadable.exitCode, 1);
        EXPECT_TRUE(
            Says(unreadable, "パスのリストを読めません: /proc/self/mem: " + platform::ErrorMessage(EIO)))
            << unreadable.err;

        const CliResult tooLong =
            Run(With(mode, {"--paths-from", "-"}), "a.txt\n\n" + std::string(5000, 'x') + "\n");
        EXPECT_EQ(tooLong.exitCode, 2);
        EXPECT_TRUE(Says(tooLong, "3 番目のパスが長すぎます")) << tooLong.err;
        EXPECT_EQ(Names(), Lines{"a.txt"});
    }
}

TEST_F(CliInputsTest, AGivenPathThatIsGoneIsAFailedRow)
{
    dir.write("a.txt", "A");
    const std::string gone = dir.file("gone.txt");
    const std::string reason = "（" + platform::ErrorMessage(ENOENT) + "）";

    const CliResult preview = Run({"--defaults", "--set", "RenumStr1=img", "a.txt", "gone.txt"});
    EXPECT_EQ(preview.exitCode, 1);

    const CliResult renamed = Run(With(kRenumber, {"a.txt", "gone.txt"}));
    EXPECT_EQ(renamed.exitCode, 1) << renamed.err;
    EXPECT_NE(renamed.out.find(gone + "\t" + dir.file("img002.txt") + "\t変名に失敗しました。" + reason),
              std::string::npos)
        << renamed.out;
    EXPECT_EQ(Names(), Lines{"img001.txt"});

    const CliResult concatenated = Run(With(kConcatenate, {"img001.txt", "gone.txt"}));
    EXPECT_EQ(concatenated.exitCode, 1) << concatenated.err;
    EXPECT_NE(concatenated.out.find(gone + "\t連結に失敗しました。" + reason), std::string::npos)
        << concatenated.out;
    EXPECT_EQ(ReadFile(dir.file("all.txt")), "A");
}

TEST_F(CliInputsTest, ANamesFileThatIsNoRegularFileIsRefused)
{
    dir.write("a.txt", "A");
    dir.mkdir("folder");
    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
    for (const char *names : {"folder", "pipe", "/dev/zero"}) {
        const CliResult refused = Run({"--execute", "--defaults", "--set", "RenameMode=7", "--set",
                                       std::string("InputFile=") + names, "a.txt"});
        EXPECT_EQ(refused.exitCode, 2) << names;
        EXPECT_TRUE(Says(refused, "名前のファイルを読めません")) << refused.err;
    }
    EXPECT_TRUE(Exists(dir.file("a.txt")));
}
