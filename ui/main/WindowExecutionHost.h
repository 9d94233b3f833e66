#pragma once

#include "exec/ExecutionHost.h"
#include "ui/main/BusyWindow.h"

class QProgressBar;
class QWidget;

// The main window's side of an execution: the questions as message boxes
// and the overwrite dialog, and the progress under the candidate list while
// the window stays painted and takes no input. Made on the stack for one run:
// the window is busy for the object's lifetime.
class CWindowExecutionHost : public exec::IExecutionHost {
public:
    // progress is shown in place of statusLine while the run reports its
    // position; both may be null.
    CWindowExecutionHost(QWidget *window, QProgressBar *progress, QWidget *statusLine);

    bool Ask(exec::QuestionKind kind, const std::string &caption, const std::string &text) override;
    exec::OverwriteAnswer AskOverwrite(const std::string &targetPath) override;
    void ShowMessage(const std::string &caption, const std::string &text, exec::MessageIcon icon) override;
    void ReportProgress(int position, int maximum) override;
    // Escape pressed in the window during the run (looked at between the directories of a batch).
    bool StopRequested() override;

private:
    QWidget *m_window;
    CBusyWindow m_busy;
};
