#pragma once

#include "model/FileEntry.h"
#include "platform/DirectoryList.h"

#include <cstdint>
#include <string>

// One row of a directory listing as a list keeps it: only what the columns
// and the sort need. The directory is kept once by the list; the full entry
// is made when a row is handed on.
struct ListedEntry {
    // The type key of every folder.
    static constexpr const char *kFolderTypeKey = "/";

    std::string name;
    std::uint64_t size = 0;
    platform::TimeValue lastWriteTime = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t birth = 0;
    std::uint32_t attributes = 0;
    std::uint32_t storedFlags = 0;
    bool isFolder = false;

    static ListedEntry FromInfo(const platform::DirEntryInfo &info);
    // The entry of this row in `directory` (held form), as CFileEntry(info)
    // makes it from the listing.
    CFileEntry ToEntry(const std::string &directory) const;
    // What the type name of the row depends on: "/" for a folder (a name
    // never holds one), else the extension in lower case.
    std::string TypeKey() const;
};

// The sort key of a row as CFileEntry::GetSortKey gives it for the row's
// entry, for every key but the full path, which the row does not hold. Keeps
// one scratch entry, so one object per thread.
class ListedSortKey {
public:
    ListedSortKey(SortKey key, bool numeric) : m_key(key), m_numeric(numeric) {}

    // typeName is read by the type key only.
    std::string operator()(const ListedEntry &row, const std::string &typeName);

private:
    SortKey m_key;
    bool m_numeric;
    CFileEntry m_scratch;
};
