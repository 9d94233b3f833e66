#pragma once

#include "model/FileEntry.h"

#include <string>
#include <vector>

namespace exec {

// What an exported line holds. The five columns appear in this order, each
// only when it is on; the prefix and suffix only when given.
struct ExportOptions {
    bool name = true;
    bool size = true;
    bool type = true;
    bool time = true;
    bool attributes = true;
    bool fullPath = true;
    bool noExtension = false;
    bool quoteNames = false;
    bool addPrefix = false;
    bool addSuffix = false;
    std::string prefix;
    std::string suffix;
    bool sizeInBytes = false;
};

// One exported row: its entry (typeName filled) and the texts the list shows
// in its second and third columns, whose longest texts give the widths of the
// size and type columns.
struct ExportRow {
    CFileEntry entry;
    std::string secondColumnText;
    std::string thirdColumnText;
};

// Column widths in display columns (platform::DisplayColumns: a wide
// character takes two): the name width is the longest name (at least 12,
// plus 2 for quotes), the others the longest text of their column.
struct ExportWidths {
    std::size_t name = 0;
    std::size_t size = 0;
    std::size_t type = 0;
};
ExportWidths MeasureExportWidths(const std::vector<ExportRow> &rows, const ExportOptions &options);

// The line of one row, without its line end: the pieces joined, each after
// one blank, and the result trimmed of white space at both ends. Names and
// paths are written as they are on disk.
std::string BuildExportLine(const CFileEntry &entry, const ExportWidths &widths,
                            const ExportOptions &options);

// The whole file: one line per row, in order, each ended by CR LF; empty
// without rows.
std::string BuildExportText(const std::vector<ExportRow> &rows, const ExportOptions &options);

// Writes the text of rows to path, replacing any file there; a failure leaves
// an existing file as it was. 0 or the errno value.
int ExportFileList(const std::string &path, const std::vector<ExportRow> &rows, const ExportOptions &options);

} // namespace exec
