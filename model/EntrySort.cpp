#include "model/EntrySort.h"

#include "platform/Collation.h"

#include <algorithm>
#include <numeric>

namespace {

// Orders order[first, last), rows whose keys are equal, by their names.
void OrderByName(std::vector<std::size_t> &order, std::size_t first, std::size_t last, int sign,
                 const RowName &nameOf)
{
    std::vector<std::string> names;
    names.reserve(last - first);
    for (std::size_t position = first; position < last; ++position)
        names.emplace_back(nameOf(order[position]));
    const platform::CollationKeys collation(names);
    std::vector<std::size_t> byName(names.size());
    std::iota(byName.begin(), byName.end(), std::size_t{0});
    std::stable_sort(byName.begin(), byName.end(), [&](std::size_t a, std::size_t b) {
        int order = collation.Compare(a, b);
        if (order == 0)
            order = names[a].compare(names[b]);
        return order * sign < 0;
    });
    const std::vector<std::size_t> run(order.begin() + static_cast<std::ptrdiff_t>(first),
                                       order.begin() + static_cast<std::ptrdiff_t>(last));
    for (std::size_t i = 0; i < byName.size(); ++i)
        order[first + i] = run[byName[i]];
}

} // namespace

std::vector<std::size_t> CollatedOrder(std::vector<std::string> keys, int direction, const RowName &nameOf)
{
    const platform::CollationKeys collation(std::move(keys));
    std::vector<std::size_t> order(collation.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const int sign = direction < 0 ? -1 : 1;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return collation.Compare(a, b) * sign < 0; });
    if (!nameOf)
        return order;
    // Only rows of equal keys pay for the names.
    for (std::size_t first = 0; first < order.size();) {
        std::size_t last = first + 1;
        while (last < order.size() && collation.Compare(order[first], order[last]) == 0)
            ++last;
        if (last - first > 1)
            OrderByName(order, first, last, sign, nameOf);
        first = last;
    }
    return order;
}

void SortEntries(std::vector<CFileEntry *> &entries, SortKey key, bool numeric, int direction)
{
    if (key == SortKey::None)
        return;
    std::vector<std::string> keys;
    keys.reserve(entries.size());
    for (const CFileEntry *entry : entries)
        keys.push_back(entry->GetSortKey(key, numeric));

    const RowName nameOf = [&](std::size_t index) { return std::string_view(entries[index]->fileName); };
    std::vector<CFileEntry *> sorted;
    sorted.reserve(entries.size());
    for (const std::size_t index : CollatedOrder(std::move(keys), direction, nameOf))
        sorted.push_back(entries[index]);
    entries = std::move(sorted);
}
