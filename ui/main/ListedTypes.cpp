#include "ui/main/ListedTypes.h"

#include "model/FileEntry.h"
#include "model/ListedEntry.h"

QIcon ListedTypes::Icon(const std::string &typeKey)
{
    // An entry carrying just what the type cache reads.
    CFileEntry probe;
    probe.isFolder = typeKey == ListedEntry::kFolderTypeKey;
    if (!probe.isFolder)
        probe.extension = typeKey;
    return m_cache.Icon(probe);
}
