#include "exec/ResultLog.h"

#include "platform/Paths.h"
#include "platform/Translation.h"

namespace exec {

void CResultLog::AddResult(std::string_view itemPath, std::string_view resultPath, int code,
                           std::string reason)
{
    CResultRow row{std::string(itemPath), std::string(resultPath), code, std::move(reason)};
    m_anyFailed = m_anyFailed || code == kResultFailed;
    if (m_sink)
        m_sink(row);
    else
        m_rows.push_back(std::move(row));
}

void CResultLog::AddResult(std::string_view itemPath, int code, std::string reason)
{
    AddResult(itemPath, {}, code, std::move(reason));
}

std::vector<std::string> CResultLog::ColumnTitles() const
{
    if (m_kind == ResultKind::Rename)
        return {platform::Tr("exec", "名前"), platform::Tr("exec", "変更後の名前"),
                platform::Tr("exec", "処理")};
    return {platform::Tr("exec", "名前"), platform::Tr("exec", "処理")};
}

std::string CResultLog::StatusText(int code) const
{
    switch (m_kind) {
    case ResultKind::NumberedDirectories:
        return code ? platform::Tr("exec", "作成しました。") : platform::Tr("exec", "作成に失敗しました。");
    case ResultKind::Concatenation:
        return code ? platform::Tr("exec", "連結しました。") : platform::Tr("exec", "連結に失敗しました。");
    case ResultKind::Rename:
        break;
    }
    return code ? platform::Tr("exec", "変名しました。") : platform::Tr("exec", "変名に失敗しました。");
}

std::string CResultLog::StatusText(const CResultRow &row) const
{
    std::string text = StatusText(row.code);
    if (row.reason.empty())
        return text;
    return platform::Fill(platform::Tr("exec", "%1（%2）"), {text, row.reason});
}

std::string CResultLog::CellText(const CResultRow &row, int column, int displayMode) const
{
    const auto shown = [displayMode](const std::string &path) {
        return displayMode == 1 ? path : platform::SplitPath(path).name;
    };
    const int statusColumn = m_kind == ResultKind::Rename ? 2 : 1;
    if (column == 0)
        return shown(row.itemPath);
    if (column == statusColumn)
        return StatusText(row);
    if (column == 1)
        return shown(row.resultPath);
    return {};
}

} // namespace exec
