// The selection list side of the main window: listing, navigation, sorting,
// keys and the context menu.
#include "ui/main/MainDlg.h"

#include "platform/Paths.h"
#include "ui/dialogs/FreeFilterDlg.h"
#include "ui/main/DirectoryResolve.h"
#include "ui/main/FileListCtrl.h"
#include "ui/main/HistoryComboBox.h"
#include "ui/main/OpenEntry.h"
#include "ui/main/WaitCursor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>

namespace {

// Shows the progress of a listing and keeps the window painted, at most every
// few milliseconds; user input waits until the listing is done.
class ProgressBarListing : public IListingProgress {
public:
    ProgressBarListing(QProgressBar *bar, QLabel *status) : m_bar(bar), m_status(status) {}

    void Begin(int maximum) override
    {
        m_status->hide();
        m_bar->setRange(0, maximum);
        m_bar->setValue(0);
        m_bar->show();
        m_timer.start();
    }
    void Advance(int position) override
    {
        if (m_timer.elapsed() < 30)
            return;
        m_bar->setValue(position);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_timer.restart();
    }
    void End() override
    {
        m_bar->hide();
        m_status->show();
    }

private:
    QProgressBar *m_bar;
    QLabel *m_status;
    QElapsedTimer m_timer;
};

QAction *AddCheckItem(QMenu *menu, const QString &text, int command, bool checked)
{
    QAction *action = menu->addAction(text);
    action->setData(command);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

enum ListFormCommand { kViewBase = 1260, kSortBase = 1263, kNumericSort = 1268 };
enum FilterCommand { kFilterBase = 3021, kFreeFilter = 3026 };

} // namespace

ListingFilter CMainDlg::ActiveFilter() const
{
    const int mode = std::clamp(m_env.FilterMode, 0, static_cast<int>(CEnvSettings::kFilterCount) - 1);
    const FilterRecord &record = m_env.Filters[static_cast<std::size_t>(mode)];
    return {record.Filter, record.IsHideDir != 0, record.HideMask()};
}

void CMainDlg::ListDirectory()
{
    if (!m_created || m_listing)
        return;
    WaitCursor wait;
    m_listing = true;
    SaveControls();
    m_listingPending = false;
    // The directory is read again: so are the names the preview checks.
    m_existingNames.Invalidate();
    m_sourceRows.Clear();
    m_sourceList->Reset();

    if (const auto entered = EnterDirectory(m_directoryCombo->CurrentText(), m_currentDirectory))
        m_currentDirectory = *entered;
    m_directoryCombo->SetCurrentText(platform::DisplayDirectory(m_currentDirectory));

    ProgressBarListing progress(m_sourceProgress, m_sourceStatus);
    m_sourceRows.Fill(m_currentDirectory, ActiveFilter(), &progress);
    if (!m_sortedOnce) {
        m_sortDirection = m_env.IsSortDown ? -1 : 1;
        m_sortColumn = std::clamp(m_env.SortMode, 0, 4);
        m_sortedOnce = true;
    }
    SortSource();
    m_sourceList->Reset();

    m_directoryCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
    m_listing = false;
    RefreshControlStates();
}

void CMainDlg::SortSource()
{
    m_sourceRows.Sort(m_sortColumn, m_env.IsSortNum != 0, m_sortDirection);
}

void CMainDlg::FocusRow(int row)
{
    if (row >= 0 && row < m_sourceRows.RowCount()) {
        m_sourceList->SetSelectedRows({row});
        m_sourceList->SetCurrentRow(row);
        m_sourceList->EnsureVisible(row);
    }
    m_sourceList->CurrentView()->setFocus();
}

void CMainDlg::EnterFolder()
{
    const std::vector<int> rows = m_sourceList->SelectedRows();
    if (rows.size() != 1 || !m_sourceRows.Entry(rows.front()).isFolder)
        return;
    const std::string name = m_sourceRows.Entry(rows.front()).fileName;
    m_directoryCombo->SetCurrentText(
        platform::DisplayDirectory(platform::JoinPath(m_currentDirectory, name)));
    ListDirectory();
    if (m_sourceRows.RowCount() > 0)
        m_sourceList->SetCurrentRow(0);
    m_sourceList->CurrentView()->setFocus();
}

void CMainDlg::GoToParent()
{
    if (platform::IsRootDirectory(m_currentDirectory))
        return;
    const std::string left = LastComponent(m_currentDirectory);
    m_directoryCombo->SetCurrentText(platform::JoinPath(m_currentDirectory, ".."));
    ListDirectory();
    FocusRow(m_sourceRows.FindName(left));
}

void CMainDlg::Refresh()
{
    ListDirectory();
    m_sourceList->CurrentView()->setFocus();
}

void CMainDlg::BrowseDirectory()
{
    m_directoryCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
    m_interactive = false;
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("ディレクトリ参照"),
        QString::fromStdString(platform::DisplayDirectory(m_currentDirectory)));
    m_interactive = true;
    if (!chosen.isEmpty()) {
        m_directoryCombo->SetCurrentText(QFile::encodeName(chosen).toStdString());
        m_directoryCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
        ListDirectory();
        if (m_sourceRows.RowCount() > 0)
            m_sourceList->SetCurrentRow(0);
    }
    m_sourceList->CurrentView()->setFocus();
}

