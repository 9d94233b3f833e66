#pragma once

#include "model/SortKey.h"
#include "platform/DirectoryList.h"
#include "platform/TimeFormat.h"

#include <cstdint>
#include <string>

// One file, folder or placeholder row of the selection or candidate list.
// Filled once from a directory listing and never refreshed from disk.
class CFileEntry {
public:
    // A placeholder: empty names, made now. The caller sets isDummy.
    CFileEntry();
    CFileEntry(const CFileEntry &) = default;
    CFileEntry &operator=(const CFileEntry &) = default;
    // Moves are declared so that growing a vector of entries moves them instead of copying.
    CFileEntry(CFileEntry &&) noexcept = default;
    CFileEntry &operator=(CFileEntry &&) noexcept = default;
    // From one item of a directory listing; the attributes are those the listing
    // read from the disk for this entry (platform::ListDirectory, ReadDirEntry).
    explicit CFileEntry(const platform::DirEntryInfo &info);

    bool isFolder = false;
    bool isDummy = false;
    std::uint32_t attributes = 0;
    std::uint32_t storedFlags = 0; // the stored part of attributes, where the listing read it
    std::uint64_t size = 0;
    // Identity of the file as listed (0 for a placeholder).
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t birth = 0; // nanoseconds, 0 where unknown
    std::string fullPath;
    std::string directory; // held form: no trailing "/", root as ""
    std::string fileName;
    std::string title;     // a file's name before its last "."; a folder's whole name
    std::string extension; // after the last "." (files only), without the dot
    platform::TimeValue lastWriteTime = 0;
    std::string typeName; // filled by the list that shows the entry

    // caseMode: 0 as stored, 1 upper case, 2 lower case.
    std::string GetDisplayName(int caseMode, bool withPath) const;
    std::string GetDisplayTitle(int caseMode, bool withDirectory) const;
    std::string GetSizeText(bool inBytes) const;
    std::string GetTimeText() const;
    std::string GetAttributeText() const;

    // The text an entry is ordered by under `key` (numeric: digit runs of a
    // name order by value); the type key reads typeName.
    std::string GetSortKey(SortKey key, bool numeric) const;
    static int CompareEntries(const CFileEntry &a, const CFileEntry &b, SortKey key, bool numeric,
                              int direction);
};
