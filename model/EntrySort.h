#pragma once

#include "model/FileEntry.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The name of the row at an index, which orders rows whose sort keys are equal.
using RowName = std::function<std::string_view(std::size_t)>;

// The indices of keys in collated order, reversed when direction < 0. Rows of
// equal keys are ordered by their names in the same direction, collated and
// then byte for byte, so an order never depends on the order in which a
// directory happened to give its entries; rows of equal names (or all rows
// of equal keys without nameOf) keep their order.
std::vector<std::size_t> CollatedOrder(std::vector<std::string> keys, int direction,
                                       const RowName &nameOf = {});

// Orders entries as CFileEntry::CompareEntries does, rows of equal keys by
// their file names as CollatedOrder does, building every key once. With
// SortKey::None every entry keeps its place.
void SortEntries(std::vector<CFileEntry *> &entries, SortKey key, bool numeric, int direction);
