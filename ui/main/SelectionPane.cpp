#include "ui/main/SelectionPane.h"

#include "app/EnvSettings.h"
#include "app/LaunchList.h"
#include "engine/RenameSettings.h"
#include "platform/Paths.h"
#include "ui/dialogs/ChooseFolder.h"
#include "ui/dialogs/FreeFilterDlg.h"
#include "ui/main/BusyWindow.h"
#include "ui/main/ControlStates.h"
#include "ui/main/DirectoryResolve.h"
#include "ui/main/LaunchCommand.h"
#include "ui/main/MainLayout.h"
#include "ui/main/OpenEntry.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/ModalGuard.h"
#include "ui/widgets/ShownText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>

#include <unistd.h>

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace {

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
// Launch command k is menu command kLaunchBase + k.
constexpr int kLaunchBase = 1096;
// Up to this many rows a sort takes a few milliseconds and is done at once;
// more are sorted on a worker thread so that the window stays responsive.
constexpr int kSortAtOnceRows = 5000;

std::string ProcessDirectory()
{
    std::string dir(4096, '\0');
    if (!getcwd(dir.data(), dir.size()))
        return {};
    dir.resize(std::char_traits<char>::length(dir.c_str()));
    return platform::NormalizeDirectory(dir);
}

} // namespace

CSelectionPane::CSelectionPane(QWidget *window, CEnvSettings &env, const CRenameSettings &settings,
                               const CLaunchList &launchers)
    : QObject(window), m_env(env), m_settings(settings), m_launchers(launchers),
      m_currentDirectory(ProcessDirectory())
{
    CreateControls(window);
    Connect();
}

CSelectionPane::~CSelectionPane()
{
    m_lister.Cancel();
    // The list outlives the rows it shows (children go after members).
    m_list->SetSource(nullptr);
}

void CSelectionPane::CreateControls(QWidget *window)
{
    m_caption = new QLabel(tr("選択リスト"), window);
    m_browseButton =
        MakeImageButton(window, icons::kBrowseFolder, icons::kDirectoryButtonSize, tr("ディレクトリ参照"));
    m_parentButton =
        MakeImageButton(window, icons::kParentFolder, icons::kDirectoryButtonSize, tr("親ディレクトリへ"));
    m_refreshButton = MakeImageButton(window, icons::kRefresh, icons::kDirectoryButtonSize, tr("更新"));
    m_browseButton->setObjectName(QStringLiteral("directoryBrowseButton"));
    m_parentButton->setObjectName(QStringLiteral("parentButton"));
    m_refreshButton->setObjectName(QStringLiteral("refreshButton"));
    m_directoryCombo = new CHistoryComboBox(window);
    m_directoryCombo->SetDropEmpty(true);
    m_directoryCombo->SetMatch(platform::HistoryMatch::SamePath);
    m_list = new CFileListCtrl(window);
    m_list->SetSource(&m_rows);
    m_list->SetColumns(CSelectionList::Columns());
    m_list->SetFillColumn(0);
    m_status = new QLabel(window);
    m_progress = new QProgressBar(window);
    m_progress->setTextVisible(false);
    m_progress->hide();
}

