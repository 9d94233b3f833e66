#include "exec/RenameRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace exec;

// Stored paths keep their bytes and their place while many more are added,
// long ones (beyond a block's share) included.
TEST(PathStoreTest, PathsKeepTheirBytesAndPlaceWhileMoreAreStored)
{
    CPathStore store;
    std::vector<std::string> wanted = {"/d/a\xff\n\tb", std::string(200'000, 'x'), "/d/b"};
    for (int i = 0; i < 50'000; ++i)
        wanted.push_back("/folder/file " + std::to_string(i));
    std::vector<CPathText> stored;
    for (const std::string &path : wanted)
        stored.push_back(store.Store(path));
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        ASSERT_EQ(stored[i].view(), wanted[i]) << i;
        ASSERT_EQ(stored[i].c_str()[wanted[i].size()], '\0') << i;
    }
    EXPECT_TRUE(store.Store("").empty());
    EXPECT_EQ(CPathText().size(), 0u);
}

// A record taken into another list keeps its paths after the list it came
// from is gone; a list moved from still takes paths.
TEST(PathStoreTest, RecordsTakenIntoAnotherListOutliveTheirFirstList)
{
    CRenameRecords kept;
    {
        CRenameRecords first;
        CRenameRecord r;
        r.oldPath = first.Store("/d/old");
        r.newPath = first.Store("/d/new");
        first.push_back(r);
        kept.Add(first[0]);
        CRenameRecords moved = std::move(first);
        EXPECT_EQ(first.Store("/d/again").view(), "/d/again"); // NOLINT(bugprone-use-after-move)
    }
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].oldPath.view(), "/d/old");
    EXPECT_EQ(kept[0].newPath.view(), "/d/new");
    EXPECT_TRUE(kept[0].tempPath.empty());
}
