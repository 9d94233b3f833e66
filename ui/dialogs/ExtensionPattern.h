#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Building filter patterns from extensions picked in the file type list.

// The pattern with "*.<ext>" appended for each extension, parts joined by
// ";" (an empty pattern gets no leading ";").
std::string AppendExtensionPatterns(std::string pattern, const std::vector<std::string> &extensions);

// The extensions joined by ";" as the picker shows them: text longer than
// maxBytes is cut to its first maxBytes bytes (never inside a character)
// followed by "...".
inline constexpr std::size_t kExtensionSummaryBytes = 40;
std::string ExtensionSummary(const std::vector<std::string> &extensions,
                             std::size_t maxBytes = kExtensionSummaryBytes);