void CSelectionPane::Connect()
{
    connect(m_browseButton, &QAbstractButton::clicked, this, &CSelectionPane::BrowseDirectory);
    connect(m_parentButton, &QAbstractButton::clicked, this, &CSelectionPane::GoToParent);
    connect(m_refreshButton, &QAbstractButton::clicked, this, &CSelectionPane::Refresh);
    connect(m_directoryCombo, &QComboBox::activated, this, [this](int index) {
        m_directoryCombo->setCurrentIndex(index);
        FocusList();
    });
    connect(m_list, &CFileListCtrl::ColumnClicked, this, &CSelectionPane::SortByColumn);
    connect(m_list, &CFileListCtrl::RowActivated, this, &CSelectionPane::ActivateRow);
    connect(m_list, &CFileListCtrl::SelectionChanged, this, &CSelectionPane::Changed);
    connect(m_list, &CFileListCtrl::ContextMenuRequested, this, &CSelectionPane::ShowMenu);
    connect(m_list, &CFileListCtrl::FocusEntered, this, &CSelectionPane::FocusEntered);
    m_list->SetKeyHandler([this](const QKeyEvent &key) { return HandleKey(key); });

    connect(&m_lister, &CDirectoryLister::RowsReady, this, [this] {
        m_list->InsertRows(m_rows.RowCount(), m_lister.PendingCount(), [this] { m_lister.MoveInto(m_rows); });
        ShowStatus();
    });
    connect(&m_lister, &CDirectoryLister::Progress, this, [this](int done, int total) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    });
    connect(&m_lister, &CDirectoryLister::OrderReady, this,
            [this] { m_list->ReorderRows([this] { return m_lister.ApplyOrder(m_rows); }); });
    connect(&m_lister, &CDirectoryLister::Finished, this, [this](int error) {
        m_listingError = error;
        FinishListing();
    });
    connect(&m_sorter, &CSelectionSorter::OrderReady, this, &CSelectionPane::TakeSortedRows);

    connect(&m_watcher, &CFolderWatcher::Changed, this, &CSelectionPane::RelistQuietly);
    connect(&m_quietLister, &CDirectoryLister::RowsReady, this,
            [this] { m_quietLister.MoveInto(m_quietRows); });
    connect(&m_quietLister, &CDirectoryLister::OrderReady, this,
            [this] { m_quietLister.ApplyOrder(m_quietRows); });
    connect(&m_quietLister, &CDirectoryLister::Finished, this, &CSelectionPane::TakeQuietListing);
}

std::vector<int> CSelectionPane::SelectedRows() const
{
    return m_list->SelectedRows();
}

ListingSort CSelectionPane::CurrentSort() const
{
    return {m_sortKey, m_env.IsSortNum != 0, m_sortDirection < 0};
}

ListingFilter CSelectionPane::ActiveFilter() const
{
    const int mode = std::clamp(m_env.FilterMode, 0, static_cast<int>(CEnvSettings::kFilterCount) - 1);
    const FilterRecord &record = m_env.Filters[static_cast<std::size_t>(mode)];
    return {record.Filter, record.IsHideDir != 0, record.HideMask()};
}

CandidateListing CSelectionPane::ShownListing() const
{
    CandidateListing listing;
    listing.filter = ActiveFilter();
    listing.sort.key = m_sortKey;
    listing.sort.numeric = m_env.IsSortNum != 0;
    listing.sort.descending = m_sortDirection < 0;
    return listing;
}

void CSelectionPane::SetShown(bool shown)
{
    m_shown = shown;
    for (QWidget *w : std::initializer_list<QWidget *>{m_caption, m_browseButton, m_parentButton,
                                                       m_refreshButton, m_directoryCombo, m_list, m_status})
        w->setVisible(shown);
    if (shown && m_listingPending)
        ListDirectory();
}

void CSelectionPane::SetDirectoryText(const std::string &directory)
{
    m_directoryCombo->SetCurrentText(directory);
}

void CSelectionPane::RequestListing()
{
    if (m_shown)
        ListDirectory();
    else
        m_listingPending = true;
}

void CSelectionPane::ListDirectory()
{
    m_quietLister.Cancel();
    m_lister.Cancel();
    m_sorter.Cancel();
    m_afterListing = nullptr;
    m_listingPending = false;
    m_rows.Clear();
    m_list->Reset();

    if (const auto entered = EnterDirectory(m_directoryCombo->CurrentText(), m_currentDirectory))
        m_currentDirectory = *entered;
    m_directoryCombo->SetCurrentText(platform::DisplayDirectory(m_currentDirectory));
    if (!m_sortedOnce) {
        m_sortDirection = m_env.IsSortDown ? -1 : 1;
        m_sortKey = m_env.ListSortKey();
        m_sortedOnce = true;
    }
    m_listedSort = CurrentSort();
    m_list->SetSortIndicator(SortColumn(), m_sortDirection == 1);
    // The progress takes the place of the status line until the rows are all in.
    m_progress->setRange(0, 0);
    m_progress->show();
    m_status->hide();
    m_listingError = 0;
    m_watcher.Watch(m_currentDirectory);
    m_lister.Start(m_currentDirectory, ActiveFilter(), m_listedSort);
    AddDirectoryToHistory();
    emit Changed();
}

