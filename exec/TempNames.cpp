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
