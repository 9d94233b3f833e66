#pragma once

// What the tests of entry order share: entries of one folder without touching
// disk, and the sign of CFileEntry::CompareEntries.
#include "model/FileEntry.h"

#include "support/EntryMaker.h"

#include <cstdint>
#include <string>

inline CFileEntry Entry(const std::string &name, bool folder = false, std::uint64_t size = 0)
{
    CFileEntry entry = MakeEntry("/d", name, folder);
    entry.size = size;
    return entry;
}

inline int Compare(const CFileEntry &a, const CFileEntry &b, SortKey key = SortKey::Name,
                   bool numeric = false, int direction = 1)
{
    const int r = CFileEntry::CompareEntries(a, b, key, numeric, direction);
    return (r > 0) - (r < 0);
}