void CSelectionPane::FinishListing()
{
    m_progress->hide();
    m_status->show();
    // A sort asked for while the rows came in.
    if (m_listedSort != CurrentSort())
        SortRows();
    if (const auto after = std::exchange(m_afterListing, nullptr))
        after();
    emit Listed();
    emit Changed();
}

void CSelectionPane::RelistQuietly()
{
    // Not while the rows are being listed or changed by a run, nor under a
    // question or a hidden pane: the change is looked at again shortly.
    if (IsListing() || !m_shown || CBusyWindow::AnyBusy() || QApplication::activeModalWidget()) {
        m_watcher.Postpone();
        return;
    }
    m_quietRows.Clear();
    m_quietSort = CurrentSort();
    m_quietLister.Start(m_currentDirectory, ActiveFilter(), m_quietSort);
}

void CSelectionPane::TakeQuietListing(int error)
{
    if (error != 0) {
        // The folder went away or cannot be read: the usual listing finds the nearest one.
        ListDirectory();
        return;
    }
    std::unordered_set<std::string> selected;
    for (const int row : m_list->SelectedRows())
        selected.insert(m_rows.Name(row));
    const int current = m_list->CurrentRow();
    const std::string currentName = current >= 0 ? m_rows.Name(current) : std::string();
    const int scrolled = m_list->ScrollPosition();

    m_sorter.Cancel();
    m_list->Reset([this] { m_rows.TakeRowsOf(m_quietRows); });
    m_listedSort = m_quietSort;
    std::vector<int> reselected;
    int newCurrent = -1;
    for (int row = 0; row < m_rows.RowCount(); ++row) {
        if (selected.count(m_rows.Name(row)) != 0)
            reselected.push_back(row);
        if (current >= 0 && newCurrent < 0 && m_rows.Name(row) == currentName)
            newCurrent = row;
    }
    m_list->SetSelectedRows(reselected);
    m_list->SetCurrentRow(newCurrent);
    m_list->SetScrollPosition(scrolled);
    // A sort chosen while the folder was listed anew.
    if (m_listedSort != CurrentSort())
        SortRows();
    ShowStatus();
    emit Changed();
}

bool CSelectionPane::IsListing() const
{
    return m_lister.IsRunning();
}

void CSelectionPane::CancelListing()
{
    if (!IsListing())
        return;
    m_lister.Cancel();
    m_quietLister.Cancel();
    m_afterListing = nullptr;
    m_progress->hide();
    m_status->show();
    emit Changed();
}

void CSelectionPane::WaitForListing()
{
    QEventLoop loop;
    connect(this, &CSelectionPane::Listed, &loop, &QEventLoop::quit);
    if (IsListing())
        loop.exec();
}

void CSelectionPane::AfterListing(std::function<void()> action)
{
    if (IsListing())
        m_afterListing = std::move(action);
    else
        action();
}

void CSelectionPane::SortRows()
{
    m_list->SetSortIndicator(SortColumn(), m_sortDirection == 1);
    // While rows come in, the listing's own order is applied first.
    if (IsListing())
        return;
    const ListingSort sort = CurrentSort();
    if (m_rows.RowCount() > kSortAtOnceRows) {
        m_sorter.Start(m_rows, sort);
        return;
    }
    m_sorter.Cancel();
    m_list->ReorderRows([this, &sort] { return m_rows.Sort(sort); });
    m_listedSort = sort;
    emit Changed();
}

