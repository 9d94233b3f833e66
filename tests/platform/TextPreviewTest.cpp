#include "platform/TextPreview.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

using platform::PreviewTextFile;
using Kind = platform::TextPreview::Kind;
using testing_support::TempDir;

namespace {

std::string Lines(int count, const char *end = "\n")
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "line " + std::to_string(i) + end;
    return text;
}

} // namespace

TEST(TextPreviewTest, ShowsTextInUtf8OrShiftJisWithEitherLineEnd)
{
    TempDir dir;
    auto preview = PreviewTextFile(dir.write("u.txt", "写真\r\nb\n"));
    EXPECT_EQ(preview.kind, Kind::Text);
    EXPECT_EQ(preview.lines, "写真\nb\n");
    EXPECT_FALSE(preview.continues);

    // テスト in Shift-JIS with CR LF line ends: text, not binary.
    preview = PreviewTextFile(dir.write("s.txt", "\x83\x65\x83\x58\x83\x67\r\nx"));
    EXPECT_EQ(preview.kind, Kind::Text);
    EXPECT_EQ(preview.lines, "テスト\nx\n");

    preview = PreviewTextFile(dir.write("empty.txt"));
    EXPECT_EQ(preview.kind, Kind::Text);
    EXPECT_EQ(preview.lines, "");
}

TEST(TextPreviewTest, ControlBytesInTheFirstKilobyteMakeABinaryFile)
{
    TempDir dir;
    EXPECT_EQ(PreviewTextFile(dir.write("nul", std::string("ab\0c", 4))).kind, Kind::Binary);
    EXPECT_EQ(PreviewTextFile(dir.write("esc", "a\x1b[0m")).kind, Kind::Binary);
    EXPECT_EQ(PreviewTextFile(dir.write("ws", "a\tb\v\f\r\n")).kind, Kind::Text);
    // Past the first kilobyte a control byte no longer counts.
    EXPECT_EQ(PreviewTextFile(dir.write("late", std::string(1024, 'a') + '\x01')).kind, Kind::Text);
}

TEST(TextPreviewTest, StopsAfterTheLineLimitAndSaysWhetherMoreFollows)
{
    TempDir dir;
    auto preview = PreviewTextFile(dir.write("100", Lines(100, "\r\n")));
    EXPECT_EQ(preview.lines, Lines(100));
    EXPECT_FALSE(preview.continues);

    preview = PreviewTextFile(dir.write("101", Lines(101)));
    EXPECT_EQ(preview.lines, Lines(100));
    EXPECT_TRUE(preview.continues);

    // A large file is read only up to the byte limit, in whole lines.
    preview = PreviewTextFile(dir.write("long", Lines(50000)), 100000, 100);
    EXPECT_EQ(preview.lines, Lines(13)); // 95 of the 100 bytes
    EXPECT_TRUE(preview.continues);
}

TEST(TextPreviewTest, AMissingOrUnreadableFileIsSaidToBeSoAndNotCreated)
{
    TempDir dir;
    auto preview = PreviewTextFile(dir.file("gone.txt"));
    EXPECT_EQ(preview.kind, Kind::Unreadable);
    EXPECT_EQ(preview.error, ENOENT);
    EXPECT_FALSE(testing_support::Exists(dir.file("gone.txt")));

    preview = PreviewTextFile(dir.mkdir("sub"));
    EXPECT_EQ(preview.kind, Kind::Unreadable);
    EXPECT_EQ(preview.error, EISDIR);
}
