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

void SortEntries(std::vector<CFileEntry> &entries, int keyCode, bool numeric, int direction)
{
    std::vector<CFileEntry *> order;
    order.reserve(entries.size());
    for (CFileEntry &entry : entries)
        order.push_back(&entry);
    SortEntries(order, keyCode, numeric, direction);
    // Position k takes the entry now at source[k]: follow each cycle of that
    // permutation, holding one entry aside.
    std::vector<std::size_t> source(entries.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        source[k] = static_cast<std::size_t>(order[k] - entries.data());
    order = {};
    std::vector<bool> placed(entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (placed[k] || source[k] == k)
            continue;
        CFileEntry held = std::move(entries[k]);
        std::size_t j = k;
        while (source[j] != k) {
            entries[j] = std::move(entries[source[j]]);
            placed[j] = true;
            j = source[j];
        }
        entries[j] = std::move(held);
        placed[j] = true;
    }
}
