#include "model/ListedCandidates.h"

void CListedCandidates::Assign(std::string directory, std::vector<ListedEntry> rows,
                               const std::vector<std::size_t> &order, bool typeNames)
{
    m_directory = std::move(directory);
    // Put in the order they are taken, so that each block of the queue is
    // freed as soon as its rows are taken.
    m_queue.clear();
    for (const std::size_t row : order)
        m_queue.push_back(std::move(rows[row]));
    m_typeNames = typeNames;
}

bool CListedCandidates::Take(CFileEntry &entry)
{
    if (m_queue.empty())
        return false;
    const ListedEntry &row = m_queue.front();
    entry = row.ToEntry(m_directory);
    if (m_typeNames)
        entry.typeName = m_types.Name(row.TypeKey());
    m_queue.pop_front();
    return true;
}
