// 実行 and アンドゥ of the main window, and the Ctrl shortcuts that reach them.
#include "ui/main/MainDlg.h"

#include "exec/HistoryUndo.h"
#include "exec/Run.h"
#include "platform/FileOps.h"
#include "ui/dialogs/HistoryDlg.h"
#include "ui/dialogs/ResultDlg.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/CommandBar.h"
#include "ui/main/ModeArea.h"
#include "ui/main/PaneSplitter.h"
#include "ui/main/SelectionPane.h"
#include "ui/main/WaitCursor.h"
#include "ui/main/WindowExecutionHost.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/ShownText.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>

namespace {

// The failures of an undo in one message, at most kShown of them listed.
QString UndoFailureText(const std::vector<exec::CUndoFailure> &failures)
{
    constexpr std::size_t kShown = 20;
    QString text = CMainDlg::tr("元に戻せなかったファイルがあります。\n");
    for (std::size_t i = 0; i < failures.size() && i < kShown; ++i) {
        const exec::CUndoFailure &f = failures[i];
        const QString reason = ShownText(f.ReasonText());
        text += QStringLiteral("\n") +
                (f.target.empty()
                     ? CMainDlg::tr("%1：%2").arg(ShownText(f.path), reason)
                     : CMainDlg::tr("%1 → %2：%3").arg(ShownText(f.path), ShownText(f.target), reason));
    }
    if (failures.size() > kShown)
        text += CMainDlg::tr("\n\nほか %n 件", nullptr, static_cast<int>(failures.size() - kShown));
    return text;
}

} // namespace

void CMainDlg::SetInteractive(bool on)
{
    m_interactive = on;
    m_splitter->SetInteractive(on);
}

bool CMainDlg::HandleShortcut(int key, bool inSelectionList)
{
    switch (key) {
    case Qt::Key_D:
        m_candidates->FocusList();
        return true;
    case Qt::Key_M:
        m_modes->PopUpModes();
        return true;
    case Qt::Key_S:
        if (m_isSplit)
            m_selection->FocusList();
        return true;
    case Qt::Key_E:
        if (m_commands->ExecuteButton()->isEnabled()) {
            const QPointer<QWidget> focus = QApplication::focusWidget();
            Execute();
            if (focus)
                focus->setFocus();
        }
        return true;
    case Qt::Key_Z:
        if (m_commands->UndoButton()->isEnabled())
            Undo();
        return true;
    case Qt::Key_Q:
        if (inSelectionList && m_candidates->ListButton(3)->isEnabled())
            AddSelected();
        return true;
    case Qt::Key_W:
        if (inSelectionList && m_candidates->ListButton(1)->isEnabled())
            AddAll();
        return true;
    default:
        return false;
    }
}

void CMainDlg::Execute()
{
    if (m_candidates->Rows().RowCount() == 0)
        return;
    m_modes->SavePanelHistories();
    // The panel's values are taken and the preview computed again (a names
    // file is read again) before the run.
    StoreOutput();
    exec::CRunRequest request;
    request.rows = m_candidates->Rows().Entries();
    request.currentDirectory = CurrentDirectory();
    request.confirm = m_env.IsAsk != 0;
    RunAndShow(std::move(request));
}

void CMainDlg::RunAndShow(exec::CRunRequest request)
{
    exec::CRunOutcome outcome;
    {
        WaitCursor wait;
        {
            CWindowExecutionHost host(this, m_candidates->Progress(), m_candidates->Status());
            request.history = &m_history;
            exec::CUndoList undo;
            outcome = exec::Run(request, m_settings, undo, host);
        }
        m_historyHasRuns = m_history.Newest() != 0;
        if (outcome.performed) {
            m_selection->AddDirectoryToHistory();
            if (m_settings.UsesOutputFolder())
                m_candidates->AddDestinationToHistory();
            // 開始値加算 raised the start: the panel shows the new value.
            if (m_settings.AdvancesNumbering())
                m_modes->ShowPanelValues();
            // New folders show in the selection list; their placeholders stay.
            FinishRun(outcome.clearCandidates,
                      outcome.clearCandidates || m_settings.CreatesNumberedDirectories());
        }
    }
    // The log is shown for every run past its confirmation, one that stopped too.
    if (outcome.confirmed && m_env.IsDispLog != 0) {
        CResultDlg log(outcome.log, this);
        log.exec();
    }
}

void CMainDlg::ReadHistoryState()
{
    m_historyHasRuns = m_history.Newest() != 0;
    RefreshControlStates();
}

void CMainDlg::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ReadHistoryState();
}

void CMainDlg::Undo()
{
    if (const std::uint64_t newest = m_history.Newest())
        UndoRun(newest);
}

void CMainDlg::ShowHistory()
{
    CHistoryDlg history(
        m_history, [this](std::uint64_t number) { UndoRun(number); }, this);
    history.exec();
    ReadHistoryState();
}

void CMainDlg::UndoRun(std::uint64_t number)
{
    exec::CUndoReport report;
    {
        CWindowExecutionHost host(this, m_candidates->Progress(), m_candidates->Status());
        report = exec::UndoFromHistory(m_history, number, host);
    }
    ReadHistoryState();
    if (!report.performed)
        return;
    FinishRun(true, true);
    m_selection->FocusList();
    if (!report.failures.empty())
        Ask(QMessageBox::Warning, tr("アンドゥ"), UndoFailureText(report.failures), QMessageBox::Ok);
}

void CMainDlg::FinishRun(bool clearCandidates, bool listAgain)
{
    if (clearCandidates)
        m_candidates->Clear();
    if (listAgain)
        m_selection->RequestListing();
    m_candidates->InvalidateFolders();
    PanelRefresh();
}
