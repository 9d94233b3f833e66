#pragma once

#include "ui/main/DirectoryLister.h"
#include "ui/main/FolderWatcher.h"
#include "ui/main/SelectionList.h"
#include "ui/main/SelectionSorter.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class CEnvSettings;
class CFileListCtrl;
class CHistoryComboBox;
class CImageButton;
class CLaunchList;
class CRenameSettings;
class QKeyEvent;
class QLabel;
class QMenu;
class QPoint;
class QProgressBar;
class QWidget;
struct ControlStates;
struct MainLayout;

// The left pane of the main window: the directory combo with its buttons, the
// selection list of the current directory, its status line and its context
// menu (list form, sort, filters, opening entries). It lists, navigates,
// sorts and filters; what happens to chosen entries is up to the window.
class CSelectionPane : public QObject {
    Q_OBJECT
public:
    // `env` holds the list options, sort and filters the pane uses and
    // changes; `settings` says which kind of entry the candidates are.
    CSelectionPane(QWidget *window, CEnvSettings &env, const CRenameSettings &settings,
                   const CLaunchList &launchers);
    ~CSelectionPane() override;

    CSelectionList &Rows() { return m_rows; }
    const CEnvSettings &Env() const { return m_env; }
    const CSelectionList &Rows() const { return m_rows; }
    CFileListCtrl *List() const { return m_list; }
    const std::string &CurrentDirectory() const { return m_currentDirectory; }
    std::vector<int> SelectedRows() const;

    // The pane is shown or hidden with the left half of the window; a
    // listing asked for while it is hidden waits until it is shown.
    void SetShown(bool shown);
    bool IsShown() const { return m_shown; }
    // Shows a directory in the combo (from the command line or the settings).
    void SetDirectoryText(const std::string &directory);
    // Lists the directory of the combo now, or when the pane is next shown.
    void RequestListing();
    // Lists on a worker thread: the rows come in while the window paints and
    // takes input; Listed() says when all are there and sorted.
    void ListDirectory();
    bool IsListing() const;
    // Stops a listing (Escape); the rows listed so far stay.
    void CancelListing();
    // Waits, with the events of the window handled, until the running listing is done.
    void WaitForListing();
    // 0, or the errno value of the last listing's directory that could not be read.
    int ListingError() const { return m_listingError; }
    void Refresh();
    // Lists the directory again and selects the entry `name` when it is there.
    void RefreshSelecting(const std::string &name);
    void EnterFolder();
    void GoToParent();
    void BrowseDirectory();
    // Double click or Enter on a row: into a folder, up for "..", open a file.
    void ActivateRow(int row);
    // Enter in the list: the one selected row activated, or every selected entry opened.
    void ActivateSelection();

    // Sorts by a column's key (its header clicked): a list of many rows is
    // sorted on a worker thread while the window takes input, the header
    // showing the order asked for at once.
    void SortByColumn(int column);
    // A sort of many rows has not yet put the rows in their order.
    bool IsSorting() const { return m_sorter.IsRunning(); }
    int SortColumn() const { return CSelectionList::ColumnOfKey(m_sortKey); }
    // How the list filters and sorts, for listing another directory as the list would show it.
    CandidateListing ShownListing() const;
    int SortDirection() const { return m_sortDirection; }
    void ChooseSortItem(int column);
    void ToggleNumericSort();
    void SetViewType(int type);
    void SetFilterMode(int mode);
    // A filter of the menu: the free filter asks for its record first.
    void ChooseFilter(int mode);
    void SelectAllOfKind();
    void InvertSelectionOfKind();
    void ShowMenu(const QPoint &globalPos);
    bool HandleKey(const QKeyEvent &key);
    void DirectoryFocusLost();
    void FocusList();

