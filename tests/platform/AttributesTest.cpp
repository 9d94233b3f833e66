#include "platform/Attributes.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace platform;
using testing_support::TempDir;

namespace {

std::string Stored(const std::string &path, const std::string &text)
{
    EXPECT_EQ(setxattr(path.c_str(), kStoredAttributesName, text.data(), text.size(), 0), 0);
    return path;
}

std::uint32_t Read(const std::string &path)
{
    std::uint32_t bits = 0xDEAD;
    EXPECT_EQ(ReadAttributes(path, bits), 0) << path;
    return bits;
}

} // namespace

TEST(AttributesTest, FormatAndParse)
{
    EXPECT_EQ(FormatStoredAttributes(kAttrSystem | kAttrArchive), "0x24");
    for (std::uint32_t bits : {0u, 0x2u, 0xFFFFFFFFu})
        EXPECT_EQ(ParseStoredAttributes(FormatStoredAttributes(bits)), bits);
    EXPECT_EQ(ParseStoredAttributes("0X2A"), 0x2Au);
    EXPECT_EQ(ParseStoredAttributes(std::string("0x20\0", 5)), 0x20u);
    for (const char *bad : {"", "0x", "24", "0x2g", "0x123456789", " 0x2", "0x-1"})
        EXPECT_FALSE(ParseStoredAttributes(bad).has_value()) << bad;
}

TEST(AttributesTest, ReadFromPermissionsNameTypeAndStoredFlags)
{
    TempDir dir;
    EXPECT_EQ(Read(dir.write("plain.txt")), 0u);
    EXPECT_EQ(Read(dir.write(".profile")), kAttrHidden);
    EXPECT_EQ(Read(Stored(dir.write("visible"), "0x2")), kAttrHidden);
    EXPECT_EQ(Read(dir.mkdir("sub")), kAttrDirectory);
    // Only hidden, system and archive are taken from the stored text.
    EXPECT_EQ(Read(Stored(dir.write("file"), "0x31")), kAttrArchive);
    EXPECT_EQ(Read(Stored(dir.write("junk"), "archive please")), 0u);

    // Read-only is the owner's missing write permission, whatever others may do.
    const std::string ro = Stored(dir.write("ro"), FormatStoredAttributes(kAttrSystem | kAttrArchive));
    ASSERT_EQ(chmod(ro.c_str(), 0466), 0);
    EXPECT_EQ(Read(ro), kAttrReadOnly | kAttrSystem | kAttrArchive);
    ASSERT_EQ(chmod(ro.c_str(), 0200), 0);
    EXPECT_EQ(Read(ro), kAttrSystem | kAttrArchive);
}

TEST(AttributesTest, SymbolicLinksDescribeTheirTarget)
{
    TempDir dir;
    const std::string target = Stored(dir.write("target"), "0x20");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    ASSERT_EQ(symlink(target.c_str(), dir.file("link").c_str()), 0);
    EXPECT_EQ(Read(dir.file("link")), kAttrReadOnly | kAttrArchive);
    ASSERT_EQ(symlink(dir.file("missing").c_str(), dir.file("dangling").c_str()), 0);
    EXPECT_EQ(Read(dir.file("dangling")), 0u);

    std::uint32_t bits = 7;
    EXPECT_EQ(ReadAttributes(dir.file("missing"), bits), ENOENT);
    EXPECT_EQ(bits, 7u);
}
