#include "ui/main/FilteredListing.h"

#include "platform/Paths.h"
#include "platform/Wildcard.h"

#include <algorithm>
#include <cerrno>

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

} // namespace

int ReadFilteredListing(const std::string &directory, const ListingFilter &filter,
                        const std::function<bool(ListedEntry &&, ListingGroup)> &add)
{
    const std::string held = platform::NormalizeDirectory(directory);
    if (!platform::IsRootDirectory(held) && !add(ParentRow(held), kParentGroup))
        return ECANCELED;

    std::vector<platform::WildcardPattern> patterns;
    for (const std::string &text : platform::SplitPatternList(filter.patterns))
        patterns.emplace_back(text);

    return platform::ListDirectoryWhile(held, {}, [&](const platform::DirEntryInfo &item) {
        const bool hidden = (item.attributes & filter.hideMask) != 0;
        if (item.isDirectory)
            return (filter.hideFolders && hidden) || add(ListedEntry::FromInfo(item), kFolderGroup);
        if (hidden)
            return true;
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            if (patterns[i].Matches(item.name) &&
                !add(ListedEntry::FromInfo(item), kFirstPatternGroup + static_cast<ListingGroup>(i)))
                return false;
        }
        return true;
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
