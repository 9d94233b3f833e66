#include "cli/NewNameCheck.h"

#include "platform/FileOps.h"

namespace cli {

NameProblem CheckNewName(std::string_view name)
{
    switch (platform::ClassifyFileName(name)) {
    case platform::FileNameProblem::None:
        return NameProblem::None;
    case platform::FileNameProblem::Empty:
        return NameProblem::Empty;
    case platform::FileNameProblem::OnlyDots:
        return NameProblem::OnlyDots;
    case platform::FileNameProblem::Separator:
        return NameProblem::Separator;
    case platform::FileNameProblem::NulByte:
        return NameProblem::NulByte;
    case platform::FileNameProblem::TooLong:
        return NameProblem::TooLong;
    }
    return NameProblem::None;
}

const char *NameProblemText(NameProblem problem)
{
    switch (problem) {
    case NameProblem::None:
        return "";
    case NameProblem::Empty:
        return "新しい名前が空です";
    case NameProblem::OnlyDots:
        return "「.」だけの名前は使えません";
    case NameProblem::Separator:
        return "新しい名前に「/」が含まれています";
    case NameProblem::NulByte:
        return "新しい名前に NUL 文字が含まれています";
    case NameProblem::TooLong:
        return "新しい名前が長すぎます";
    case NameProblem::TakenTwice:
        return "新しい名前が他の行と重複しています";
    }
    return "";
}

bool TargetPathSet::Take(std::string_view targetPath)
{
    std::size_t end = targetPath.find_last_not_of('.');
    std::string_view key = end == std::string_view::npos ? targetPath : targetPath.substr(0, end + 1);
    return m_taken.Insert(key);
}

} // namespace cli
