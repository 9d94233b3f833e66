#include "ui/main/WindowExecutionHost.h"

#include "ui/dialogs/OverwriteDlg.h"
#include "ui/widgets/ModalGuard.h"
#include "ui/widgets/ShownText.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// While a question is open: the main window's interaction flag is cleared,
// and the normal pointer replaces a wait cursor of the run.
class QuestionScope {
public:
    explicit QuestionScope(QWidget *window) : m_modal(window), m_cursorPushed(QApplication::overrideCursor())
    {
        if (m_cursorPushed)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~QuestionScope()
    {
        if (m_cursorPushed)
            QApplication::restoreOverrideCursor();
    }
    QuestionScope(const QuestionScope &) = delete;
    QuestionScope &operator=(const QuestionScope &) = delete;

private:
    CModalGuard m_modal;
    bool m_cursorPushed;
};

QMessageBox::Icon BoxIcon(exec::MessageIcon icon)
{
    switch (icon) {
    case exec::MessageIcon::None:
        return QMessageBox::NoIcon;
    case exec::MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case exec::MessageIcon::Stop:
        return QMessageBox::Critical;
    case exec::MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

CWindowExecutionHost::CWindowExecutionHost(QWidget *window, QProgressBar *progress, QWidget *statusLine)
    : m_window(window), m_busy(window, progress, statusLine)
{
}

bool CWindowExecutionHost::Ask(exec::QuestionKind kind, const std::string &caption, const std::string &text)
{
    QuestionScope scope(m_window);
    const bool yesNo = kind == exec::QuestionKind::DeleteSources;
    const QMessageBox::StandardButton accept = yesNo ? QMessageBox::Yes : QMessageBox::Ok;
    QMessageBox box(QMessageBox::Question, ShownText(caption), ShownText(text),
                    accept | (yesNo ? QMessageBox::No : QMessageBox::Cancel), m_window);
    box.setDefaultButton(accept);
    return box.exec() == accept;
}

exec::OverwriteAnswer CWindowExecutionHost::AskOverwrite(const std::string &targetPath)
{
    QuestionScope scope(m_window);
    COverwriteDlg dialog(targetPath, m_window);
    switch (dialog.exec()) {
    case COverwriteDlg::Yes:
        return exec::OverwriteAnswer::Yes;
    case COverwriteDlg::All:
        return exec::OverwriteAnswer::All;
    default:
        return exec::OverwriteAnswer::No;
    }
}

void CWindowExecutionHost::ShowMessage(const std::string &caption, const std::string &text,
                                       exec::MessageIcon icon)
{
    QuestionScope scope(m_window);
    QMessageBox box(BoxIcon(icon), ShownText(caption), ShownText(text), QMessageBox::Ok, m_window);
    box.exec();
}

void CWindowExecutionHost::ReportProgress(int position, int maximum)
{
    m_busy.SetProgress(position, maximum);
}

bool CWindowExecutionHost::StopRequested()
{
    m_busy.PumpNow();
    return m_busy.StopAsked();
}
