#include "platform/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using platform::DecodeText;
using platform::IsValidUtf8;
using platform::ReadTextFile;

TEST(TextDecoding, Utf8IsTakenAsItIs)
{
    EXPECT_TRUE(IsValidUtf8("写真 ｶ a"));
    EXPECT_FALSE(IsValidUtf8("\x83\x65"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // encoded surrogate
    EXPECT_EQ(DecodeText("写真"), "写真");
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF写真\xEF\xBB\xBF"), "写真\xEF\xBB\xBF");
}

TEST(TextDecoding, ShiftJisFallback)
{
    EXPECT_EQ(DecodeText("\x83\x65\x83\x58\x83\x67"), "テスト");
    EXPECT_EQ(DecodeText("\x87\x40\xB6\xDE"), "①ｶﾞ");
    // A truncated double-byte character is not CP932 either: bytes kept.
    EXPECT_EQ(DecodeText("ab\x83"), "ab\x83");
}

TEST(TextFileReading, RegularFilesWithinTheLimit)
{
    testing_support::TempDir dir;
    const std::string path = dir.write("t.txt", "\x83\x65\n");
    EXPECT_EQ(ReadTextFile(path, 3), "テ\n");
    EXPECT_EQ(ReadTextFile(path, 2), std::nullopt);
    EXPECT_EQ(ReadTextFile(dir.path(), 1000), std::nullopt);
    EXPECT_EQ(ReadTextFile(dir.file("none"), 1000), std::nullopt);
    EXPECT_EQ(ReadTextFile("/dev/zero", 1000), std::nullopt);
}
