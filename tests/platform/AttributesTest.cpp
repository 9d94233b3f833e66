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

void Store(const std::string &path, const std::string &text)
{
    ASSERT_EQ(setxattr(path.c_str(), kStoredAttributesName, text.data(), text.size(), 0), 0);
}

std::uint32_t Read(const std::string &path)
{
    std::uint32_t bits = 0xDEAD;
    EXPECT_EQ(ReadAttributes(path, bits), 0);
    return bits;
}

} // namespace

TEST(StoredAttributes, FormatAndParseAgree)
{
    EXPECT_EQ(FormatStoredAttributes(kAttrSystem | kAttrArchive), "0x24");
    EXPECT_EQ(FormatStoredAttributes(0), "0x0");
    for (std::uint32_t bits : {0u, 0x2u, 0x24u, 0xFFFFFFFFu})
        EXPECT_EQ(ParseStoredAttributes(FormatStoredAttributes(bits)), bits);
    EXPECT_EQ(ParseStoredAttributes("0X2A"), 0x2Au);
    EXPECT_EQ(ParseStoredAttributes(std::string("0x20\0", 5)), 0x20u);
    EXPECT_EQ(ParseStoredAttributes("0x20\n"), 0x20u);
}

TEST(StoredAttributes, ParseRefusesWhatIsNotHex)
{
    for (const char *bad : {"", "0x", "24", "x24", "0x2g", "0x123456789", " 0x2", "0x-1"})
        EXPECT_FALSE(ParseStoredAttributes(bad).has_value()) << bad;
}

TEST(Attributes, PlainFileHasNone)
{
    TempDir dir;
    EXPECT_EQ(Read(dir.write("plain.txt", "x")), 0u);
}

TEST(Attributes, ReadOnlyMeansOwnerCannotWrite)
{
    TempDir dir;
    const std::string path = dir.write("ro.txt");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(Read(path), kAttrReadOnly);
    // Write permission for others only does not make it writable for the owner.
    ASSERT_EQ(chmod(path.c_str(), 0466), 0);
    EXPECT_EQ(Read(path), kAttrReadOnly);
    ASSERT_EQ(chmod(path.c_str(), 0200), 0);
    EXPECT_EQ(Read(path), 0u);
}

TEST(Attributes, HiddenByLeadingDotOrStoredFlag)
{
    TempDir dir;
    EXPECT_EQ(Read(dir.write(".profile")), kAttrHidden);
    const std::string stored = dir.write("visible");
    Store(stored, "0x2");
    EXPECT_EQ(Read(stored), kAttrHidden);
}

TEST(Attributes, DirectoryComesFromTheFileTypeOnly)
{
    TempDir dir;
    EXPECT_EQ(Read(dir.mkdir("sub")), kAttrDirectory);
    // A stored directory or read-only bit must not make a writable file look otherwise.
    const std::string file = dir.write("file");
    Store(file, "0x31");
    EXPECT_EQ(Read(file), kAttrArchive);
}

TEST(Attributes, StoredSystemAndArchive)
{
    TempDir dir;
    const std::string path = dir.write("sys");
    Store(path, FormatStoredAttributes(kAttrSystem | kAttrArchive));
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(Read(path), kAttrReadOnly | kAttrSystem | kAttrArchive);
}

TEST(Attributes, UnreadableStoredTextIsIgnored)
{
    TempDir dir;
    const std::string path = dir.write("junk");
    Store(path, "archive please");
    EXPECT_EQ(Read(path), 0u);
    Store(path, std::string(200, 'f'));
    EXPECT_EQ(Read(path), 0u);
}

TEST(Attributes, SymbolicLinksDescribeTheirTarget)
{
    TempDir dir;
    const std::string target = dir.write("target");
    Store(target, "0x20");
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    ASSERT_EQ(symlink(target.c_str(), dir.file("link").c_str()), 0);
    EXPECT_EQ(Read(dir.file("link")), kAttrReadOnly | kAttrArchive);

    ASSERT_EQ(symlink(dir.file("missing").c_str(), dir.file("dangling").c_str()), 0);
    EXPECT_EQ(Read(dir.file("dangling")), 0u);
}

TEST(Attributes, MissingFileReportsErrno)
{
    TempDir dir;
    std::uint32_t bits = 7;
    EXPECT_EQ(ReadAttributes(dir.file("nothing"), bits), ENOENT);
    EXPECT_EQ(bits, 7u);
    EXPECT_EQ(ReadAttributes(dir.write("f") + "/below", bits), ENOTDIR);
}
