#include "app/LaunchList.h"

#include "platform/RegistryStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;

TEST(LaunchListTest, FirstStartGivesFiveEmptyEntries)
{
    IsolatedUserDirs dirs;
    CLaunchList list;
    list.Entries[0].Title = "stale";
    list.Entries[4].Command = "stale";
    list.Load();
    for (const CLaunchList::Entry &entry : list.Entries) {
        EXPECT_EQ(entry.Title, "");
        EXPECT_EQ(entry.Command, "");
    }
}

TEST(LaunchListTest, EntriesRoundTripInTheirPlaces)
{
    IsolatedUserDirs dirs;
    CLaunchList list;
    list.Entries[1] = {"画像ビューア", "/usr/bin/eog --new-window"};
    list.Entries[3] = {"Edit", "\"/opt/my editor/bin/edit\""};
    ASSERT_TRUE(list.Save());

    CRegistryStore store;
    store.Open("Execute");
    EXPECT_EQ(store.QueryString("Execute.2.Title"), "画像ビューア");
    EXPECT_EQ(store.QueryString("Execute.4.Command"), "\"/opt/my editor/bin/edit\"");
    EXPECT_EQ(store.QueryString("Execute.5.Title"), "");
    store.Close();

    CLaunchList loaded;
    loaded.Load();
    for (std::size_t k = 0; k < CLaunchList::kEntryCount; ++k) {
        EXPECT_EQ(loaded.Entries[k].Title, list.Entries[k].Title) << k;
        EXPECT_EQ(loaded.Entries[k].Command, list.Entries[k].Command) << k;
    }
}
