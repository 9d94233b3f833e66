#pragma once

#include "model/FileEntry.h"

#include <cstddef>
#include <string>
#include <vector>

// Orders entries as CFileEntry::CompareEntries does, but builds the sort key
// and its collation key once per entry instead of at every comparison.
// Entries whose keys compare equal keep their order.
void SortEntries(std::vector<CFileEntry *> &entries, SortKey key, bool numeric, int direction);

// The indices of keys in collated order (reversed when direction < 0); keys
// that compare equal keep their order.
std::vector<std::size_t> CollatedOrder(std::vector<std::string> keys, int direction);
