// TEMPORARY stand-in until the listing branch lands (replaced by its version).
#include "model/DirectoryListing.h"

#include "model/EntrySort.h"
#include "platform/Wildcard.h"

#include <algorithm>

int ListCandidates(const std::string &directory, int directoryFd, const CandidateListing &listing,
                   std::vector<CFileEntry> &entries)
{
    std::vector<platform::WildcardPattern> patterns;
    for (const std::string &pattern : platform::SplitPatternList(listing.filter.patterns))
        patterns.emplace_back(pattern);
    std::vector<CFileEntry> found;
    const auto take = [&](const platform::DirEntryInfo &info) {
        if (info.isDirectory != listing.folders)
            return;
        if (!patterns.empty() &&
            std::none_of(patterns.begin(), patterns.end(),
                         [&](const platform::WildcardPattern &p) { return p.Matches(info.name); }))
            return;
        found.emplace_back(info);
    };
    const int code = directoryFd >= 0
                         ? platform::ListDirectoryAt(directoryFd, directory, "", take, listing.storedFlags)
                         : platform::ListDirectory(directory, "", take, listing.storedFlags);
    if (code)
        return code;
    std::vector<CFileEntry *> order;
    for (CFileEntry &e : found)
        order.push_back(&e);
    SortEntries(order, static_cast<int>(listing.sort.key), listing.sort.numeric,
                listing.sort.descending ? -1 : 1);
    for (CFileEntry *e : order)
        entries.push_back(std::move(*e));
    return 0;
}
