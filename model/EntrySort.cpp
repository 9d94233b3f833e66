#include "model/EntrySort.h"

#include "platform/Collation.h"

#include <algorithm>
#include <numeric>

std::vector<std::size_t> CollatedOrder(std::vector<std::string> keys, int direction)
{
    const platform::CollationKeys collation(std::move(keys));
    std::vector<std::size_t> order(collation.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const int sign = direction < 0 ? -1 : 1;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return collation.Compare(a, b) * sign < 0; });
    return order;
}

void SortEntries(std::vector<CFileEntry *> &entries, SortKey key, bool numeric, int direction)
{
    std::vector<std::string> keys;
    keys.reserve(entries.size());
    for (const CFileEntry *entry : entries)
        keys.push_back(entry->GetSortKey(key, numeric));

    std::vector<CFileEntry *> sorted;
    sorted.reserve(entries.size());
    for (const std::size_t index : CollatedOrder(std::move(keys), direction))
        sorted.push_back(entries[index]);
    entries = std::move(sorted);
}
