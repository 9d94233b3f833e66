#pragma once

#include "model/ListedEntry.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Which entries of a directory the selection list shows.
struct ListingFilter {
    std::string patterns;       // ";"-separated wildcard patterns; empty lists every file
    bool hideFolders = false;   // the hide mask applies to folders too
    std::uint32_t hideMask = 0; // entries sharing a bit with it are not listed
};

// Where a row belongs in the list's order before any sort: ".." first, then
// the folders, then the files of each pattern in turn (group
// kFirstPatternGroup + the pattern's index).
using ListingGroup = std::uint32_t;
constexpr ListingGroup kParentGroup = 0;
constexpr ListingGroup kFolderGroup = 1;
constexpr ListingGroup kFirstPatternGroup = 2;

// Reads `directory` and calls add with every row the filter lets through as
// soon as it is read, with its group: ".." unless at the root, the folders
// (those sharing a bit with the hide mask only when hideFolders is unset),
// and every file not sharing a bit with the hide mask once per pattern it
// matches. add returns false to stop the reading. Returns 0, ECANCELED when
// add stopped it, or the errno value of a directory that cannot be read
// (".." is still given). Plain C++, safe on any thread.
int ReadFilteredListing(const std::string &directory, const ListingFilter &filter,
                        const std::function<bool(ListedEntry &&, ListingGroup)> &add);

// The order of rows given in reading order with their groups: the index of
// the row at each position, grouped in order and read order within a group.
std::vector<std::size_t> ListingOrder(const std::vector<ListingGroup> &groups);