void CSelectionPane::TakeSortedRows(const ListingSort &sort)
{
    bool moved = false;
    m_list->ReorderRows([this, &moved] {
        std::vector<int> newRowOf = m_sorter.ApplyOrder(m_rows);
        moved = !newRowOf.empty();
        return newRowOf;
    });
    if (!moved)
        return;
    m_listedSort = sort;
    emit Changed();
}

void CSelectionPane::FocusList()
{
    m_list->CurrentView()->setFocus();
}

void CSelectionPane::FocusRow(int row)
{
    if (row < 0 && m_rows.RowCount() > 0) {
        m_list->SetCurrentRow(0);
    } else if (row >= 0 && row < m_rows.RowCount()) {
        m_list->SetSelectedRows({row});
        m_list->SetCurrentRow(row);
        m_list->EnsureVisible(row);
    }
    FocusList();
}

void CSelectionPane::EnterFolder()
{
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1 || !m_rows.IsFolder(rows.front()))
        return;
    const std::string name = m_rows.Name(rows.front());
    m_directoryCombo->SetCurrentText(
        platform::DisplayDirectory(platform::JoinPath(m_currentDirectory, name)));
    ListDirectory();
    AfterListing([this] { FocusRow(-1); });
    FocusList();
}

void CSelectionPane::GoToParent()
{
    if (platform::IsRootDirectory(m_currentDirectory))
        return;
    const std::string left = LastComponent(m_currentDirectory);
    m_directoryCombo->SetCurrentText(platform::JoinPath(m_currentDirectory, ".."));
    ListDirectory();
    AfterListing([this, left] {
        if (const int row = m_rows.FindName(left); row >= 0)
            FocusRow(row);
    });
    FocusList();
}

void CSelectionPane::Refresh()
{
    ListDirectory();
    FocusList();
}

void CSelectionPane::RefreshSelecting(const std::string &name)
{
    ListDirectory();
    AfterListing([this, name] {
        if (const int row = m_rows.FindName(name); row >= 0)
            FocusRow(row);
    });
    FocusList();
}

void CSelectionPane::BrowseDirectory()
{
    AddDirectoryToHistory();
    std::optional<std::string> chosen;
    {
        CModalGuard modal(m_list);
        chosen = ChooseFolder(m_list->window(), {}, m_directoryCombo->CurrentText(), m_env.SelDirMode);
    }
    if (chosen) {
        m_directoryCombo->SetCurrentText(*chosen);
        AddDirectoryToHistory();
        ListDirectory();
        AfterListing([this] { FocusRow(-1); });
    }
    FocusList();
}

void CSelectionPane::DirectoryFocusLost()
{
    if (AbsoluteDirectory(m_directoryCombo->CurrentText(), m_currentDirectory) != m_currentDirectory)
        ListDirectory();
}

void CSelectionPane::ActivateRow(int row)
{
    if (row < 0 || row >= m_rows.RowCount())
        return;
    if (m_rows.IsParentRow(row))
        GoToParent();
    else if (m_rows.IsFolder(row))
        EnterFolder();
    else
        OpenEntries({row});
}

void CSelectionPane::ActivateSelection()
{
    const std::vector<int> rows = SelectedRows();
    if (rows.size() == 1)
        ActivateRow(rows.front());
    else
        OpenEntries(rows);
    emit Changed();
}

void CSelectionPane::OpenEntries(const std::vector<int> &rows)
{
    for (int row : rows)
        OpenEntry(m_rows.FullPath(row));
}

void CSelectionPane::SortByColumn(int column)
{
    const SortKey key = CSelectionList::KeyOfColumn(column);
    m_sortDirection = key == m_sortKey ? -m_sortDirection : 1;
    m_sortKey = key;
    SortRows();
}

