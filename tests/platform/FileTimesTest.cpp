#include "platform/FileTimes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform;
using testing_support::TempDir;

namespace {

TEST(FileTimesTest, SetsAccessAndModificationTime)
{
    TempDir dir;
    const auto f = dir.write("f");
    ASSERT_EQ(SetFileTimes(f, 946'684'800), 0);
    struct stat st;
    stat(f.c_str(), &st);
    EXPECT_EQ(st.st_mtim.tv_sec, 946'684'800);
    EXPECT_EQ(st.st_mtim.tv_nsec, 0);
    EXPECT_EQ(st.st_atim.tv_sec, 946'684'800);
    EXPECT_NE(SetFileTimes(dir.file("missing"), 0), 0);
}

} // namespace
