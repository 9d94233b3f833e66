#pragma once

#include <string>

class CRenameSettings;

namespace cli {

class CandidateRows;
class OutputWriter;

// Writes one row per candidate as the rows arrive: old name and new name, or
// for concatenation the source and the output file. New names that a file
// cannot take or that two rows share are reported on standard error.
// Returns the number of such rows.
// createDirectories: a missing move or copy destination will be created (--create-dirs).
int WritePreview(CandidateRows &rows, const CRenameSettings &settings, bool createDirectories,
                 OutputWriter &out);

// The names of the directories numbered-directory creation would make in
// parentDirectory, one per row, checked the same way.
int WriteNumberedDirectoryPreview(const CRenameSettings &settings, const std::string &parentDirectory,
                                  OutputWriter &out);

} // namespace cli