    void ApplyDisplayOptions();
    // Sort column and direction taken from the settings, the rows sorted again.
    void ApplySortOptions();
    void ApplyStates(const ControlStates &states);
    void Place(const MainLayout &layout);
    // The rectangle the pane covers, for the splitter's drag frame.
    QRect Frame() const;
    int DirectoryRight() const;
    // Row count and selection, and the filter when one is active.
    QString StatusText() const;
    void ShowStatus();

    void LoadState();
    void SaveState();
    // The directory history written to the store, and read back from it with
    // the directory text kept.
    void SaveHistory();
    void ReloadHistory();
    void AddDirectoryToHistory();

    CHistoryComboBox *DirectoryCombo() const { return m_directoryCombo; }
    QLabel *Status() const { return m_status; }
    QProgressBar *Progress() const { return m_progress; }

signals:
    // Rows or the selection changed: the window's control states follow.
    void Changed();
    void FocusEntered();
    // A listing finished: the rows are those of CurrentDirectory().
    void Listed();
    // The menu's バッチ処理 on the selected rows.
    void BatchRequested();
    // 履歴…: the list of runs that can be taken back.
    void HistoryRequested();
    // The context menu's export item: the selected rows are to be exported.
    void ExportRequested();
    // 複写 or 移動 of the selected rows.
    void CopyRequested();
    void MoveRequested();
    // 削除 (or the Delete key) on the selected rows.
    void DeleteRequested();
    // ディレクトリ作成 (or the Insert key) in the current directory.
    void MakeDirectoryRequested();

private:
    void CreateControls(QWidget *window);
    void Connect();
    ListingFilter ActiveFilter() const;
    // The order the rows are to be in: the chosen key and direction, IsSortNum.
    ListingSort CurrentSort() const;
    void FinishListing();
    // The listed folder changed on disk: it is listed again in the
    // background and the new rows replace the old ones in one step, keeping
    // the selection, the current row and the scroll position.
    void RelistQuietly();
    void TakeQuietListing(int error);
    // Runs `action` when the running listing is done, or now when none runs.
    void AfterListing(std::function<void()> action);
    // Orders the rows by the current sort, at once or on the sorter's worker;
    // the selection stays on its rows.
    void SortRows();
    void TakeSortedRows(const ListingSort &sort);
    // Selects and shows `row` (the current row only at the top when -1).
    void FocusRow(int row);
    void OpenEntries(const std::vector<int> &rows);
    // True when the selection holds an entry other than "..".
    bool EntriesChosen(const std::vector<int> &selected) const;
    // バッチ処理 takes only real folders, and only for a rename of files.
    bool BatchAllowed(const std::vector<int> &selected) const;
    void AddListFormItems(QMenu *menu);
    void AddFilterItems(QMenu *menu);
    // One item per launch command with a title, in order.
    void AddLaunchItems(QMenu *menu, bool enabled);
    // Starts launch command `launcher` once for every one of `rows`.
    void LaunchOnEntries(std::size_t launcher, const std::vector<int> &rows);

    CEnvSettings &m_env;
    const CRenameSettings &m_settings;
    const CLaunchList &m_launchers;
    CSelectionList m_rows;
    CDirectoryLister m_lister;
    CFolderWatcher m_watcher;
    CDirectoryLister m_quietLister;
    CSelectionList m_quietRows;
    ListingSort m_quietSort;
    CSelectionSorter m_sorter;
    std::function<void()> m_afterListing;
    // The order the rows were last put in, by a listing or a sort.
    ListingSort m_listedSort;
    std::string m_currentDirectory;
    bool m_shown = true;
    bool m_listingPending = true;
    bool m_sortedOnce = false;
    SortKey m_sortKey = SortKey::Name;
    int m_sortDirection = 1;
    int m_listingError = 0;

    QLabel *m_caption = nullptr;
    CImageButton *m_browseButton = nullptr;
    CImageButton *m_parentButton = nullptr;
    CImageButton *m_refreshButton = nullptr;
    CHistoryComboBox *m_directoryCombo = nullptr;
    CFileListCtrl *m_list = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
};