void CSelectionPane::ChooseSortItem(int column)
{
    const SortKey key = CSelectionList::KeyOfColumn(column);
    m_env.SetListSortKey(key);
    m_sortDirection = key == m_sortKey && m_sortDirection == 1 ? -1 : 1;
    m_sortKey = key;
    SortRows();
}

void CSelectionPane::ToggleNumericSort()
{
    m_env.IsSortNum = m_env.IsSortNum ? 0 : 1;
    m_env.SetListSortKey(SortKey::Name);
    m_sortKey = SortKey::Name;
    m_sortDirection = 1;
    SortRows();
}

void CSelectionPane::SetViewType(int type)
{
    m_env.SrcListType = type;
    ApplyDisplayOptions();
}

void CSelectionPane::SetFilterMode(int mode)
{
    m_env.FilterMode = mode;
    ListDirectory();
}

void CSelectionPane::SelectAllOfKind()
{
    m_list->SetSelectedRows(m_rows.RowsOfKind(m_settings.ChoosesFolders() ? 1 : 0));
}

void CSelectionPane::InvertSelectionOfKind()
{
    std::vector<int> rows;
    for (int row : m_rows.RowsOfKind(m_settings.ChoosesFolders() ? 1 : 0)) {
        if (!m_list->IsRowSelected(row))
            rows.push_back(row);
    }
    m_list->SetSelectedRows(rows);
}

bool CSelectionPane::HandleKey(const QKeyEvent &key)
{
    if (!m_shown)
        return false;
    const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    if (key.key() == Qt::Key_Backspace && !ctrl)
        GoToParent();
    else if (key.key() == Qt::Key_F5)
        Refresh();
    else if (ctrl && key.key() == Qt::Key_A)
        SelectAllOfKind();
    else if (ctrl && key.key() == Qt::Key_R)
        InvertSelectionOfKind();
    else if (key.key() == Qt::Key_Delete && !ctrl && EntriesChosen(SelectedRows()))
        emit DeleteRequested();
    else if (key.key() == Qt::Key_Insert && !ctrl)
        emit MakeDirectoryRequested();
    else
        return false;
    emit Changed();
    return true;
}

void CSelectionPane::AddListFormItems(QMenu *menu)
{
    const char *const views[] = {QT_TR_NOOP("詳細"), QT_TR_NOOP("一覧"), QT_TR_NOOP("小さなアイコン")};
    for (int i = 0; i < 3; ++i)
        AddCheckItem(menu, tr(views[i]), kViewBase + i, m_env.SrcListType == i);
    menu->addSeparator();
    const char *const sorts[] = {QT_TR_NOOP("名前"), QT_TR_NOOP("サイズ"), QT_TR_NOOP("ファイルの種類"),
                                 QT_TR_NOOP("更新日時"), QT_TR_NOOP("属性")};
    for (int i = 0; i < 5; ++i)
        AddCheckItem(menu, tr(sorts[i]), kSortBase + i,
                     m_env.ListSortKey() == CSelectionList::KeyOfColumn(i));
    menu->addSeparator();
    AddCheckItem(menu, tr("数値比較"), kNumericSort, m_env.IsSortNum != 0)
        ->setEnabled(m_env.ListSortKey() == SortKey::Name);
}

void CSelectionPane::AddFilterItems(QMenu *menu)
{
    // The free filter comes first, then filters 1-5 by their titles, then the
    // no-filter entry; the first and the last have menu texts of their own.
    const auto addFilter = [&](int index, const QString &text) {
        AddCheckItem(menu, text, kFilterBase + index, m_env.FilterMode == index);
    };
    addFilter(CEnvSettings::kFreeFilterIndex, tr("任意フィルタ"));
    for (int index = 0; index < CEnvSettings::kFreeFilterIndex; ++index)
        addFilter(index, QString::fromStdString(m_env.Filters[static_cast<std::size_t>(index)].Title));
    addFilter(CEnvSettings::kNoFilterIndex, tr("フィルタ解除"));
}

