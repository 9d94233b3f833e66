#pragma once
// TEMPORARY stand-in until the listing branch lands (replaced by its version).
#include "model/FileEntry.h"
#include "platform/DirectoryList.h"

#include <cstdint>
#include <string>
#include <vector>

struct ListingFilter {
    std::string patterns;
    bool hideFolders = false;
    std::uint32_t hideMask = 0;
};
enum class SortKey : int { Name = 0, Size = 1, Type = 2, Time = 3, Attributes = 4, FullPath = 50, None = 99 };
struct ListingSort {
    SortKey key = SortKey::Name;
    bool numeric = false;
    bool descending = false;
};
struct CandidateListing {
    ListingFilter filter;
    ListingSort sort;
    bool folders = false;
    platform::StoredFlags storedFlags = platform::StoredFlags::Skip;
};
int ListCandidates(const std::string &directory, int directoryFd, const CandidateListing &listing,
                   std::vector<CFileEntry> &entries);
