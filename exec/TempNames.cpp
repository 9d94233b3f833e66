#include "exec/TempNames.h"

#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cstdio>

namespace exec {

std::string TemporaryPath(const std::string &directory, long number)
{
    char name[32];
    std::snprintf(name, sizeof name, "KEST$%07ld", number);
    return platform::JoinPath(directory, name);
}

bool TemporaryNameLike(std::string_view path)
{
    const std::string_view name = path.substr(path.rfind('/') + 1);
    return name.size() >= 12 && name.starts_with("KEST$") &&
           name.find_first_not_of("0123456789", 5) == std::string_view::npos;
}

std::string CTempNameAllocator::Allocate(const std::string &directory, long rowIndex)
{
    const auto last = m_lastNumber.find(directory);
    long number = last == m_lastNumber.end() ? rowIndex : std::max(rowIndex, last->second + 1);
    std::string path = TemporaryPath(directory, number);
    while (m_reserved.count(path) || platform::PathExists(path))
        path = TemporaryPath(directory, ++number);
    m_lastNumber[directory] = number;
    return path;
}

} // namespace exec
