// The selection list sorted on a worker thread: the order that arrives, and
// the orders that never do.
#include "ui/main/SelectionSorter.h"
#include "ListerClient.h"
#include "support/ListingSample.h"
#include "support/TempDir.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using testing_support::TempDir;

namespace {

// The listing sample and files of a few sizes and two types, listed by name.
class SelectionSorterTest : public ::testing::Test {
protected:
    SelectionSorterTest()
    {
        testing_support::WriteListingSample(dir);
        for (int i = 0; i < 30; ++i)
            dir.write("n" + std::to_string(i) + (i % 2 ? ".jpg" : ".txt"), std::string(i % 4, 'x'));
        lister.Start(dir.path(), {}, {});
        client.WaitForFinished();
        QObject::connect(&sorter, &CSelectionSorter::OrderReady,
                         [this](const ListingSort &sort) { arrived.push_back(sort); });
    }
    // The names in the order a listing sorted by `sort` gives.
    std::vector<std::string> Listed(const ListingSort &sort) const
    {
        CDirectoryLister other;
        ListerClient listed(other);
        other.Start(dir.path(), {}, sort);
        listed.WaitForFinished();
        return Names(listed.rows);
    }
    bool WaitForOrder()
    {
        const std::size_t before = arrived.size();
        return QTest::qWaitFor([&] { return arrived.size() > before; }, 20000);
    }

    TempDir dir;
    CDirectoryLister lister;
    ListerClient client{lister};
    CSelectionList &rows = client.rows;
    CSelectionSorter sorter;
    std::vector<ListingSort> arrived;
};

TEST_F(SelectionSorterTest, TheOrderThatArrivesIsTheOneAListingGivesAndMovesEveryRow)
{
    for (const ListingSort &sort : {ListingSort{SortKey::Size}, ListingSort{SortKey::Type, false, true},
                                    ListingSort{SortKey::Name, true, true}}) {
        sorter.Start(rows, sort);
        ASSERT_TRUE(WaitForOrder());
        EXPECT_EQ(arrived.back(), sort);
        const std::vector<std::string> before = Names(rows);
        const std::vector<int> newRowOf = sorter.ApplyOrder(rows);
        ASSERT_EQ(newRowOf.size(), before.size());
        for (std::size_t old = 0; old < before.size(); ++old)
            EXPECT_EQ(rows.Name(newRowOf[old]), before[old]);
        EXPECT_EQ(Names(rows), Listed(sort)) << "key " << static_cast<int>(sort.key);
    }
}

TEST_F(SelectionSorterTest, OnlyTheLastSortArrivesAndNeverMovesRowsThatChangedMeanwhile)
{
    const ListingSort last{SortKey::Name, false, true};
    sorter.Start(rows, {SortKey::Size});
    sorter.Start(rows, last);
    ASSERT_TRUE(WaitForOrder());
    QTest::qWait(50);
    ASSERT_EQ(arrived.size(), 1u) << "the superseded sort never arrives";
    EXPECT_EQ(arrived.front(), last);

    sorter.Start(rows, {SortKey::Size});
    ASSERT_TRUE(WaitForOrder());
    rows.Sort({SortKey::Type});
    const std::vector<std::string> sortedByType = Names(rows);
    EXPECT_TRUE(sorter.ApplyOrder(rows).empty());
    EXPECT_EQ(Names(rows), sortedByType);
}

TEST_F(SelectionSorterTest, CancelledOrDestroyedSortsNeverArrive)
{
    sorter.Start(rows, {SortKey::Size});
    sorter.Cancel();
    EXPECT_FALSE(sorter.IsRunning());
    auto other = std::make_unique<CSelectionSorter>();
    QObject::connect(other.get(), &CSelectionSorter::OrderReady,
                     [this](const ListingSort &sort) { arrived.push_back(sort); });
    other->Start(rows, {SortKey::Size});
    other.reset();
    QTest::qWait(50);
    EXPECT_TRUE(arrived.empty());
}

} // namespace
