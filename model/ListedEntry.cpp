#include "model/ListedEntry.h"

#include "platform/Paths.h"
#include "platform/Text.h"

ListedEntry ListedEntry::FromInfo(const platform::DirEntryInfo &info)
{
    ListedEntry row;
    row.name = info.name;
    row.size = info.size;
    row.lastWriteTime = info.lastWriteTime;
    row.device = info.device;
    row.inode = info.inode;
    row.birth = info.birth;
    row.attributes = info.attributes;
    row.storedFlags = info.storedFlags;
    row.isFolder = info.isDirectory || (info.attributes & platform::kAttrDirectory) != 0;
    return row;
}

CFileEntry ListedEntry::ToEntry(const std::string &directory) const
{
    platform::DirEntryInfo info;
    info.directory = directory;
    info.name = name;
    info.isDirectory = isFolder;
    info.size = size;
    info.lastWriteTime = lastWriteTime;
    info.attributes = attributes;
    info.storedFlags = storedFlags;
    info.device = device;
    info.inode = inode;
    info.birth = birth;
    return CFileEntry(info);
}

std::string ListedEntry::TypeKey() const
{
    if (isFolder)
        return kFolderTypeKey;
    // The extension as CFileEntry splits it: after the last dot.
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string()
                                    : platform::ToLower(std::string_view(name).substr(dot + 1));
}

std::string ListedSortKey::operator()(const ListedEntry &row, const std::string &typeName)
{
    m_scratch.isFolder = row.isFolder;
    m_scratch.size = row.size;
    m_scratch.lastWriteTime = row.lastWriteTime;
    m_scratch.attributes = row.attributes;
    if (m_key == SortKey::Name)
        m_scratch.fileName = row.name;
    if (m_key == SortKey::Type)
        m_scratch.typeName = typeName;
    return m_scratch.GetSortKey(m_key, m_numeric);
}
