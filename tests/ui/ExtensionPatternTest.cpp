// The filter pattern made of chosen extensions, and its summary.
#include "ui/dialogs/ExtensionPattern.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtensionPatternTest, AppendsOnePartPerExtension)
{
    EXPECT_EQ(AppendExtensionPatterns("", {"jpg", "png"}), "*.jpg;*.png");
    EXPECT_EQ(AppendExtensionPatterns("*.txt", {"md"}), "*.txt;*.md");
    EXPECT_EQ(AppendExtensionPatterns("*.txt", {}), "*.txt");
}

TEST(ExtensionPatternTest, SummaryIsCutAfterFortyBytes)
{
    EXPECT_EQ(ExtensionSummary({"jpg", "png"}), "jpg;png");
    // 9 x "abc;" = 36 bytes + "abcd" = exactly 40: not cut.
    std::vector<std::string> exact(9, "abc");
    exact.push_back("abcd");
    EXPECT_EQ(ExtensionSummary(exact), "abc;abc;abc;abc;abc;abc;abc;abc;abc;abcd");
    exact.back() = "abcde";
    EXPECT_EQ(ExtensionSummary(exact), "abc;abc;abc;abc;abc;abc;abc;abc;abc;abcd...");
    // A character is never split: "é" takes bytes 40 and 41.
    const std::string text = std::string(39, 'x') + "é";
    EXPECT_EQ(ExtensionSummary({text}), std::string(39, 'x') + "...");
}

} // namespace
