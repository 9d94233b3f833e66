#include "ui/main/DirectoryLister.h"
#include "support/ListingSample.h"
#include "support/TempDir.h"

#include "platform/DirectoryList.h"
#include "ui/main/SelectionList.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using testing_support::TempDir;

namespace {

std::vector<std::string> Names(const CSelectionList &list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.RowCount(); ++i)
        names.push_back(list.Name(i));
    return names;
}

// Fills a selection list from a lister as the window does, and counts what arrives.
class ListerClient {
public:
    explicit ListerClient(CDirectoryLister &lister) : m_lister(lister)
    {
        QObject::connect(&lister, &CDirectoryLister::RowsReady, [this] {
            ++batches;
            EXPECT_GT(m_lister.PendingCount(), 0);
            m_lister.MoveInto(rows);
            if (onRows)
                onRows();
        });
        QObject::connect(&lister, &CDirectoryLister::OrderReady, [this] {
            const int count = rows.RowCount();
            const std::vector<std::string> before = Names(rows);
            const std::vector<int> newRowOf = m_lister.ApplyOrder(rows);
            ASSERT_EQ(static_cast<int>(newRowOf.size()), count);
            for (int old = 0; old < count; ++old)
                EXPECT_EQ(rows.Name(newRowOf[static_cast<std::size_t>(old)]),
                          before[static_cast<std::size_t>(old)]);
        });
        QObject::connect(&lister, &CDirectoryLister::Finished, [this](int e) {
            ++finished;
            error = e;
        });
    }

    // Runs the event loop until the listing has finished or `ms` have passed.
    void WaitForFinished(int ms = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        while (finished == 0 && timer.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    void RunEvents(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    CSelectionList rows;
    std::function<void()> onRows;
    int batches = 0;
    int finished = 0;
    int error = -1;

private:
    CDirectoryLister &m_lister;
};

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

TEST_F(DirectoryListerTest, GivesTheRowsAndOrderOfFillAndSort)
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
            EXPECT_EQ(expected.Fill(dir.path(), filter), 0);
            expected.Sort(sort);

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
    expected.Fill(dir.path(), {});
    expected.Sort({});
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
}

} // namespace
