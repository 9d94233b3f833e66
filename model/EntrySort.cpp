#include "model/EntrySort.h"

#include "platform/Collation.h"

#include <algorithm>
#include <numeric>

void SortEntries(std::vector<CFileEntry *> &entries, int keyCode, bool numeric, int direction)
{
    std::vector<std::string> texts;
    texts.reserve(entries.size());
    for (const CFileEntry *entry : entries)
        texts.push_back(entry->GetSortKey(keyCode, numeric));
    const platform::CollationKeys keys(std::move(texts));

    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const int sign = direction < 0 ? -1 : 1;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys.Compare(a, b) * sign < 0; });

    std::vector<CFileEntry *> sorted;
    sorted.reserve(entries.size());
    for (const std::size_t index : order)
        sorted.push_back(entries[index]);
    entries = std::move(sorted);
}
