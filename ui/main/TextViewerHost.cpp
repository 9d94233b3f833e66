#include "ui/main/TextViewerHost.h"

#include "ui/dialogs/TextViewerDlg.h"
#include "ui/widgets/ImageButton.h"

CTextViewerHost::CTextViewerHost(QWidget *window, CImageButton *button)
    : QObject(window), m_window(window), m_button(button)
{
    connect(m_button, &QAbstractButton::clicked, this, &CTextViewerHost::Toggle);
}

CTextViewerHost::~CTextViewerHost() = default;

bool CTextViewerHost::IsOpen() const
{
    return !m_viewer.isNull();
}

void CTextViewerHost::Toggle()
{
    if (IsOpen()) {
        // Closed after the click has been handled, as when the viewer closes itself.
        QMetaObject::invokeMethod(this, &CTextViewerHost::Close, Qt::QueuedConnection);
        return;
    }
    m_viewer = new CTextViewerDlg(m_window);
    m_viewer->setObjectName(QStringLiteral("textViewer"));
    connect(m_viewer, &CTextViewerDlg::Closed, this, &CTextViewerHost::Close, Qt::QueuedConnection);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    m_button->SetLatched(true);
}

void CTextViewerHost::ShowFile(const std::string &path)
{
    if (IsOpen())
        m_viewer->ShowFile(path);
}

void CTextViewerHost::Close()
{
    delete m_viewer.data();
    m_button->SetLatched(false);
}
