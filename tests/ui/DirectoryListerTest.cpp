#include "ui/main/DirectoryLister.h"
#include "ListerClient.h"
#include "support/ListingSample.h"
#include "support/TempDir.h"

#include "model/DirectoryListing.h"
#include "platform/DirectoryList.h"
#include "platform/Paths.h"
#include "ui/main/SelectionList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using testing_support::TempDir;

namespace {

// What a listing must end with: every row of the directory read in one go,
// in listing order, then sorted by the list.
void ListAndSort(CSelectionList &list, const std::string &directory, const ListingFilter &filter,
                 const ListingSort &sort)
{
    const std::string normalized = platform::NormalizeDirectory(directory);
    std::vector<ListedEntry> read;
    std::vector<ListingGroup> groups;
    ReadFilteredListing(normalized, filter, [&](ListedEntry &&row, ListingGroup group) {
        read.push_back(std::move(row));
        groups.push_back(group);
        return true;
    });
    std::vector<ListedEntry> rows;
    for (const std::size_t row : ListingOrder(groups))
        rows.push_back(std::move(read[row]));
    list.Clear();
    list.AppendRows(normalized, std::move(rows));
    list.Sort(sort);
}

// The listing sample, a folder named like a file, and many files of one size
// so that the sort keeps the listing order among them.
class DirectoryListerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing_support::WriteListingSample(dir);
        dir.mkdir("b.d");
        for (int i = 0; i < 40; ++i)
            dir.write("same" + std::to_string(i) + (i % 2 ? ".jpg" : ".png"), "xx");
    }

    TempDir dir;
    CDirectoryLister lister;
};

TEST_F(DirectoryListerTest, GivesTheRowsOfTheWholeListingInTheOrderOfItsSort)
{
    const ListingFilter filters[] = {
        {},
        {"*.jpg;s*;*.txt", false, 0},
        {"", true, platform::kAttrHidden},
    };
    for (const ListingFilter &filter : filters) {
        for (const SortKey key : {SortKey::Name, SortKey::Size, SortKey::Type, SortKey::None}) {
            const ListingSort sort{key, key == SortKey::Name, key == SortKey::Size};
            CSelectionList expected;
            ListAndSort(expected, dir.path(), filter, sort);

            ListerClient client(lister);
            lister.Start(dir.path(), filter, sort);
            client.WaitForFinished();
            EXPECT_EQ(client.finished, 1);
            EXPECT_EQ(client.error, 0);
            EXPECT_FALSE(lister.IsRunning());
            EXPECT_EQ(Names(client.rows), Names(expected))
                << filter.patterns << " key " << static_cast<int>(key);
            EXPECT_EQ(client.rows.Directory(), expected.Directory());
            lister.disconnect();
        }
    }
}

// Enough files that the reading outlasts the first batch.
void WriteManyFiles(const TempDir &dir, int count)
{
    for (int i = 0; i < count; ++i)
        dir.write("f" + std::to_string(i));
}

TEST_F(DirectoryListerTest, CancelledListingDeliversNothingMore)
{
    TempDir big;
    WriteManyFiles(big, 5000);
    ListerClient client(lister);
    int progress = 0;
    QObject::connect(&lister, &CDirectoryLister::Progress, [&progress] { ++progress; });
    client.onRows = [&] { lister.Cancel(); };
    lister.Start(big.path(), {}, {});
    client.WaitForFinished(500);

    EXPECT_EQ(client.batches, 1);
    EXPECT_EQ(progress, 1);
    EXPECT_EQ(client.finished, 0);
    EXPECT_FALSE(lister.IsRunning());
    EXPECT_EQ(lister.PendingCount(), 0);
}

TEST_F(DirectoryListerTest, NewStartWhileRunningGivesOnlyTheSecondFolder)
{
    TempDir big;
    WriteManyFiles(big, 5000);
    ListerClient client(lister);
    // The second listing starts once the first has handed over rows.
    bool restarted = false;
    client.onRows = [&] {
        if (std::exchange(restarted, true))
            return;
        client.rows.Clear();
        lister.Start(dir.path(), {}, {});
    };
    lister.Start(big.path(), {}, {});
    client.WaitForFinished();
    client.RunEvents(200);

    CSelectionList expected;
    ListAndSort(expected, dir.path(), {}, {});
    EXPECT_EQ(client.finished, 1);
    EXPECT_EQ(Names(client.rows), Names(expected));
    EXPECT_EQ(client.rows.Directory(), dir.path());
}

TEST_F(DirectoryListerTest, UnreadableFolderGivesParentAndErrno)
{
    ListerClient client(lister);
    lister.Start(dir.file("missing"), {}, {});
    client.WaitForFinished();
    EXPECT_EQ(client.error, ENOENT);
    EXPECT_EQ(Names(client.rows), (std::vector<std::string>{".."}));
}

TEST_F(DirectoryListerTest, NamesThatAreNotUtf8KeepEveryByte)
{
    const std::string name = "\x82\xa0sjis\xff.jpg";
    dir.write(name);
    ListerClient client(lister);
    lister.Start(dir.path(), {"*.jpg", false, 0}, {SortKey::Type});
    client.WaitForFinished();
    const int row = client.rows.FindName(name);
    ASSERT_NE(row, -1);
    EXPECT_EQ(client.rows.Entry(row).fullPath, dir.file(name));
    EXPECT_EQ(client.rows.Entry(row).fileName, name);
}

} // namespace
