#include "model/DirectoryListing.h"

#include "model/EntrySort.h"
#include "model/TypeNames.h"
#include "platform/Attributes.h"
#include "platform/Paths.h"
#include "platform/Wildcard.h"

#include <algorithm>
#include <cerrno>
#include <optional>

namespace {

constexpr const char *kParentName = "..";

ListedEntry ParentRow(const std::string &held)
{
    platform::DirEntryInfo parent;
    platform::ReadDirEntry(platform::JoinPath(held, kParentName), parent);
    parent.name = kParentName;
    parent.isDirectory = true;
    ListedEntry row = ListedEntry::FromInfo(parent);
    // ".." leads back up; its leading dot does not make it a hidden entry.
    row.attributes &= ~platform::kAttrHidden;
    return row;
}

// What a filter lets through, its patterns made once per listing.
class FilterRule {
public:
    explicit FilterRule(const ListingFilter &filter) : m_filter(filter)
    {
        for (const std::string &text : platform::SplitPatternList(filter.patterns))
            m_patterns.emplace_back(text);
    }

    // The group of a listed item, or nothing when the filter leaves it out.
    std::optional<ListingGroup> GroupOf(const platform::DirEntryInfo &item) const
    {
        // Attributes that could not be read might be any: every hide mask hides them.
        const bool hidden =
            item.attributesKnown ? (item.attributes & m_filter.hideMask) != 0 : m_filter.hideMask != 0;
        if (item.isDirectory)
            return m_filter.hideFolders && hidden ? std::nullopt : std::optional(kFolderGroup);
        if (hidden)
            return std::nullopt;
        for (std::size_t i = 0; i < m_patterns.size(); ++i) {
            if (m_patterns[i].Matches(item.name))
                return kFirstPatternGroup + static_cast<ListingGroup>(i);
        }
        return std::nullopt;
    }

private:
    const ListingFilter &m_filter;
    std::vector<platform::WildcardPattern> m_patterns;
};

// The stored flags cost a system call per entry: read only when the caller
// wants them, or when hiding or ordering by attributes depends on them.
platform::StoredFlags FlagsToRead(const CandidateListing &listing)
{
    const bool needed = listing.storedFlags == platform::StoredFlags::Read ||
                        (listing.filter.hideMask & platform::kStoredAttributeMask) != 0 ||
                        listing.sort.key == SortKey::Attributes;
    return needed ? platform::StoredFlags::Read : platform::StoredFlags::Skip;
}

} // namespace

int ReadFilteredListing(const std::string &directory, const ListingFilter &filter,
                        const std::function<bool(ListedEntry &&, ListingGroup)> &add)
{
    const std::string held = platform::NormalizeDirectory(directory);
    if (!platform::IsRootDirectory(held) && !add(ParentRow(held), kParentGroup))
        return ECANCELED;

    const FilterRule rule(filter);
    return platform::ListDirectoryWhile(held, {}, [&](const platform::DirEntryInfo &item) {
        const std::optional<ListingGroup> group = rule.GroupOf(item);
        return !group || add(ListedEntry::FromInfo(item), *group);
    });
}

std::vector<std::size_t> ListingOrder(const std::vector<ListingGroup> &groups)
{
    // A counting sort: the start of every group, then each row in turn.
    const ListingGroup last = groups.empty() ? 0 : *std::max_element(groups.begin(), groups.end());
    std::vector<std::size_t> next(static_cast<std::size_t>(last) + 2, 0);
    for (const ListingGroup group : groups)
        ++next[group + 1];
    for (std::size_t i = 1; i < next.size(); ++i)
        next[i] += next[i - 1];
    std::vector<std::size_t> order(groups.size());
    for (std::size_t row = 0; row < groups.size(); ++row)
        order[next[groups[row]]++] = row;
    return order;
}

std::vector<std::size_t> SortedListingOrder(std::vector<std::string> keys, const ListingSort &sort,
                                            const RowName &nameOf, std::size_t parentRow)
{
    const bool sorted = sort.key != SortKey::None;
    std::vector<std::size_t> order =
        CollatedOrder(std::move(keys), sort.descending ? -1 : 1, sorted ? nameOf : RowName());
    if (const auto parent = std::find(order.begin(), order.end(), parentRow); parent != order.end())
        std::rotate(order.begin(), parent, parent + 1);
    return order;
}

int ListCandidates(const std::string &directory, int directoryFd, const CandidateListing &listing,
                   CListedCandidates &candidates)
{
    const std::string held = platform::NormalizeDirectory(directory);
    const FilterRule rule(listing.filter);
    // The rows as the selection list keeps them, so that they order as its rows do.
    std::vector<ListedEntry> rows;
    std::vector<ListingGroup> groups;
    const auto take = [&](const platform::DirEntryInfo &item) {
        const std::optional<ListingGroup> group = rule.GroupOf(item);
        if (!group)
            return;
        ListedEntry row = ListedEntry::FromInfo(item);
        if (row.isFolder != listing.folders)
            return;
        rows.push_back(std::move(row));
        groups.push_back(*group);
    };
    const platform::StoredFlags flags = FlagsToRead(listing);
    const int error = directoryFd >= 0 ? platform::ListDirectoryAt(directoryFd, held, "", take, flags)
                                       : platform::ListDirectory(held, "", take, flags);
    if (error != 0)
        return error;

    const bool byType = listing.sort.key == SortKey::Type;
    TypeNames types;
    static const std::string kNoType;
    ListedSortKey sortKey(listing.sort.key, listing.sort.numeric);
    const std::vector<std::size_t> listed = ListingOrder(groups);
    std::vector<std::string> keys;
    keys.reserve(listed.size());
    for (const std::size_t row : listed)
        keys.push_back(sortKey(rows[row], byType ? types.Name(rows[row].TypeKey()) : kNoType));

    const RowName nameOf = [&](std::size_t position) {
        return std::string_view(rows[listed[position]].name);
    };
    std::vector<std::size_t> order = SortedListingOrder(std::move(keys), listing.sort, nameOf);
    for (std::size_t &position : order)
        position = listed[position];
    candidates.Assign(held, std::move(rows), order, byType);
    return 0;
}

int ListCandidates(const std::string &directory, int directoryFd, const CandidateListing &listing,
                   std::vector<CFileEntry> &entries)
{
    entries.clear();
    CListedCandidates candidates;
    if (const int error = ListCandidates(directory, directoryFd, listing, candidates))
        return error;
    entries.reserve(candidates.Remaining());
    for (CFileEntry entry; candidates.Take(entry);)
        entries.push_back(std::move(entry));
    return 0;
}
