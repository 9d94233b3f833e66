#include "cli/NewNameCheck.h"

#include <climits>

namespace cli {

NameProblem CheckNewName(std::string_view name)
{
    if (name.empty())
        return NameProblem::Empty;
    if (name.find_first_not_of('.') == std::string_view::npos)
        return NameProblem::OnlyDots;
    if (name.find('/') != std::string_view::npos)
        return NameProblem::Separator;
    if (name.find('\0') != std::string_view::npos)
        return NameProblem::NulByte;
    if (name.size() > NAME_MAX)
        return NameProblem::TooLong;
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
