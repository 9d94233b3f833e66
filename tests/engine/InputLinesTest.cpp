#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

Lines LoadFrom(const std::string &path)
{
    CRenameSettings s;
    s.InputLines = {"stale"};
    s.InputFile = path;
    s.LoadInputLines();
    return s.InputLines;
}

TEST(InputLinesTest, LinesWithEitherLineEnd)
{
    testing_support::TempDir dir;
    EXPECT_EQ(LoadFrom(dir.write("lf", "a.txt\n\nc.txt\n")), (Lines{"a.txt", "", "c.txt"}));
    EXPECT_EQ(LoadFrom(dir.write("crlf", "a.txt\r\nb.txt\r\n")), (Lines{"a.txt", "b.txt"}));
    EXPECT_EQ(LoadFrom(dir.write("last", "a.txt\nno end")), (Lines{"a.txt", "no end"}));
    EXPECT_EQ(LoadFrom(dir.write("cr", "a\rb\n")), (Lines{"a\rb"})); // a lone CR is text
    EXPECT_EQ(LoadFrom(dir.write("empty", "")), Lines{});
    EXPECT_EQ(LoadFrom(dir.write("blank", "\n")), Lines{""});
}

TEST(InputLinesTest, KeepsTheLastPathComponent)
{
    testing_support::TempDir dir;
    EXPECT_EQ(LoadFrom(dir.write("paths", "/work/new.txt\nsub/写真.jpg\nend/\n")),
              (Lines{"new.txt", "写真.jpg", ""}));
}

TEST(InputLinesTest, Utf8ShiftJisOrRawBytes)
{
    testing_support::TempDir dir;
    EXPECT_EQ(LoadFrom(dir.write("utf8", "\xEF\xBB\xBFテスト.txt\nｶﾞ.txt\n")),
              (Lines{"テスト.txt", "ｶﾞ.txt"}));
    // テスト, ① and a path ending in the one-byte kana ﾃ.
    EXPECT_EQ(LoadFrom(dir.write("sjis", "\x83\x65\x83\x58\x83\x67.txt\r\n\x87\x40\r\nC:/a/\xC3.txt")),
              (Lines{"テスト.txt", "①", "ﾃ.txt"}));
    // Neither encoding: the bytes are kept as they are.
    EXPECT_EQ(LoadFrom(dir.write("binary", std::string("\x00\xFF\x80\n\xA0z", 6))),
              (Lines{std::string("\x00\xFF\x80", 3), "\xA0z"}));
}

// No lines, and the reason for them.
std::pair<Lines, int> LoadWithCode(const std::string &path)
{
    CRenameSettings s;
    s.InputLines = {"stale"};
    s.InputFile = path;
    const int code = s.LoadInputLines();
    return {s.InputLines, code};
}

TEST(InputLinesTest, UnreadableSourcesGiveNoLines)
{
    testing_support::TempDir dir;
    using Result = std::pair<Lines, int>;
    EXPECT_EQ(LoadWithCode(""), Result(Lines{}, 0));
    EXPECT_EQ(LoadWithCode(dir.file("missing")), Result(Lines{}, ENOENT));
    EXPECT_EQ(LoadWithCode(dir.mkdir("folder")), Result(Lines{}, EISDIR));
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Returns at once instead of waiting for a writer.
    EXPECT_EQ(LoadWithCode(fifo), Result(Lines{}, EINVAL));
    EXPECT_EQ(LoadWithCode("/dev/zero"), Result(Lines{}, EINVAL));
    const auto big = dir.write("big");
    ASSERT_EQ(::truncate(big.c_str(), (64 << 20) + 1), 0);
    EXPECT_EQ(LoadWithCode(big), Result(Lines{}, EFBIG));
    EXPECT_EQ(CRenameSettings::InputFileProblem(EINVAL), "通常のファイルではありません");
    if (::geteuid() != 0) {
        const std::string locked = dir.write("locked", "a\n");
        ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
        EXPECT_EQ(LoadWithCode(locked), Result(Lines{}, EACCES));
    }
}

TEST(InputLinesTest, RowsBeyondTheFileKeepTheirNames)
{
    testing_support::TempDir dir;
    CRenameSettings s;
    s.RenameMode = RenameKind::FromFile;
    s.InputFile = dir.write("names", "one\ntwo\nthree\n");
    s.LoadInputLines();
    const CFileEntry entry = MakeEntry(dir.path(), "old.txt");
    EXPECT_EQ(s.ComputeNewName(entry, 2), "three");
    EXPECT_EQ(s.ComputeNewName(entry, 3), "old.txt");
    s.InputFile = dir.file("gone");
    s.LoadInputLines();
    EXPECT_EQ(s.ComputeNewName(entry, 0), "old.txt");
}

} // namespace