void CMainDlg::DirectoryFocusLost()
{
    const std::string typed = m_directoryCombo->CurrentText();
    if (AbsoluteDirectory(typed, m_currentDirectory) != m_currentDirectory)
        ListDirectory();
}

void CMainDlg::SortSourceByColumn(int column)
{
    m_sortDirection = column == m_sortColumn ? -m_sortDirection : 1;
    m_sortColumn = column;
    WaitCursor wait;
    SortSource();
    m_sourceList->Reset();
    RefreshControlStates();
}

void CMainDlg::SelectAllOfKind()
{
    m_sourceList->SetSelectedRows(m_sourceRows.RowsOfKind(m_objectKind));
}

void CMainDlg::InvertSelectionOfKind()
{
    std::vector<int> rows;
    for (int row : m_sourceRows.RowsOfKind(m_objectKind)) {
        if (!m_sourceList->IsRowSelected(row))
            rows.push_back(row);
    }
    m_sourceList->SetSelectedRows(rows);
}

void CMainDlg::ActivateSourceRow(int row)
{
    if (row < 0 || row >= m_sourceRows.RowCount())
        return;
    if (m_sourceRows.IsParentRow(row))
        GoToParent();
    else if (m_sourceRows.Entry(row).isFolder)
        EnterFolder();
    else
        OpenEntries({row});
}

void CMainDlg::OpenEntries(const std::vector<int> &rows)
{
    for (int row : rows)
        OpenEntry(m_sourceRows.Entry(row).fullPath);
}

bool CMainDlg::HandleSourceKey(const QKeyEvent &key)
{
    if (!m_isSplit)
        return false;
    const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    bool handled = true;
    if (key.key() == Qt::Key_Backspace && !ctrl)
        GoToParent();
    else if (key.key() == Qt::Key_F5)
        Refresh();
    else if (ctrl && key.key() == Qt::Key_A)
        SelectAllOfKind();
    else if (ctrl && key.key() == Qt::Key_R)
        InvertSelectionOfKind();
    else
        handled = false;
    if (handled)
        RefreshControlStates();
    return handled;
}

void CMainDlg::SetSourceViewType(int type)
{
    m_env.SrcListType = type;
    ApplyListOptions();
}

void CMainDlg::ChooseSortItem(int column)
{
    m_env.SortMode = column;
    m_sortDirection = column == m_sortColumn && m_sortDirection == 1 ? -1 : 1;
    m_sortColumn = column;
    WaitCursor wait;
    SortSource();
    m_sourceList->Reset();
    RefreshControlStates();
}

void CMainDlg::ToggleNumericSort()
{
    m_env.IsSortNum = m_env.IsSortNum ? 0 : 1;
    m_env.SortMode = 0;
    m_sortColumn = 0;
    m_sortDirection = 1;
    WaitCursor wait;
    SortSource();
    m_sourceList->Reset();
    RefreshControlStates();
}

void CMainDlg::SetFilterMode(int mode)
{
    m_env.FilterMode = mode;
    ListDirectory();
    RefreshControlStates();
}

