#pragma once

#include "model/FileEntry.h"
#include "platform/DirectoryList.h"
#include "platform/TimeFormat.h"

#include <string>

// Entries as a directory listing would describe them, without touching disk.
inline CFileEntry MakeEntry(const std::string &directory, const std::string &name, bool isDirectory = false,
                            platform::TimeValue time = 0, std::uint32_t attributes = 0)
{
    platform::DirEntryInfo info;
    info.directory = directory;
    info.name = name;
    info.isDirectory = isDirectory;
    info.lastWriteTime = time;
    info.attributes = attributes | (isDirectory ? std::uint32_t{platform::kAttrDirectory} : 0u);
    return CFileEntry(info);
}

// A local date and time as a time value.
inline platform::TimeValue LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    platform::TimeValue t = 0;
    platform::MakeLocalTime(year, month, day, hour, minute, second, t);
    return t;
}
