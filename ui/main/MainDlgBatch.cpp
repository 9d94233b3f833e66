// バッチ処理 of the main window: the rename of files run in every chosen
// directory in turn, each as 全て追加 and 実行 there would run it.
#include "ui/main/MainDlg.h"

#include "exec/RenameExecution.h"
#include "platform/FileOps.h"
#include "ui/dialogs/BatchDlg.h"
#include "ui/dialogs/ResultDlg.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/CommandBar.h"
#include "ui/main/ImageButton.h"
#include "ui/main/SelectionPane.h"
#include "ui/main/WaitCursor.h"
#include "ui/main/WindowExecutionHost.h"

#include <QLabel>
#include <QProgressBar>

void CMainDlg::RunBatch()
{
    std::vector<std::string> directories;
    for (int row : m_selection->SelectedRows())
        directories.push_back(m_selection->Rows().FullPath(row));
    if (m_env.IsAsk != 0) {
        CBatchDlg dialog(directories, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }

    exec::CResultLog log;
    const OutputKind savedOutput = m_candidates->Output();
    m_candidates->SetOutput(OutputKind::InPlace);
    StoreOutput();
    m_candidates->Clear();
    m_settings.IsInBatch = 1;
    {
        WaitCursor wait;
        for (const std::string &directory : directories)
            RunBatchDirectory(directory, log);
    }
    m_candidates->SetOutput(savedOutput);
    StoreOutput();
    // The undo list holds only the last directory's renames.
    m_undo.available = false;
    RefreshControlStates();
    m_settings.IsInBatch = 0;

    if (m_env.IsDispLog != 0) {
        CResultDlg dialog(log, this);
        dialog.exec();
    }
}

void CMainDlg::RunBatchDirectory(const std::string &directory, exec::CResultLog &log)
{
    m_selection->SetDirectoryText(directory);
    m_selection->ListDirectory();
    m_selection->WaitForListing();
    // A directory that cannot be entered leaves the list on one of its
    // ancestors, whose entries must not be renamed.
    if (m_selection->CurrentDirectory() != directory) {
        log.AddResult(directory, exec::kResultFailed, "ディレクトリに移動できませんでした。");
        return;
    }
    if (const int error = m_selection->ListingError(); error != 0) {
        log.AddResult(directory, exec::kResultFailed, platform::ErrorMessage(error));
        return;
    }
    if (m_candidates->ListButton(1)->isEnabled())
        AddAll();
    if (m_commands->ExecuteButton()->isEnabled()) {
        {
            CWindowExecutionHost host(this, m_candidates->Progress(), m_candidates->Status());
            exec::RenameFiles(m_candidates->Rows().Entries(), m_settings, m_undo, log, host);
        }
        FinishRun(true, true);
        m_selection->WaitForListing();
    }
    m_selection->GoToParent();
    m_selection->WaitForListing();
}