void CMainDlg::AddListFormItems(QMenu *menu)
{
    const char *const views[] = {"詳細", "一覧", "小さなアイコン"};
    for (int i = 0; i < 3; ++i)
        AddCheckItem(menu, QString::fromUtf8(views[i]), kViewBase + i, m_env.SrcListType == i);
    menu->addSeparator();
    const char *const sorts[] = {"名前", "サイズ", "ファイルの種類", "更新日時", "属性"};
    for (int i = 0; i < 5; ++i)
        AddCheckItem(menu, QString::fromUtf8(sorts[i]), kSortBase + i, m_env.SortMode == i);
    menu->addSeparator();
    AddCheckItem(menu, QStringLiteral("数値比較"), kNumericSort, m_env.IsSortNum != 0)
        ->setEnabled(m_env.SortMode == 0);
}

void CMainDlg::AddFilterItems(QMenu *menu)
{
    // The free filter comes first, then filters 1-5, then the no-filter entry.
    const int order[] = {5, 0, 1, 2, 3, 4, 6};
    for (int index : order)
        AddCheckItem(menu, QString::fromStdString(m_env.Filters[static_cast<std::size_t>(index)].Title),
                     kFilterBase + index, m_env.FilterMode == index);
}

void CMainDlg::ShowSourceMenu(const QPoint &globalPos)
{
    RefreshControlStates();
    QMenu menu(this);
    AddListFormItems(menu.addMenu(QStringLiteral("リスト形式")));
    AddFilterItems(menu.addMenu(QStringLiteral("フィルタ")));

    const std::vector<int> selected = m_sourceList->SelectedRows();
    const bool entriesChosen =
        !selected.empty() && !(selected.size() == 1 && m_sourceRows.IsParentRow(selected.front()));
    // Copy, move, delete, make directory, launching, export and batch
    // processing arrive with their dialogs.
    for (const char *text : {"複写", "移動", "削除", "ディレクトリ作成"})
        menu.addAction(QString::fromUtf8(text))->setEnabled(false);
    QAction *open = menu.addAction(QStringLiteral("開く"));
    open->setEnabled(entriesChosen);
    for (const CLaunchList::Entry &launcher : m_launchers.Entries) {
        if (!launcher.Title.empty())
            menu.addAction(QString::fromStdString(launcher.Title))->setEnabled(false);
    }
    menu.addAction(QStringLiteral("ファイルリストのエクスポート"))->setEnabled(false);
    menu.addAction(QStringLiteral("バッチ処理"))->setEnabled(false);

    QAction *chosen = menu.exec(globalPos);
    if (!chosen)
        return;
    if (chosen == open) {
        OpenEntries(selected);
        return;
    }
    int command = chosen->data().toInt();
    if (command >= kFilterBase && command <= kFilterBase + 6) {
        if (command == kFreeFilter) {
            FilterRecord record = m_env.Filters[CEnvSettings::kFreeFilterIndex];
            m_interactive = false;
            CFreeFilterDlg dialog(record, this);
            const bool accepted = dialog.exec() == QDialog::Accepted;
            m_interactive = true;
            if (!accepted)
                return;
            m_env.Filters[CEnvSettings::kFreeFilterIndex] = dialog.Record();
        }
        SetFilterMode(command - kFilterBase);
        return;
    }
    // List form choices show the list form menu again at the same point.
    while (command >= kViewBase && command <= kNumericSort) {
        if (command < kSortBase)
            SetSourceViewType(command - kViewBase);
        else if (command < kNumericSort)
            ChooseSortItem(command - kSortBase);
        else
            ToggleNumericSort();
        QMenu again(this);
        AddListFormItems(&again);
        QAction *next = again.exec(globalPos);
        command = next ? next->data().toInt() : 0;
    }
}

void CMainDlg::BrowseDestination()
{
    m_destinationCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
    m_interactive = false;
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("ディレクトリ参照"), QString::fromStdString(m_destinationCombo->CurrentText()));
    m_interactive = true;
    if (!chosen.isEmpty()) {
        m_destinationCombo->SetCurrentText(QFile::encodeName(chosen).toStdString());
        m_destinationCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
    }
    RefreshControlStates();
    StoreUnification();
    m_destinationCombo->setFocus();
}

void CMainDlg::DestinationFocusLost()
{
    std::string text = m_destinationCombo->CurrentText();
    if (text.size() > 1 && text.back() == '/') {
        text.pop_back();
        m_destinationCombo->SetCurrentText(text);
    }
}