void CSelectionPane::ChooseFilter(int mode)
{
    if (mode == CEnvSettings::kFreeFilterIndex) {
        CFreeFilterDlg dialog(m_env.Filters[CEnvSettings::kFreeFilterIndex], m_list->window());
        if (dialog.exec() != QDialog::Accepted)
            return;
        m_env.Filters[CEnvSettings::kFreeFilterIndex] = dialog.Record();
    }
    SetFilterMode(mode);
}

void CSelectionPane::AddLaunchItems(QMenu *menu, bool enabled)
{
    // An entry without a title has no item; the others keep their own command.
    for (std::size_t k = 0; k < CLaunchList::kEntryCount; ++k) {
        const std::string &title = m_launchers.Entries[k].Title;
        if (title.empty())
            continue;
        QAction *action = menu->addAction(QString::fromStdString(title));
        action->setData(kLaunchBase + static_cast<int>(k));
        action->setEnabled(enabled);
    }
}

void CSelectionPane::LaunchOnEntries(std::size_t launcher, const std::vector<int> &rows)
{
    std::vector<std::string> paths;
    paths.reserve(rows.size());
    for (int row : rows)
        paths.push_back(m_rows.FullPath(row));
    RunLaunchCommand(m_launchers.Entries[launcher].Command, paths);
}

void CSelectionPane::ShowMenu(const QPoint &globalPos)
{
    emit Changed();
    QMenu menu(m_list);
    AddListFormItems(menu.addMenu(tr("リスト形式")));
    AddFilterItems(menu.addMenu(tr("フィルタ")));

    const std::vector<int> selected = SelectedRows();
    const bool entriesChosen = EntriesChosen(selected);
    QAction *copy = menu.addAction(tr("複写"));
    copy->setEnabled(entriesChosen);
    QAction *move = menu.addAction(tr("移動"));
    move->setEnabled(entriesChosen);
    QAction *remove = menu.addAction(tr("削除"));
    remove->setEnabled(entriesChosen);
    QAction *makeDirectory = menu.addAction(tr("ディレクトリ作成"));
    QAction *open = menu.addAction(tr("開く"));
    open->setEnabled(entriesChosen);
    AddLaunchItems(&menu, entriesChosen);
    QAction *exportList = menu.addAction(tr("ファイルリストのエクスポート"));
    exportList->setEnabled(entriesChosen);
    QAction *batch = menu.addAction(tr("バッチ処理"));
    batch->setEnabled(BatchAllowed(selected));
    QAction *history = menu.addAction(tr("履歴…"));

    QAction *chosen = menu.exec(globalPos);
    if (!chosen)
        return;
    if (chosen == open) {
        OpenEntries(selected);
        return;
    }
    if (chosen == copy) {
        emit CopyRequested();
        return;
    }
    if (chosen == move) {
        emit MoveRequested();
        return;
    }
    if (chosen == remove) {
        emit DeleteRequested();
        return;
    }
    if (chosen == makeDirectory) {
        emit MakeDirectoryRequested();
        return;
    }
    if (chosen == exportList) {
        emit ExportRequested();
        return;
    }
    if (chosen == batch) {
        emit BatchRequested();
        return;
    }
    if (chosen == history) {
        emit HistoryRequested();
        return;
    }
    int command = chosen->data().toInt();
    if (command >= kLaunchBase && command < kLaunchBase + static_cast<int>(CLaunchList::kEntryCount)) {
        LaunchOnEntries(static_cast<std::size_t>(command - kLaunchBase), selected);
        return;
    }
    if (command >= kFilterBase && command <= kFilterBase + 6) {
        ChooseFilter(command - kFilterBase);
        return;
    }
    // List form choices show the list form menu again at the same point.
    while (command >= kViewBase && command <= kNumericSort) {
        if (command < kSortBase)
            SetViewType(command - kViewBase);
        else if (command < kNumericSort)
            ChooseSortItem(command - kSortBase);
        else
            ToggleNumericSort();
        QMenu again(m_list);
        AddListFormItems(&again);
        QAction *next = again.exec(globalPos);
        command = next ? next->data().toInt() : 0;
    }
}

