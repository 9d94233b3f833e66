#include "ui/widgets/ModalGuard.h"

CInteractionHost *CModalGuard::FindHost(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (auto *host = dynamic_cast<CInteractionHost *>(w))
            return host;
    }
    return nullptr;
}

CModalGuard::CModalGuard(QWidget *widget)
{
    CInteractionHost *host = FindHost(widget);
    if (!host)
        return;
    m_hostWidget = dynamic_cast<QWidget *>(host);
    m_previous = host->IsInteractive();
    host->SetInteractive(false);
}

CModalGuard::~CModalGuard()
{
    // The host may have gone while the modal window was open.
    if (auto *host = dynamic_cast<CInteractionHost *>(m_hostWidget.data()))
        host->SetInteractive(m_previous);
}
