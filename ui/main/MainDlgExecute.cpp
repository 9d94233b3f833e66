// The mode panel of the main window, 実行 and アンドゥ, and the Ctrl
// shortcuts that reach them.
#include "ui/main/MainDlg.h"

#include "exec/RenameExecution.h"
#include "exec/Undo.h"
#include "platform/FileOps.h"
#include "ui/dialogs/ResultDlg.h"
#include "ui/main/FileListCtrl.h"
#include "ui/main/HistoryComboBox.h"
#include "ui/main/ImageButton.h"
#include "ui/main/SplitterBar.h"
#include "ui/main/WaitCursor.h"
#include "ui/main/WindowExecutionHost.h"
#include "ui/panels/ModePanel.h"
#include "ui/panels/PanelFactory.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>

namespace {

QString FromBytes(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The failures of an undo in one message, at most kShown of them listed.
QString UndoFailureText(const std::vector<exec::CUndoFailure> &failures)
{
    constexpr std::size_t kShown = 20;
    QString text = QStringLiteral("元に戻せなかったファイルがあります。\n");
    for (std::size_t i = 0; i < failures.size() && i < kShown; ++i) {
        const exec::CUndoFailure &f = failures[i];
        text += QStringLiteral("\n") + FromBytes(f.path);
        if (!f.target.empty())
            text += QStringLiteral(" → ") + FromBytes(f.target);
        text += QStringLiteral("：") + FromBytes(f.ReasonText());
    }
    if (failures.size() > kShown)
        text += QStringLiteral("\n\nほか %1 件").arg(failures.size() - kShown);
    return text;
}

} // namespace

void CMainDlg::SetInteractive(bool on)
{
    m_interactive = on;
    m_leftBar->SetInteractive(on);
    m_rightBar->SetInteractive(on);
}

void CMainDlg::CreatePanel()
{
    m_panel = CreateModePanel(m_settings.RenameMode, m_panelHost);
    if (!m_panel)
        return;
    m_panel->setGeometry(QRect(QPoint(0, 0), m_panel->sizeHint()));
    connect(m_panel, &CModePanel::PanelChanged, this, &CMainDlg::PanelRefresh);
    connect(m_panel, &CModePanel::ShortcutKey, this, &CMainDlg::HandleShortcut);
    m_panel->SetFromSettings(m_settings);
    m_panel->show();
}

void CMainDlg::DestroyPanel()
{
    if (!m_panel)
        return;
    m_panel->SaveHistories();
    delete m_panel;
    m_panel = nullptr;
}

bool CMainDlg::HandleShortcut(int key)
{
    switch (key) {
    case Qt::Key_D:
        m_candidateList->CurrentView()->setFocus();
        return true;
    case Qt::Key_M:
        m_modeCombo->setFocus();
        m_modeCombo->showPopup();
        return true;
    case Qt::Key_S:
        if (m_isSplit)
            m_sourceList->CurrentView()->setFocus();
        return true;
    case Qt::Key_E:
        if (m_executeButton->isEnabled()) {
            const QPointer<QWidget> focus = QApplication::focusWidget();
            Execute();
            if (focus)
                focus->setFocus();
        }
        return true;
    case Qt::Key_Z:
        if (m_undoButton->isEnabled())
            Undo();
        return true;
    case Qt::Key_Q:
        if (m_listButtons[3]->isEnabled() && m_listFocus == 1)
            AddSelected();
        return true;
    case Qt::Key_W:
        if (m_listButtons[1]->isEnabled())
            AddAll();
        return true;
    default:
        return false;
    }
}

void CMainDlg::Execute()
{
    if (m_candidateRows.RowCount() == 0)
        return;
    if (m_panel)
        m_panel->SaveHistories();
    StoreUnification();
    // Asked here rather than by the run, so the message comes without the wait cursor.
    if (exec::LacksDestination(m_settings)) {
        Ask(QMessageBox::Warning, QStringLiteral("Kestrel（実行）"),
            QString::fromUtf8(exec::kNoDestinationMessage), QMessageBox::Ok);
        return;
    }
    const bool renamesFiles = m_settings.RenameMode != kModeNumberedDirs &&
                              m_settings.RenameMode != kModeConcatenate && m_settings.ObjMode != 1;
    exec::CExecutionOutcome outcome;
    {
        WaitCursor wait;
        exec::CExecutionRequest request;
        request.candidates = m_candidateRows.Entries();
        request.currentDirectory = m_currentDirectory;
        request.askConfirmation = m_env.IsAsk != 0;
        {
            CWindowExecutionHost host(this, m_candidateProgress, m_candidateStatus);
            outcome = exec::ExecuteRename(request, m_settings, m_undo, host);
        }
        if (!outcome.performed)
            return;
        m_directoryCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
        if (renamesFiles)
            m_destinationCombo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
        // 開始値加算 raised the start: the panel shows the new value.
        if (m_panel && m_settings.RenameMode == kModeRenumber && m_settings.IsIncrement)
            m_panel->SetFromSettings(m_settings);
        FinishRun(outcome.clearCandidates);
    }
    if (m_env.IsDispLog != 0) {
        CResultDlg log(outcome.log, this);
        log.exec();
    }
}

void CMainDlg::Undo()
{
    exec::CUndoReport report;
    {
        CWindowExecutionHost host(this, m_candidateProgress, m_candidateStatus);
        report = exec::UndoRename(m_undo, host);
    }
    if (!report.performed)
        return;
    FinishRun(true);
    m_sourceList->CurrentView()->setFocus();
    if (!report.failures.empty())
        Ask(QMessageBox::Warning, QStringLiteral("アンドゥ"), UndoFailureText(report.failures),
            QMessageBox::Ok);
}

void CMainDlg::FinishRun(bool refreshSelection)
{
    if (refreshSelection) {
        m_candidateRows.Clear();
        m_candidateList->Reset();
        if (m_isSplit)
            ListDirectory();
        else
            m_listingPending = true;
    }
    m_existingNames.Invalidate();
    PanelRefresh();
}
