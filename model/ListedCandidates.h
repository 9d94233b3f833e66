#pragma once

#include "model/FileEntry.h"
#include "model/ListedEntry.h"
#include "model/TypeNames.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

// The candidates of a listed directory, handed on one by one in the order to
// number them. Each is kept as its compact listed row, in that order, and made
// into its full entry only when it is taken (the row is let go then), so a
// long listing's memory shrinks while whoever takes the entries (a run's
// plan) grows.
class CListedCandidates {
public:
    // rows of `directory` (held form), taken in `order`; with typeNames every
    // entry is given its type name.
    void Assign(std::string directory, std::vector<ListedEntry> rows, const std::vector<std::size_t> &order,
                bool typeNames);
    // How many entries are still to be taken.
    std::size_t Remaining() const { return m_queue.size(); }
    // The next entry; false after the last one.
    bool Take(CFileEntry &entry);

private:
    std::string m_directory;
    std::deque<ListedEntry> m_queue;
    bool m_typeNames = false;
    TypeNames m_types;
};
