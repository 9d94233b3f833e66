#pragma once

#include "ui/main/CandidateList.h"
#include "ui/main/CandidateMarks.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CEnvSettings;
class CFileListCtrl;
class CHistoryComboBox;
class CImageButton;
class CRenameSettings;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPoint;
class QProgressBar;
class QWidget;
struct ControlStates;
struct MainLayout;

// The right pane of the main window: the candidate list with the preview of
// the new names and their warning marks, the output combo with its
// destination, the status line, and the column of buttons that edit the
// list. Edits keep the selection on the entries they move.
class CCandidatePane : public QObject {
    Q_OBJECT
public:
    // The list shows the preview for `settings`; `env` gives the display and
    // sort options. Both must outlive the pane.
    CCandidatePane(QWidget *window, const CRenameSettings &settings, const CEnvSettings &env);
    ~CCandidatePane() override;

    CCandidateList &Rows() { return m_rows; }
    const CCandidateList &Rows() const { return m_rows; }
    CFileListCtrl *List() const { return m_list; }

    // Whether an entry of this kind may become a candidate in the current mode.
    bool Accepts(bool folder) const;
    // Appends the entries not listed yet, and shows them.
    void Append(std::vector<CFileEntry> entries);
    void RemoveSelected();
    // Every row removed; ClearAll also focuses the list (the 全て取消 button).
    void Clear();
    void ClearAll();
    void RemoveDummies();
    void InsertDummies();
    void MoveToTop();
    void MoveUp();
    void MoveDown();
    void MoveToEnd();
    // Moves the selected candidates to the line before row `position`.
    void MoveSelectionTo(int position);
    // Asks for a position (ListPosDlg) and moves the selection there.
    void MoveToPosition();
    void SortByColumn(int column);
    // Every row is read again (after a change of mode, object kind or list).
    void ShowAllRows();

    // The columns of the settings' mode: with the widths they had when last
    // shown in this session, else the stored widths, else the new-name column
    // takes the spare width.
    void RebuildColumns();
    void ApplyDisplayOptions();
    // Numbered-directory mode: exactly `count` placeholder rows.
    void PlaceNumberedDirectories(int count);
    // Repaints the rows with their new names at once; their warning marks
    // follow when a worker thread has planned every row.
    void RefreshPreview();
    // The directory numbered directories would be made in (the listed one), for their marks.
    void SetNumberedDirectoryParent(const std::string &directory) { m_numberedParent = directory; }
    // The marks shown are those of the rows and settings of the last preview.
    bool MarksCurrent() const { return m_marksCurrent; }
    // Target folders are read again at the next preview (after a listing or a run).
    void InvalidateFolders();

    // The add button adds while the selection list has the focus and removes
    // while the candidate list has it.
    void SetAdding(bool adding);
    void ApplyStates(const ControlStates &states);
    void Place(const MainLayout &layout);
    QString StatusText() const;
    void ShowStatus();

    // The output kind the output combo shows, and its destination.
    OutputKind Output() const;
    void SetOutput(OutputKind output);
    std::string Destination() const;
    void AddDestinationToHistory();
    void BrowseDestination();
    void DestinationFocusLost();
    void LoadHistory();
    void SaveHistory();
    // The destination history read again with the destination text kept.
    void ReloadHistory();
    void SaveColumnWidths() const;

    // The context menu, offered while rows are selected: export of the list.
    void ShowMenu(const QPoint &globalPos);
    bool HandleKey(const QKeyEvent &key);
    void FocusList();

    CHistoryComboBox *DestinationCombo() const { return m_destinationCombo; }
    QLabel *Status() const { return m_status; }
    QProgressBar *Progress() const { return m_progress; }
    // insert dummy, add all, clear all, add / remove, to top, up, to position, down, to end
    CImageButton *ListButton(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }
    // The rectangle the pane covers, for the splitter's drag frame.
    QRect Frame() const;

signals:
    // Rows or the selection changed: the window's control states follow.
    void Changed();
    void FocusEntered();
    // The add / remove button while the selection list has the focus, and 全て追加.
    void AddClicked();
    void AddAllClicked();
    // The output mode or the destination text changed.
    void OutputChanged();
    // The context menu's export item: the selected rows are to be exported.
    void ExportRequested();

private:
    void CreateControls(QWidget *window);
    void Connect();
    // Stops the marks worker before the rows change.
    void BeginChange();
    // Runs a reordering edit of the rows; the selection stays on its entries.
    void Reorder(const std::function<std::vector<int>()> &edit);
    // After an edit: `row` scrolled into view, the list focused, marks and states refreshed.
    void FinishEdit(int row);

    const CRenameSettings &m_settings;
    const CEnvSettings &m_env;
    CCandidateList m_rows;
    // Reads m_rows while it plans: cancelled before every change of the rows.
    CCandidateMarks m_marks;
    std::string m_numberedParent;
    // The column titles shown, and the widths of every set of columns shown before.
    QString m_columnLayout;
    std::map<QString, std::vector<int>> m_layoutWidths;
    bool m_adding = true;
    bool m_marksCurrent = false;
    int m_sortColumn = 0;
    int m_sortDirection = 1;

    QLabel *m_caption = nullptr;
    QComboBox *m_outputCombo = nullptr;
    CHistoryComboBox *m_destinationCombo = nullptr;
    CImageButton *m_destinationBrowse = nullptr;
    CFileListCtrl *m_list = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    std::array<CImageButton *, 9> m_buttons{};
};
