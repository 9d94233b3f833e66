#include "platform/DirectoryWatch.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <poll.h>

namespace {

// Waits briefly for the watch to become readable, then takes its events.
bool ChangeSeen(platform::DirectoryWatch &watch)
{
    pollfd waiting{watch.Fd(), POLLIN, 0};
    poll(&waiting, 1, 500);
    return watch.TakeEvents();
}

} // namespace

TEST(DirectoryWatchTest, ReportsChangesOfTheWatchedFolderOnlyWhateverItsName)
{
    testing_support::TempDir dir;
    platform::DirectoryWatch watch;
    ASSERT_GE(watch.Fd(), 0);
    const std::string before = dir.mkdir("before");
    const std::string folder = dir.mkdir("\xff\xfe folder");
    ASSERT_EQ(watch.Watch(before), 0);
    ASSERT_EQ(watch.Watch(folder), 0);
    EXPECT_FALSE(watch.TakeEvents());

    dir.write("before/ignored.txt");
    EXPECT_FALSE(ChangeSeen(watch)) << "a folder watched before is not followed";
    dir.write("\xff\xfe folder/new.txt");
    EXPECT_TRUE(ChangeSeen(watch));
    EXPECT_FALSE(watch.TakeEvents()) << "taken once";

    watch.Stop();
    dir.write("\xff\xfe folder/after.txt");
    EXPECT_FALSE(ChangeSeen(watch));
    EXPECT_NE(watch.Watch(dir.file("missing")), 0);
}
