#pragma once

#include "app/EnvSettings.h"
#include "app/LaunchList.h"
#include "engine/RenameSettings.h"
#include "exec/DirectoryNames.h"
#include "exec/RenameRecord.h"
#include "ui/main/CandidateList.h"
#include "ui/main/SelectionList.h"
#include "ui/panels/ModalGuard.h"

#include <QMessageBox>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CFileListCtrl;
class CHistoryComboBox;
class CImageButton;
class CModePanel;
class DialogUnits;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QRubberBand;
class QTimeEdit;
class SplitterBar;

// The program's one main window: the selection list of the current directory
// on the left, the candidate list on the right, the mode combo and the
// unification controls above them and the command buttons below.
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

    // Selection list.
    void ListDirectory();
    void EnterFolder();
    void GoToParent();
    void Refresh();
    void BrowseDirectory();
    void SortSourceByColumn(int column);
    void SelectAllOfKind();
    void InvertSelectionOfKind();
    void SetFilterMode(int mode);
    void SetSourceViewType(int type);
    void ChooseSortItem(int column);
    void ToggleNumericSort();

    // Candidate list editing.
    void AddSelected();
    void RemoveSelected();
    void AddAll();
    void ClearAll();
    void InsertDummies();
    void MoveToTop();
    void MoveUp();
    void MoveToPosition();
    void MoveDown();
    void MoveToEnd();
    // Moves the selected candidates to the line before row `position`.
    void MoveSelectionTo(int position);
    void SortCandidatesByColumn(int column);

    // 実行 and アンドゥ.
    void Execute();
    void Undo();
    bool UndoAvailable() const { return m_undo.available; }

    // Modal windows of the window and its children clear this flag.
    bool IsInteractive() const override { return m_interactive; }
    void SetInteractive(bool on) override;

    // Mode combo: the index chosen by the user.
    void ChangeMode(int index);
    // Radio ファイル / フォルダ: the kind of entries the candidates are.
    void ChangeObjectKind(int kind);
    void ToggleSplit();
    void ShowHelp();
    // The exit sequence: saves everything and closes the window.
    void Exit();

    // State, for the program and its tests.
    const std::string &CurrentDirectory() const { return m_currentDirectory; }
    const CRenameSettings &Settings() const { return m_settings; }
    const CEnvSettings &Env() const { return m_env; }
    CSelectionList &SourceRows() { return m_sourceRows; }
    CCandidateList &CandidateRows() { return m_candidateRows; }
    CFileListCtrl *SourceList() const { return m_sourceList; }
    CFileListCtrl *CandidateList() const { return m_candidateList; }
    CHistoryComboBox *DirectoryCombo() const { return m_directoryCombo; }
    CHistoryComboBox *DestinationCombo() const { return m_destinationCombo; }
    QComboBox *ModeCombo() const { return m_modeCombo; }
    QComboBox *OutputCombo() const { return m_outputCombo; }
    bool IsSplit() const { return m_isSplit; }
    int SourceListWidth() const { return m_srcListWidth; }
    int SortColumn() const { return m_sortColumn; }
    int SortDirection() const { return m_sortDirection; }
    QString SourceStatusText() const;
    QString CandidateStatusText() const;
    QWidget *Control(int id) const;
    // The area in which the panel of the current mode is shown.
    QWidget *PanelHost() const { return m_panelHost; }
    // The panel of the current mode, or null for a mode without one.
    CModePanel *Panel() const { return m_panel; }

    // Runs the rules that enable the controls and refreshes the status lines.
    void RefreshControlStates();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Start-up.
    void CreateControls();
    void CreateTopArea();
    void CreateListArea();
    void CreateBottomRow();
    void ConnectControls();
    void LoadState();
    void ApplyListOptions();
    void ProcessArguments(const std::vector<std::string> &args);
    // 1: the selection list has the focus, 2: the candidate list.
    void SetListFocus(int list);

    // Members and controls.
    void SaveControls();
    void LoadControls();
    void StoreUnification();
    void PanelRefresh();
    QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                    QMessageBox::StandardButtons buttons);
    void RebuildCandidateColumns();
    // Recomputes the warning marks and repaints every candidate row.
    void RedrawCandidates();
    // Shows the rows after an edit: the selection, the focus row, the
    // candidate list focused.
    void ShowCandidateSelection(const std::vector<int> &rows, int visibleRow);
    bool IsEligible(int sourceRow) const;
    void AppendSourceRows(const std::vector<int> &rows);
    bool HandleCandidateKey(const QKeyEvent &key);
    // The Ctrl shortcuts of the window (Qt::Key_D, Qt::Key_E, ...); true when
    // the key is one of them.
    bool HandleShortcut(int key);
    void CreatePanel();
    void DestroyPanel();
    void FinishRun(bool refreshSelection);
    void SaveState();

    // Selection list helpers.
    ListingFilter ActiveFilter() const;
    void SortSource();
    void FocusRow(int row);
    void ActivateSourceRow(int row);
    void OpenEntries(const std::vector<int> &rows);
    bool HandleSourceKey(const QKeyEvent &key);
    void DirectoryFocusLost();
    void ShowSourceMenu(const QPoint &globalPos);
    void AddListFormItems(QMenu *menu);
    void AddFilterItems(QMenu *menu);
    void BrowseDestination();
    void DestinationFocusLost();

    // Layout and splitter.
    void LayOut();
    void StartSplitterDrag(int globalX);
    void MoveSplitterDrag(int globalX);
    void FinishSplitterDrag(int globalX);
    void CancelSplitterDrag();
    void ShowDragFrames(int right);

    std::unique_ptr<DialogUnits> m_du;
    QuestionFunction m_ask;

    CRenameSettings m_settings;
    CEnvSettings m_env;
    CLaunchList m_launchers;
    CSelectionList m_sourceRows;
    CCandidateList m_candidateRows;
    std::string m_currentDirectory;
    int m_modeIndex = -1;
    int m_objectKind = 0;
    int m_outputIndex = 0;
    int m_srcListWidth = 240;
    bool m_isSplit = true;
    int m_listFocus = 1;
    bool m_interactive = true;
    exec::CUndoList m_undo;
    exec::CDirectoryNames m_existingNames;
    int m_destSortColumn = 0;
    int m_destSortDirection = 1;
    bool m_listingPending = true;
    bool m_sortedOnce = false;
    bool m_created = false;
    bool m_listing = false;
    int m_sortDirection = 1;
    int m_sortColumn = 0;

    // Splitter drag: left pane's right edge at the start and now, grab offset.
    int m_dragStartRight = 0;
    int m_dragRight = 0;
    int m_dragGrab = 0;

    // Top area.
    QComboBox *m_modeCombo = nullptr;
    QRadioButton *m_filesRadio = nullptr;
    QRadioButton *m_foldersRadio = nullptr;
    QButtonGroup *m_objectGroup = nullptr;
    QWidget *m_panelHost = nullptr;
    CModePanel *m_panel = nullptr;
    QCheckBox *m_unifyTime = nullptr;
    QDateEdit *m_datePicker = nullptr;
    QTimeEdit *m_timePicker = nullptr;
    QPushButton *m_nowButton = nullptr;
    QPushButton *m_midnightButton = nullptr;
    QCheckBox *m_unifyAttr = nullptr;
    std::array<QCheckBox *, 4> m_attrChecks{};

    // List area.
    CImageButton *m_splitButton = nullptr;
    QLabel *m_sourceCaption = nullptr;
    CImageButton *m_browseButton = nullptr;
    CImageButton *m_parentButton = nullptr;
    CImageButton *m_refreshButton = nullptr;
    CHistoryComboBox *m_directoryCombo = nullptr;
    CFileListCtrl *m_sourceList = nullptr;
    QLabel *m_sourceStatus = nullptr;
    QProgressBar *m_sourceProgress = nullptr;
    SplitterBar *m_leftBar = nullptr;
    SplitterBar *m_rightBar = nullptr;
    std::array<CImageButton *, 9> m_listButtons{};
    QLabel *m_candidateCaption = nullptr;
    QComboBox *m_outputCombo = nullptr;
    CHistoryComboBox *m_destinationCombo = nullptr;
    CImageButton *m_destinationBrowse = nullptr;
    CFileListCtrl *m_candidateList = nullptr;
    QLabel *m_candidateStatus = nullptr;
    QProgressBar *m_candidateProgress = nullptr;
    QRubberBand *m_leftFrame = nullptr;
    QRubberBand *m_rightFrame = nullptr;

    // Bottom row.
    CImageButton *m_viewerButton = nullptr;
    CImageButton *m_undoButton = nullptr;
    CImageButton *m_executeButton = nullptr;
    CImageButton *m_exitButton = nullptr;
    CImageButton *m_settingsButton = nullptr;
    CImageButton *m_helpButton = nullptr;
    CImageButton *m_aboutButton = nullptr;
};
