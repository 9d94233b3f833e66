#pragma once

#include "model/EntrySort.h"
#include "model/FileEntry.h"
#include "model/ListedCandidates.h"
#include "model/ListedEntry.h"
#include "model/SortKey.h"
#include "platform/DirectoryList.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Which entries of a directory a listing gives.
struct ListingFilter {
    std::string patterns;       // ";"-separated wildcard patterns for files; empty lists every file
    bool hideFolders = false;   // the hide mask applies to folders too
    std::uint32_t hideMask = 0; // entries sharing a bit with it are not listed
};

// Where a row belongs in the order of a listing before any sort: ".." first,
// then the folders, then the files of each pattern in turn (group
// kFirstPatternGroup + the index of the first pattern the file matches).
using ListingGroup = std::uint32_t;
constexpr ListingGroup kParentGroup = 0;
constexpr ListingGroup kFolderGroup = 1;
constexpr ListingGroup kFirstPatternGroup = 2;

// Reads `directory` and calls add with every row the filter lets through as
// soon as it is read, with its group: ".." unless at the root, the folders
// (those sharing a bit with the hide mask only when hideFolders is unset),
// and every file that matches a pattern and shares no bit with the hide mask,
// once. An entry whose attributes cannot be read counts as sharing a bit
// with any hide mask but an empty one. add returns false to stop the reading. Returns 0, ECANCELED when add
// stopped it, or the errno value of a directory that cannot be read (".." is
// still given). The stored flags are read. Plain C++, safe on any thread.
int ReadFilteredListing(const std::string &directory, const ListingFilter &filter,
                        const std::function<bool(ListedEntry &&, ListingGroup)> &add);

// The order of rows given in reading order with their groups: the index of
// the row at each position, grouped in order and read order within a group.
std::vector<std::size_t> ListingOrder(const std::vector<ListingGroup> &groups);

// How a listing is sorted: by the collated sort key of every row (see
// CFileEntry::GetSortKey), rows of equal keys by their names (see
// CollatedOrder), in either direction.
struct ListingSort {
    SortKey key = SortKey::Name;
    bool numeric = false;
    bool descending = false;

    bool operator==(const ListingSort &) const = default;
};

constexpr std::size_t kNoParentRow = static_cast<std::size_t>(-1);

// The order of a listing's rows as `sort` asks, keys[i] being the sort key of
// row i and nameOf its name: ".." (row parentRow, when listed) first whatever
// the sort, the others as CollatedOrder orders them. SortKey::None keeps the
// rows in their order.
std::vector<std::size_t> SortedListingOrder(std::vector<std::string> keys, const ListingSort &sort,
                                            const RowName &nameOf, std::size_t parentRow = kNoParentRow);

// The candidates a listed directory gives: files, or folders when asked.
// The stored flags are read when asked, and also where the filter's hide
// mask or the attribute sort needs them.
struct CandidateListing {
    ListingFilter filter;
    ListingSort sort;
    bool folders = false;
    platform::StoredFlags storedFlags = platform::StoredFlags::Skip;
};

// The candidate entries of `directory` in the order to number them: those
// the window's 全て追加 adds from the selection list of the directory listed
// with the same filter and sort, in that order (".." never). The window
// lists with the active filter record (FilterMode: its patterns, IsHideDir
// and hide mask), the selection list's current sort (its column, from
// SortMode until a header or menu choice changes it, the direction, from
// IsSortDown likewise, and IsSortNum), folders when the candidates are
// folders (ObjMode, or numbered directories), and reads the stored flags.
// Sorted by type, every entry carries its type name. The directory is read
// through directoryFd when it is an open directory (>= 0), which stays the
// folder listed even if the path names another one by now; the entries then
// still carry `directory` as their folder.
// 0 or the errno value of a directory that cannot be read; candidates to be
// taken in the order to number them.
int ListCandidates(const std::string &directory, int directoryFd, const CandidateListing &listing,
                   CListedCandidates &candidates);
// The same, every entry made at once.
int ListCandidates(const std::string &directory, int directoryFd, const CandidateListing &listing,
                   std::vector<CFileEntry> &entries);
