#include "exec/FileListExport.h"

#include "platform/DisplayWidth.h"
#include "platform/ReplaceFile.h"

#include <algorithm>
#include <string_view>

namespace exec {

namespace {

constexpr std::size_t kMinimumNameWidth = 12;
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kLineEnd = "\r\n";

// The name as exported, before any quotes: as it is on disk, whatever case
// the lists show names in, so that the exported paths name real files.
std::string ExportedName(const CFileEntry &entry, const ExportOptions &options)
{
    constexpr int kAsStored = 0;
    return options.noExtension ? entry.GetDisplayTitle(kAsStored, options.fullPath)
                               : entry.GetDisplayName(kAsStored, options.fullPath);
}

void AppendLeftAligned(std::string &line, std::string_view text, std::size_t width)
{
    line += ' ';
    line += text;
    if (const std::size_t columns = platform::DisplayColumns(text); columns < width)
        line.append(width - columns, ' ');
}

void AppendRightAligned(std::string &line, std::string_view text, std::size_t width)
{
    line += ' ';
    if (const std::size_t columns = platform::DisplayColumns(text); columns < width)
        line.append(width - columns, ' ');
    line += text;
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

} // namespace

ExportWidths MeasureExportWidths(const std::vector<ExportRow> &rows, const ExportOptions &options)
{
    ExportWidths widths;
    std::size_t longestName = kMinimumNameWidth;
    for (const ExportRow &row : rows) {
        if (options.name)
            longestName = std::max(longestName, platform::DisplayColumns(ExportedName(row.entry, options)));
        widths.size = std::max(widths.size, platform::DisplayColumns(row.secondColumnText));
        widths.type = std::max(widths.type, platform::DisplayColumns(row.thirdColumnText));
    }
    widths.name = longestName + (options.quoteNames ? 2 : 0);
    return widths;
}

std::string BuildExportLine(const CFileEntry &entry, const ExportWidths &widths, const ExportOptions &options)
{
    std::string line;
    if (options.addPrefix)
        line += options.prefix;
    if (options.name) {
        const std::string name = ExportedName(entry, options);
        AppendLeftAligned(line, options.quoteNames ? '"' + name + '"' : name, widths.name);
    }
    if (options.size)
        AppendRightAligned(line, entry.GetSizeText(options.sizeInBytes), widths.size);
    if (options.type)
        AppendLeftAligned(line, entry.typeName, widths.type);
    if (options.time)
        AppendLeftAligned(line, entry.GetTimeText(), 0);
    if (options.attributes)
        AppendLeftAligned(line, entry.GetAttributeText(), 0);
    if (options.addSuffix)
        AppendLeftAligned(line, options.suffix, 0);
    return std::string(Trimmed(line));
}

std::string BuildExportText(const std::vector<ExportRow> &rows, const ExportOptions &options)
{
    const ExportWidths widths = MeasureExportWidths(rows, options);
    std::string text;
    for (const ExportRow &row : rows) {
        text += BuildExportLine(row.entry, widths, options);
        text += kLineEnd;
    }
    return text;
}

int ExportFileList(const std::string &path, const std::vector<ExportRow> &rows, const ExportOptions &options)
{
    return platform::ReplaceFileContent(path, BuildExportText(rows, options));
}

} // namespace exec
