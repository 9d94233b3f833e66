#include "model/EntrySort.h"
#include "model/FileEntry.h"
#include "platform/Collation.h"

#include "OrderingTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(const std::vector<CFileEntry *> &entries)
{
    std::vector<std::string> names;
    for (const CFileEntry *e : entries)
        names.push_back(e->fileName);
    return names;
}

} // namespace

TEST(EntrySortTest, OrdersByPreparedKeys)
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

TEST(EntrySortTest, AgreesWithCompareEntriesAndOrdersEqualKeysByName)
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
