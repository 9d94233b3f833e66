#include "ui/main/DropHandler.h"

#include "app/EnvSettings.h"
#include "engine/RenameSettings.h"
#include "platform/DirectoryList.h"
#include "platform/Paths.h"
#include "platform/UriList.h"
#include "platform/Wildcard.h"
#include "ui/dialogs/AddFilesDlg.h"
#include "ui/dialogs/MoveDirDlg.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/FolderFilesProgress.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/FileListCtrl.h"

#include <QMimeData>
#include <QWidget>

namespace {

const QString kUriListType = QStringLiteral("text/uri-list");

std::string ParentOf(const std::string &path)
{
    return platform::SplitPath(path).directory;
}

} // namespace

CDropHandler::CDropHandler(QWidget *window, CSelectionPane &selection, CCandidatePane &candidates,
                           const CEnvSettings &env, const CRenameSettings &settings)
    : m_window(window), m_selection(selection), m_candidates(candidates), m_env(env), m_settings(settings)
{
}

bool CDropHandler::Accepts(const QMimeData &data)
{
    return data.hasFormat(kUriListType);
}

std::vector<std::string> CDropHandler::DroppedPaths(const QMimeData &data)
{
    const QByteArray payload = data.data(kUriListType);
    return platform::LocalPathsFromUriList(
        std::string_view(payload.constData(), std::size_t(payload.size())));
}

void CDropHandler::Drop(const std::vector<std::string> &paths)
{
    m_window->raise();
    m_window->activateWindow();
    const std::string before = m_selection.CurrentDirectory();
    Dropped dropped = Split(paths);
    if (dropped.folders.empty() && dropped.files.empty())
        return;
    const std::optional<std::string> target =
        DirectoryOnly() ? DirectoryTarget(dropped) : AddDropped(std::move(dropped));
    if (!target || *target == before)
        return;
    m_selection.SetDirectoryText(platform::DisplayDirectory(*target));
    m_selection.RequestListing();
}

CDropHandler::Dropped CDropHandler::Split(const std::vector<std::string> &paths)
{
    Dropped dropped;
    for (const std::string &dropPath : paths) {
        const std::string path = platform::NormalizeDirectory(dropPath);
        platform::DirEntryInfo info;
        if (platform::ReadDirEntry(platform::DisplayDirectory(path), info) != 0 || info.isDirectory)
            dropped.folders.push_back(path);
        else
            dropped.files.emplace_back(info);
    }
    return dropped;
}

bool CDropHandler::DirectoryOnly() const
{
    return m_env.DDMode != 0 || m_settings.CreatesNumberedDirectories() || m_settings.ChoosesFolders();
}

std::optional<std::string> CDropHandler::DirectoryTarget(const Dropped &dropped) const
{
    if (dropped.folders.empty())
        return dropped.files.front().directory;
    if (dropped.folders.size() == 1)
        return dropped.folders.front();
    CMoveDirDlg dialog(dropped.folders, dropped.folders.front(), m_window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}

std::string CDropHandler::AddDropped(Dropped dropped)
{
    std::string target =
        dropped.files.empty() ? ParentOf(dropped.folders.front()) : dropped.files.front().directory;
    m_candidates.Append(std::move(dropped.files));
    if (!dropped.folders.empty())
        AddFolderFiles(dropped.folders);
    m_candidates.RefreshPreview();
    return target;
}

void CDropHandler::AddFolderFiles(const std::vector<std::string> &folders)
{
    CAddFilesDlg dialog(folders, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::vector<platform::DirEntryInfo> found = CollectFilesWithProgress(
        m_window, dialog.CheckedFolders(), platform::SplitPatternList(dialog.Filter()), dialog.Recurse());
    std::vector<CFileEntry> files(found.begin(), found.end());
    m_candidates.Append(std::move(files));
    if (const int rows = m_candidates.Rows().RowCount(); rows > 0)
        m_candidates.List()->EnsureVisible(rows - 1);
}
