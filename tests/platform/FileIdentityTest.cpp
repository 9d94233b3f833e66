#include "platform/FileIdentity.h"
#include "platform/FileOps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace platform;
using testing_support::Exists;
using testing_support::TempDir;

namespace {

TEST(FileIdentityTest, AReusedInodeNumberIsAnotherFile)
{
    TempDir dir;
    const auto a = dir.write("a", "A");
    const FileIdentity first = GetFileIdentity(a);
    const FileVersion version = GetFileVersion(a);
    ASSERT_TRUE(first.valid);
    if (first.birth == 0)
        GTEST_SKIP() << "the file system keeps no birth time";
    std::filesystem::remove(a);
    FileIdentity second;
    for (int i = 0; i < 50 && second.inode != first.inode; ++i) {
        const auto b = dir.write("b" + std::to_string(i), "B");
        second = GetFileIdentity(b);
    }
    if (second.inode == first.inode) {
        EXPECT_FALSE(IsRecordedFile(first, second))
            << "the new file has the old number but not the old birth";
    }
    // A copy written since it was recorded is another version of it.
    const auto c = dir.write("c", "C");
    const FileVersion made = GetFileVersion(c);
    EXPECT_TRUE(IsRecordedVersion(made, GetFileVersion(c)));
    dir.write("c", "C, edited");
    EXPECT_FALSE(IsRecordedVersion(made, GetFileVersion(c)));
    EXPECT_EQ(DeleteFileIfVersion(c, made), kErrorFileReplaced);
    EXPECT_TRUE(Exists(c));
    EXPECT_FALSE(IsRecordedVersion(version, GetFileVersion(c)));
}

} // namespace
