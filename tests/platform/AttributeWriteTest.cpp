#include "platform/AttributeWrite.h"
#include "platform/Attributes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>

using namespace platform;
using testing_support::TempDir;

namespace {

std::uint32_t Read(const std::string &path)
{
    std::uint32_t bits = 0;
    ReadAttributes(path, bits);
    return bits;
}

TEST(AttributeWriteTest, ReadOnlyByPermissionsAndFlagsInTheExtendedAttribute)
{
    TempDir dir;
    const auto f = dir.write("f");
    chmod(f.c_str(), 0664);
    ASSERT_EQ(SetAttributes(f, kAttrReadOnly | kAttrSystem | kAttrArchive), 0);
    struct stat st;
    stat(f.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_EQ(Read(f), kAttrReadOnly | kAttrSystem | kAttrArchive);
    char text[16] = {};
    EXPECT_EQ(getxattr(f.c_str(), kStoredAttributesName, text, sizeof text), 4);
    EXPECT_STREQ(text, "0x24");

    // Clearing gives the owner write permission back and drops the attribute.
    ASSERT_EQ(SetAttributes(f, 0), 0);
    stat(f.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    EXPECT_EQ(getxattr(f.c_str(), kStoredAttributesName, text, sizeof text), -1);
    EXPECT_EQ(Read(f), 0u);
}

TEST(AttributeWriteTest, DotNameNeedsNoHiddenFlagAndDirectoryBitIsIgnored)
{
    TempDir dir;
    const auto dot = dir.write(".dot");
    ASSERT_EQ(SetAttributes(dot, kAttrHidden | kAttrDirectory), 0);
    char text[16];
    EXPECT_EQ(getxattr(dot.c_str(), kStoredAttributesName, text, sizeof text), -1);
    EXPECT_EQ(Read(dot), kAttrHidden);
    const auto plain = dir.write("plain");
    ASSERT_EQ(SetAttributes(plain, kAttrHidden), 0);
    EXPECT_EQ(Read(plain), kAttrHidden);
    EXPECT_NE(SetAttributes(dir.file("missing"), 0), 0);
}

} // namespace
