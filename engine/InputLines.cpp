#include "engine/RenameSettings.h"
#include "platform/FileOps.h"
#include "platform/TextFile.h"
#include "platform/Translation.h"

#include <cerrno>
#include <string_view>

namespace {

// A names list is a small text file; anything larger is not read at all.
constexpr std::size_t kMaxNamesFileBytes = 64u << 20;

} // namespace

int CRenameSettings::LoadInputLines()
{
    InputLines.clear();
    if (InputFile.empty())
        return 0;
    int error = 0;
    if (const auto text = platform::ReadTextFile(InputFile, kMaxNamesFileBytes, &error))
        InputLines = NamesFromText(*text);
    return error;
}

std::string CRenameSettings::InputFileProblem(int code)
{
    switch (code) {
    case EISDIR:
        return platform::Tr("engine", "フォルダです");
    case EINVAL:
        return platform::Tr("engine", "通常のファイルではありません");
    case EFBIG:
        return platform::Tr("engine", "ファイルが大きすぎます（上限 64 MiB）");
    default:
        return platform::ErrorMessage(code);
    }
}

std::vector<std::string> CRenameSettings::NamesFromText(std::string_view text)
{
    std::vector<std::string> names;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        // A line that is a full path gives its last component.
        const std::size_t slash = line.rfind('/');
        if (slash != std::string_view::npos)
            line.remove_prefix(slash + 1);
        names.emplace_back(line);
    }
    return names;
}
