// バッチ処理 of the main window: the rename of files run in every chosen
// directory in turn, each listed as the selection list shows it.
#include "ui/main/MainDlg.h"

#include "exec/Run.h"
#include "ui/dialogs/BatchDlg.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/SelectionPane.h"

void CMainDlg::RunBatch()
{
    exec::CRunRequest request;
    for (int row : m_selection->SelectedRows())
        request.directories.push_back(m_selection->Rows().FullPath(row));
    if (m_env.IsAsk != 0) {
        CBatchDlg dialog(request.directories, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    request.batch = true;
    request.confirm = false;
    request.listing = m_selection->ShownListing();
    request.currentDirectory = CurrentDirectory();
    StoreOutput();
    m_candidates->Clear();
    RunAndShow(std::move(request));
}
