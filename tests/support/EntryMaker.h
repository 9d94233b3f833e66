#pragma once

#include "model/FileEntry.h"
#include "platform/DirectoryList.h"

#include <ctime>
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
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    return static_cast<platform::TimeValue>(std::mktime(&parts));
}
