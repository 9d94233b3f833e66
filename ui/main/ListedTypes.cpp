#include "ui/main/ListedTypes.h"

#include "model/FileEntry.h"

namespace {

// An entry carrying just what the type cache reads.
CFileEntry Probe(const std::string &typeKey)
{
    CFileEntry probe;
    probe.isFolder = typeKey == "/";
    if (!probe.isFolder)
        probe.extension = typeKey;
    return probe;
}

} // namespace

const std::string &ListedTypes::Name(const std::string &typeKey)
{
    auto it = m_names.find(typeKey);
    if (it == m_names.end())
        it = m_names.emplace(typeKey, m_cache.TypeName(Probe(typeKey))).first;
    return it->second;
}

QIcon ListedTypes::Icon(const std::string &typeKey)
{
    return m_cache.Icon(Probe(typeKey));
}
