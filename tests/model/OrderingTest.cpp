#include "model/EntrySort.h"
#include "model/FileEntry.h"
#include "model/NumericKey.h"
#include "platform/Collation.h"

#include "support/EntryMaker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

CFileEntry Entry(const std::string &name, bool folder = false, std::uint64_t size = 0)
{
    CFileEntry entry = MakeEntry("/d", name, folder);
    entry.size = size;
    return entry;
}

int Compare(const CFileEntry &a, const CFileEntry &b, SortKey key = SortKey::Name, bool numeric = false,
            int direction = 1)
{
    const int r = CFileEntry::CompareEntries(a, b, key, numeric, direction);
    return (r > 0) - (r < 0);
}

std::vector<std::string> Names(const std::vector<CFileEntry *> &entries)
{
    std::vector<std::string> names;
    for (const CFileEntry *e : entries)
        names.push_back(e->fileName);
    return names;
}

} // namespace

TEST(NumericKey, DigitRunsArePaddedToTen)
{
    EXPECT_EQ(RewriteDigitRuns("img7.jpg"), "img         7.jpg");
    EXPECT_EQ(RewriteDigitRuns("1-2"), "         1-         2");
    EXPECT_EQ(RewriteDigitRuns("x000y"), "x         0y");
    EXPECT_EQ(RewriteDigitRuns("９"), "９"); // full-width digits are not ASCII digits
    EXPECT_EQ(Entry("track12").GetSortKey(SortKey::Name, true), "track        12");
    EXPECT_EQ(Entry("plain").GetSortKey(SortKey::Name, true), "plain");
    EXPECT_EQ(Entry("a10").GetSortKey(SortKey::Name, true), Entry("a010").GetSortKey(SortKey::Name, true));
    EXPECT_LT(Compare(Entry("a2.txt"), Entry("a10.txt"), SortKey::Name, true), 0);
    EXPECT_GT(Compare(Entry("a2.txt"), Entry("a10.txt"), SortKey::Name, false), 0);
}

TEST(NumericKey, LongRunsKeepTheirValueOrder)
{
    const char *ascending[] = {"999.png",       "a2147483647",    "a3000000000",
                               "a9999999999",   "a10000000000",   "a99999999999",
                               "a100000000000", "a1700000000000", "a1700000000001"};
    for (std::size_t i = 1; i < std::size(ascending); ++i)
        EXPECT_LT(Compare(Entry(ascending[i - 1]), Entry(ascending[i]), SortKey::Name, true), 0)
            << ascending[i];
    EXPECT_EQ(RewriteDigitRuns("a000012345678901"), RewriteDigitRuns("a12345678901"));
    const std::string huge(100, '7');
    EXPECT_EQ(RewriteDigitRuns(huge), std::string(10, '9') + huge);
}

TEST(Ordering, NamesIgnoreCaseAndFoldersComeFirst)
{
    EXPECT_EQ(Compare(Entry("abc.txt"), Entry("ABC.TXT")), 0);
    EXPECT_EQ(Entry("dir", true).GetSortKey(SortKey::Name, false), " dir");
    EXPECT_LT(Compare(Entry("zzz", true), Entry("aaa")), 0);
    EXPECT_GT(Compare(Entry("zzz", true), Entry("aaa"), SortKey::Name, false, -1), 0);
    // Folders stay first with the numeric flag, even before files named with digits.
    EXPECT_LT(Compare(Entry("zzz", true), Entry("0"), SortKey::Name, true), 0);
    EXPECT_LT(Compare(Entry("2019", true), Entry("01 intro.mp3"), SortKey::Name, true), 0);
    EXPECT_LT(Compare(Entry("9", true), Entry("10", true), SortKey::Name, true), 0);
}

TEST(Ordering, OtherKeys)
{
    // Sizes beyond 32 bits still order by value.
    EXPECT_LT(
        Compare(Entry("a", false, 2'147'483'648ull), Entry("b", false, 4'294'967'297ull), SortKey::Size), 0);
    EXPECT_LT(Compare(Entry("a", false, 999), Entry("b", false, 1000), SortKey::Size), 0);
    EXPECT_EQ(Entry("a", false, 1025).GetSortKey(SortKey::Size, false), "00000000000000001025");
    EXPECT_EQ(Compare(Entry("dir", true), Entry("empty"), SortKey::Size), 0);

    EXPECT_EQ(Compare(Entry("a"), Entry("b", true, 7), SortKey::None), 0);
}

TEST(EntrySort, OrdersByPreparedKeys)
{
    std::vector<CFileEntry> store = {Entry("img10.jpg"), Entry("IMG2.jpg"),     Entry("photos", true),
                                     Entry("img1.jpg"),  Entry("Albums", true), Entry("readme")};
    std::vector<CFileEntry *> entries;
    for (CFileEntry &e : store)
        entries.push_back(&e);

    SortEntries(entries, SortKey::Name, true, 1);
    EXPECT_EQ(Names(entries),
              (std::vector<std::string>{"Albums", "photos", "img1.jpg", "IMG2.jpg", "img10.jpg", "readme"}));
    SortEntries(entries, SortKey::Name, false, 1);
    EXPECT_EQ(Names(entries),
              (std::vector<std::string>{"Albums", "photos", "img1.jpg", "img10.jpg", "IMG2.jpg", "readme"}));
}

TEST(EntrySort, AgreesWithCompareEntriesAndOrdersEqualKeysByName)
{
    std::vector<CFileEntry> store;
    for (const char *name : {"b", "B", "a10", "a010", "a9", " ", "\xff", "\xfe", "z", "Z", "日本", "にほん"})
        store.push_back(Entry(name, false, std::string(name).size()));
    std::vector<CFileEntry *> entries;
    for (CFileEntry &e : store)
        entries.push_back(&e);

    const std::vector<CFileEntry *> original = entries;
    SortEntries(entries, SortKey::None, false, 1);
    EXPECT_EQ(entries, original);

    for (SortKey key : {SortKey::Name, SortKey::Size}) {
        for (bool numeric : {false, true}) {
            std::vector<CFileEntry *> expected = original;
            std::stable_sort(expected.begin(), expected.end(), [&](const CFileEntry *a, const CFileEntry *b) {
                int order = CFileEntry::CompareEntries(*a, *b, key, numeric, 1);
                if (order == 0)
                    order = platform::CompareCollated(a->fileName, b->fileName);
                if (order == 0)
                    order = a->fileName.compare(b->fileName);
                return order > 0;
            });
            std::vector<CFileEntry *> sorted = original;
            SortEntries(sorted, key, numeric, -1);
            EXPECT_EQ(Names(sorted), Names(expected))
                << "key " << static_cast<int>(key) << " numeric " << numeric;
        }
    }
}
