#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace exec {

// Hands out the temporary names "KEST$" + seven digits of one run. The number
// is the row index, unless that name exists on disk (a leftover that is never
// touched) or is wanted by the run for another purpose; then the next free
// number is taken. Numbers only grow within a directory, so handing out n
// names costs O(n) however many leftovers there are.
class CTempNameAllocator {
public:
    // Paths that must not be used as temporary names (the run's new paths);
    // they must outlive the allocator.
    void Reserve(std::string_view path) { m_reserved.insert(path); }

    // A free temporary path in directory for the given row.
    std::string Allocate(const std::string &directory, long rowIndex);

private:
    std::unordered_set<std::string_view> m_reserved;
    std::unordered_map<std::string, long> m_lastNumber;
};

// directory + "/KEST$" + number with seven digits.
std::string TemporaryPath(const std::string &directory, long number);

// True when the last component of path has the form of a temporary name.
bool TemporaryNameLike(std::string_view path);

} // namespace exec
