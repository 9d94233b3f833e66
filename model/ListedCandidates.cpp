#include "model/ListedCandidates.h"

void CListedCandidates::Assign(std::string directory, std::vector<ListedEntry> rows,
                               std::vector<std::size_t> order, bool typeNames)
{
    m_directory = std::move(directory);
    m_rows = std::move(rows);
    m_rows.shrink_to_fit();
    m_order = std::move(order);
    m_next = 0;
    m_typeNames = typeNames;
}

bool CListedCandidates::Take(CFileEntry &entry)
{
    if (m_next >= m_order.size()) {
        m_rows = {};
        m_order = {};
        m_next = 0;
        return false;
    }
    ListedEntry &row = m_rows[m_order[m_next++]];
    entry = row.ToEntry(m_directory);
    if (m_typeNames)
        entry.typeName = m_types.Name(row.TypeKey());
    std::string().swap(row.name);
    return true;
}
