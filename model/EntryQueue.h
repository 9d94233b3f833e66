#pragma once

#include "model/FileEntry.h"

#include <cstddef>
#include <vector>

// Listed entries handed on one by one, in order. The entries already taken
// are dropped once they are half of what is held, so a long listing's memory
// shrinks while whoever takes the entries (a run's plan) grows into it.
class CEntryQueue {
public:
    std::vector<CFileEntry> &Entries() { return m_entries; }
    // How many entries are still to be taken.
    std::size_t Remaining() const { return m_entries.size() - m_next; }
    // The next entry; false after the last one.
    bool Take(CFileEntry &entry)
    {
        if (m_next >= m_entries.size())
            return false;
        entry = std::move(m_entries[m_next++]);
        if (m_next * 2 >= m_entries.size()) {
            m_entries.erase(m_entries.begin(), m_entries.begin() + static_cast<std::ptrdiff_t>(m_next));
            m_entries.shrink_to_fit();
            m_next = 0;
        }
        return true;
    }

private:
    std::vector<CFileEntry> m_entries;
    std::size_t m_next = 0;
};
