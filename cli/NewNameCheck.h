#pragma once

#include "cli/CompactStringSet.h"

#include <string_view>

namespace cli {

// Why a new name cannot be given to a file, as the file operations would refuse it.
enum class NameProblem { None, Empty, OnlyDots, Separator, NulByte, TooLong, TakenTwice };

// Checks one new name (a single path component) on its own.
NameProblem CheckNewName(std::string_view name);

// The short Japanese reason shown for a problem.
const char *NameProblemText(NameProblem problem);

// Remembers the target paths of one run to find two rows given the same one.
// The file operations drop trailing dots of a name, so "a." and "a" meet.
class TargetPathSet {
public:
    // False when the target was already taken by an earlier row.
    bool Take(std::string_view targetPath);

private:
    CompactStringSet m_taken;
};

} // namespace cli
