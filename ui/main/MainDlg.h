#pragma once

#include "app/EnvSettings.h"
#include "app/LaunchList.h"
#include "engine/RenameSettings.h"
#include "exec/RunHistory.h"
#include "ui/main/ControlStates.h"
#include "ui/main/WindowStore.h"
#include "ui/widgets/ModalGuard.h"

#include <QMessageBox>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCandidatePane;
class CCommandBar;
class CDropHandler;
class CFileOperations;
class CImageButton;
class CModeArea;
class CPaneSplitter;
class CSelectionPane;
class CSettingsDlg;
class CTextViewerHost;
namespace exec {
struct CRunRequest;
}
class DialogUnits;

// The program's one main window, composed of its parts: the mode area at the
// top, the selection pane on the left, the candidate pane on the right, the
// splitter between them and the command bar below. The window holds the
// settings they share, moves entries from one pane to the other, runs and
// undoes renames, and keeps the window's keys and layout.
class CMainDlg : public QWidget, public CInteractionHost {
    Q_OBJECT
public:
    // Asks the user; returns the button chosen. Tests replace it.
    using QuestionFunction = std::function<QMessageBox::StandardButton(
        QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text,
        QMessageBox::StandardButtons buttons)>;

    // args: paths from the command line (directories and files).
    explicit CMainDlg(const std::vector<std::string> &args = {}, QWidget *parent = nullptr);
    ~CMainDlg() override;

    void SetQuestionFunction(QuestionFunction ask) { m_ask = std::move(ask); }

    // Brings the window forward (restored when minimised), for a later start.
    void BringForward();
    // A later start of the program handed over its paths: the window comes
    // forward and takes them as it takes its own command line (folders are
    // listed, files added), once no run or question is under way.
    void TakeLaterStart(const std::vector<std::string> &paths);
    // Warns, once the window is up, when the settings store could not be read.
    void WarnIfStoreUnreadable();

    // Entries of the selection list into the candidate list.
    void AddSelected();
    void AddAll();

    // 実行 and アンドゥ (the newest run of the history).
    void Execute();
    void Undo();
    bool UndoAvailable() const { return m_historyHasRuns; }
    // 履歴…: the list of runs, any of which can be taken back from there.
    void ShowHistory();
    // バッチ処理: the rename of files in each selected directory of the
    // selection list, in place, with one result log for all of them.
    void RunBatch();

    // Modal windows of the window and its children clear this flag.
    bool IsInteractive() const override { return m_interactive; }
    void SetInteractive(bool on) override;

    // Mode combo: the mode chosen by the user.
    void ChangeMode(RenameKind kind);
    // Mode combo's command row: the settings stored as the defaults.
    void StoreDefaultsFromModes();
    // Radio ファイル / フォルダ: the kind of entries the candidates are.
    void ChangeObjectKind(ObjectKind kind);
    void ToggleSplit();
    void ShowHelp();
    // 環境設定: the settings dialog, and the window following what it changed.
    void OpenSettings();
    // The exit sequence: saves everything and closes the window.
    void Exit();
    // バージョン情報: the about box; when it deleted the settings, the window
    // closes without saving anything.
    void ShowAbout();

    // The export dialog for the selected rows of one list, then the export.
    enum class ExportSource { Selection, Candidates };
    void ExportFileList(ExportSource source);

    // The parts and the shared state, for the program and its tests.
    CSelectionPane &Selection() const { return *m_selection; }
    CCandidatePane &Candidates() const { return *m_candidates; }
    CModeArea &Modes() const { return *m_modes; }
    CCommandBar &Commands() const { return *m_commands; }
    CTextViewerHost &ViewerHost() const { return *m_viewer; }
    const CRenameSettings &Settings() const { return m_settings; }
    const CEnvSettings &Env() const { return m_env; }
    const std::string &CurrentDirectory() const;
    bool IsSplit() const { return m_isSplit; }
    int SelectionListWidth() const { return m_selectionListWidth; }

    // Runs the rules that enable the controls and refreshes the status lines.
    void RefreshControlStates();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ConnectParts();
    void LoadState();
    void ApplyListOptions();
    void ApplySettings(const CSettingsDlg &dialog, bool accepted);
    // True when a folder was given, whose listing is then due.
    bool ProcessArguments(const std::vector<std::string> &args);
    void TakeWaitingStarts();
    void SetListFocus(ListPane list);
    // The one selected file of a list, shown in the viewer when it is open.
    void ShowSelectedInViewer(ListPane list);
    // Entries of the selection rows first..end-1 that may become candidates.
    void CollectSelectionListRows(int first, int end, std::vector<CFileEntry> &entries) const;

    // The settings from the controls, and the preview computed again.
    void PanelRefresh();
    void StoreOutput();
    QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                    QMessageBox::StandardButtons buttons);
    void StoreDefaults();
    // The output folder made to exist (asking first); false when the export stops.
    bool PrepareExportFolder(const std::string &path);
    // Asks what becomes of the candidates when the mode changes; false to keep the old mode.
    bool ClearForModeChange(RenameKind next);
    void ReplacePanel();
    // The Ctrl shortcuts of the window (Qt::Key_D, Qt::Key_E, ...); true when
    // the key is one of them. Those of the selection list (Q, W) act only
    // when the key was pressed in it.
    bool HandleShortcut(int key, bool inSelectionList);
    // Takes back run `number` of the history, asking first.
    void UndoRun(std::uint64_t number);
    // Looks again whether the history holds a run (after a run or an undo
    // here, and when the window comes forward: kestrel-cli may have run).
    void ReadHistoryState();
    // After a run: the candidates emptied, the directory read again.
    void FinishRun(bool clearCandidates, bool listAgain);
    // Runs request through the one entry of runs: progress under the
    // candidate list, input blocked, the lists refreshed, the log shown.
    void RunAndShow(exec::CRunRequest request);
    void SaveState();
    void LayOut();

    std::unique_ptr<DialogUnits> m_du;
    std::unique_ptr<CFileOperations> m_fileOperations;
    std::unique_ptr<CDropHandler> m_drops;
    QuestionFunction m_ask;
    CWindowStore m_store;
    CRenameSettings m_settings;
    CEnvSettings m_env;
    CLaunchList m_launchers;
    exec::CRunHistory m_history;
    bool m_historyHasRuns = false;
    int m_selectionListWidth = 240;
    bool m_isSplit = true;
    ListPane m_listFocus = ListPane::Selection;
    bool m_interactive = true;
    std::vector<std::vector<std::string>> m_laterStarts;
    bool m_laterStartsRetry = false;
    bool m_created = false;
    // The settings were deleted, or the store file could not be read at start
    // (what it holds would be replaced by defaults): nothing is saved when the
    // window closes.
    bool m_discardState = false;
    // Why the store file could not be read at start (CRegistryStore::ReadError).
    int m_storeReadError = 0;

    CModeArea *m_modes = nullptr;
    CSelectionPane *m_selection = nullptr;
    CCandidatePane *m_candidates = nullptr;
    CPaneSplitter *m_splitter = nullptr;
    CCommandBar *m_commands = nullptr;
    CTextViewerHost *m_viewer = nullptr;
    CImageButton *m_splitButton = nullptr;
};
