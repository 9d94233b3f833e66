// Candidate list editing of the main window: adding, removing, placeholders,
// moves, dragging and header sorting.
#include "ui/main/MainDlg.h"

#include "ui/dialogs/ListPosDlg.h"
#include "ui/main/BusyWindow.h"
#include "ui/main/FileListCtrl.h"
#include "ui/main/WaitCursor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>

bool CMainDlg::IsEligible(int sourceRow) const
{
    if (m_sourceRows.IsParentRow(sourceRow))
        return false;
    const bool folder = m_sourceRows.Entry(sourceRow).isFolder;
    if (m_settings.RenameMode == kModeNumberedDirs)
        return folder;
    if (m_settings.RenameMode == kModeConcatenate)
        return !folder;
    return folder == (m_objectKind == 1);
}

void CMainDlg::AppendSourceRows(const std::vector<int> &rows)
{
    for (int row : rows)
        if (IsEligible(row) && !m_candidateRows.Contains(m_sourceRows.Entry(row).fullPath))
            m_candidateRows.Append(m_sourceRows.CopyWithType(row));
}

void CMainDlg::AddSelected()
{
    AppendSourceRows(m_sourceList->SelectedRows());
    m_candidateList->Reset();
    RedrawCandidates();
    RefreshControlStates();
    m_sourceList->CurrentView()->setFocus();
}

void CMainDlg::RemoveSelected()
{
    m_candidateRows.RemoveRows(m_candidateList->SelectedRows());
    m_candidateList->Reset();
    RedrawCandidates();
    m_candidateList->CurrentView()->setFocus();
    RefreshControlStates();
}

void CMainDlg::AddAll()
{
    const int count = m_sourceRows.RowCount();
    {
        // The window stays painted and takes no input while the rows go in.
        CBusyWindow busy(this, m_candidateProgress, m_candidateStatus);
        std::vector<int> one(1);
        for (int row = 0; row < count; ++row) {
            busy.SetProgress(row + 1, count);
            busy.Pump();
            one[0] = row;
            AppendSourceRows(one);
        }
    }
    m_candidateList->Reset();
    RedrawCandidates();
    RefreshControlStates();
    m_sourceList->CurrentView()->setFocus();
}

void CMainDlg::ClearAll()
{
    m_candidateRows.Clear();
    m_candidateList->Reset();
    RefreshControlStates();
    m_candidateList->CurrentView()->setFocus();
}

void CMainDlg::ShowCandidateSelection(const std::vector<int> &rows, int visibleRow)
{
    m_candidateList->Reset();
    m_candidateList->SetSelectedRows(rows);
    if (!rows.empty())
        m_candidateList->SetCurrentRow(rows.back());
    if (visibleRow >= 0 && visibleRow < m_candidateRows.RowCount())
        m_candidateList->EnsureVisible(visibleRow);
    RedrawCandidates();
    m_candidateList->CurrentView()->setFocus();
    RefreshControlStates();
}

void CMainDlg::InsertDummies()
{
    const std::vector<int> rows = m_candidateRows.InsertDummiesAfter(m_candidateList->SelectedRows());
    ShowCandidateSelection(rows, -1);
}

void CMainDlg::MoveToTop()
{
    const std::vector<int> rows = m_candidateRows.MoveToTop(m_candidateList->SelectedRows());
    ShowCandidateSelection(rows, 0);
}

void CMainDlg::MoveUp()
{
    const std::vector<int> rows = m_candidateRows.MoveUp(m_candidateList->SelectedRows());
    ShowCandidateSelection(rows, rows.empty() ? -1 : rows.front());
}

void CMainDlg::MoveDown()
{
    const std::vector<int> rows = m_candidateRows.MoveDown(m_candidateList->SelectedRows());
    ShowCandidateSelection(rows, rows.empty() ? -1 : rows.back());
}

void CMainDlg::MoveToEnd()
{
    const std::vector<int> rows = m_candidateRows.MoveToEnd(m_candidateList->SelectedRows());
    ShowCandidateSelection(rows, m_candidateRows.RowCount() - 1);
}

void CMainDlg::MoveSelectionTo(int position)
{
    const std::vector<int> selected = m_candidateList->SelectedRows();
    if (selected.empty() || position < 0 || position > m_candidateRows.RowCount())
        return;
    const std::vector<int> rows = m_candidateRows.MoveTo(selected, position);
    ShowCandidateSelection(rows, rows.front());
}

void CMainDlg::MoveToPosition()
{
    const std::vector<int> selected = m_candidateList->SelectedRows();
    if (selected.empty())
        return;
    CListPosDlg dialog(m_candidateRows.RowCount(), selected.front() + 1, this);
    if (dialog.exec() == QDialog::Accepted)
        MoveSelectionTo(dialog.Position());
}

void CMainDlg::SortCandidatesByColumn(int column)
{
    m_destSortDirection = column == m_destSortColumn && m_destSortDirection == 1 ? -1 : 1;
    m_destSortColumn = column;
    const bool concatenation = m_settings.RenameMode == kModeConcatenate;
    const int key = CCandidateList::SortKeyOfColumn(column, concatenation, m_env.RenamePath == 1);
    {
        WaitCursor wait;
        m_candidateRows.Sort(key, m_env.IsSortNum == 1, m_destSortDirection);
    }
    m_candidateList->Reset();
    RedrawCandidates();
    RefreshControlStates();
    // The new names cannot be ordered.
    if (key == 99)
        QApplication::beep();
}

bool CMainDlg::HandleCandidateKey(const QKeyEvent &key)
{
    if (!key.modifiers().testFlag(Qt::ControlModifier))
        return false;
    if (key.key() == Qt::Key_A) {
        m_candidateList->SelectAll();
    } else if (key.key() == Qt::Key_R) {
        std::vector<int> inverted;
        for (int row = 0; row < m_candidateRows.RowCount(); ++row)
            if (!m_candidateList->IsRowSelected(row))
                inverted.push_back(row);
        m_candidateList->SetSelectedRows(inverted);
    } else {
        return false;
    }
    RefreshControlStates();
    return true;
}
