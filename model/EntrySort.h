#pragma once

#include "model/FileEntry.h"

#include <vector>

// Orders entries as CFileEntry::CompareEntries does, but builds the sort key
// and its collation key once per entry instead of at every comparison.
// Entries whose keys compare equal keep their order.
void SortEntries(std::vector<CFileEntry *> &entries, int keyCode, bool numeric, int direction);
