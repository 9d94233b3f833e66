// Export of the selected rows of either list to a text file.
#include "ui/main/MainDlg.h"

#include "exec/FileListExport.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "ui/dialogs/ExportDlg.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/SelectionPane.h"
#include "ui/main/WaitCursor.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/ShownText.h"

#include <algorithm>

namespace {

// The selected rows of a list in row order, with the texts of its second and
// third columns, which set the widths of the size and type columns.
template <class List>
std::vector<exec::ExportRow> SelectedExportRows(const List &list, const CFileListCtrl &control)
{
    std::vector<int> selected = control.SelectedRows();
    std::sort(selected.begin(), selected.end());
    std::vector<exec::ExportRow> rows;
    rows.reserve(selected.size());
    for (const int row : selected)
        rows.push_back(
            {list.Entry(row), list.CellText(row, 1).toStdString(), list.CellText(row, 2).toStdString()});
    return rows;
}

exec::ExportOptions OptionsOf(const CEnvSettings &env, const CExportDlg &dialog)
{
    exec::ExportOptions options;
    options.name = env.IsFileName != 0;
    options.size = env.IsFileSize != 0;
    options.type = env.IsFileType != 0;
    options.time = env.IsFileTime != 0;
    options.attributes = env.IsFileAttrib != 0;
    options.fullPath = env.IsFullPath != 0;
    options.noExtension = env.IsNoExtension != 0;
    options.quoteNames = env.IsCoat != 0;
    options.addPrefix = env.IsAddStrF != 0;
    options.addSuffix = env.IsAddStrB != 0;
    options.prefix = dialog.Prefix();
    options.suffix = dialog.Suffix();
    options.sizeInBytes = env.FileSizeType != 0;
    return options;
}

} // namespace

void CMainDlg::ExportFileList(ExportSource source)
{
    CExportDlg dialog(m_env, CurrentDirectory(), this);
    bool accepted = false;
    {
        CModalGuard modal(this);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (accepted) {
        // A relative path names a file of the listed directory.
        std::string path = dialog.OutputPath();
        if (!path.starts_with('/'))
            path = platform::JoinPath(CurrentDirectory(), path);
        if (!PrepareExportFolder(path))
            return;
        const std::vector<exec::ExportRow> rows =
            source == ExportSource::Selection
                ? SelectedExportRows(m_selection->Rows(), *m_selection->List())
                : SelectedExportRows(m_candidates->Rows(), *m_candidates->List());
        int error = 0;
        {
            WaitCursor wait;
            error = exec::ExportFileList(path, rows, OptionsOf(dialog.Env(), dialog));
        }
        if (error != 0) {
            Ask(QMessageBox::Warning, tr("ファイルリストのエクスポート（エラー）"),
                tr("[%1] への出力に失敗しました!!\n%2")
                    .arg(ShownText(path), ShownText(platform::ErrorMessage(error))),
                QMessageBox::Ok);
            return;
        }
    }
    m_env.CopyFrom(dialog.Env());
    m_env.Save("ExportList");
    m_selection->RequestListing();
}

bool CMainDlg::PrepareExportFolder(const std::string &path)
{
    const std::string folder = platform::SplitPath(path).directory;
    if (platform::IsDirectory(platform::DisplayDirectory(folder)))
        return true;
    const QString caption = tr("ファイルリストのエクスポート");
    if (Ask(QMessageBox::Question, caption,
            tr("ディレクトリ［%1］が存在しません!!\n作成しますか？").arg(ShownText(folder)),
            QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return false;
    if (platform::EnsureDirectory(folder) == 0)
        return true;
    Ask(QMessageBox::Warning, caption, tr("ディレクトリの作成に失敗しました!!"), QMessageBox::Ok);
    return false;
}