bool CSelectionPane::EntriesChosen(const std::vector<int> &selected) const
{
    return std::any_of(selected.begin(), selected.end(),
                       [this](int row) { return !m_rows.IsParentRow(row); });
}

bool CSelectionPane::BatchAllowed(const std::vector<int> &selected) const
{
    if (!m_settings.RenamesFiles())
        return selected.empty();
    return std::all_of(selected.begin(), selected.end(),
                       [this](int row) { return m_rows.IsFolder(row) && !m_rows.IsParentRow(row); });
}

void CSelectionPane::ApplyDisplayOptions()
{
    m_list->SetFullRowSelect(m_env.SelectMode == 1);
    m_list->SetGridLines(m_env.IsGrid == 1);
    m_list->SetViewType(m_env.SrcListType, true);
    m_rows.SetDisplayOptions({m_env.FileCharMode, m_env.FileSizeType == 1});
}

void CSelectionPane::ApplySortOptions()
{
    m_sortDirection = m_env.IsSortDown ? -1 : 1;
    m_sortKey = m_env.ListSortKey();
    SortRows();
}

void CSelectionPane::ApplyStates(const ControlStates &states)
{
    m_parentButton->setEnabled(states.parentDirectory);
}

void CSelectionPane::Place(const MainLayout &l)
{
    m_caption->setGeometry(l.selectionCaption);
    m_browseButton->setGeometry(l.browse);
    m_parentButton->setGeometry(l.parent);
    m_refreshButton->setGeometry(l.refresh);
    m_directoryCombo->setGeometry(l.directory);
    m_list->setGeometry(l.selectionList);
    m_status->setGeometry(l.selectionStatus);
    m_progress->setGeometry(l.selectionStatus);
}

QRect CSelectionPane::Frame() const
{
    return QRect(m_directoryCombo->geometry().topLeft(), m_status->geometry().bottomRight());
}

int CSelectionPane::DirectoryRight() const
{
    return m_directoryCombo->geometry().right() + 1;
}

QString CSelectionPane::StatusText() const
{
    // The counts, then which filter is on, so that a list that lacks entries
    // says why: filters 1-5 by their titles, the free filter by its pattern.
    QString counts = ListStatusText(m_rows.RowCount(), m_list->SelectedCount());
    const int mode = m_env.FilterMode;
    if (mode < 0 || mode >= CEnvSettings::kNoFilterIndex)
        return counts;
    const FilterRecord &filter = m_env.Filters[static_cast<std::size_t>(mode)];
    return tr("%1　%2").arg(counts,
                            ShownText(mode == CEnvSettings::kFreeFilterIndex ? filter.Filter : filter.Title));
}

void CSelectionPane::ShowStatus()
{
    const QString text = StatusText();
    m_status->setText(text);
    m_status->setToolTip(text);
}

void CSelectionPane::LoadState()
{
    m_list->LoadColumnWidths("Window", "SrcListColumn");
    m_directoryCombo->LoadHistory("Environment", "CurrentDirectory");
    if (m_env.DirectoryMode == 1)
        m_directoryCombo->SetCurrentText(m_env.DefDirectory);
}

void CSelectionPane::SaveState()
{
    m_list->SaveColumnWidths("Window", "SrcListColumn");
    SaveHistory();
}

void CSelectionPane::SaveHistory()
{
    m_directoryCombo->SaveHistory("Environment", "CurrentDirectory", CHistoryComboBox::kDefaultMaxCount);
}

void CSelectionPane::ReloadHistory()
{
    m_directoryCombo->ReloadHistory("Environment", "CurrentDirectory");
}

void CSelectionPane::AddDirectoryToHistory()
{
    m_directoryCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
}
