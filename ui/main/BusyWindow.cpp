#include "ui/main/BusyWindow.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QProgressBar>
#include <QWidget>

CBusyWindow::CBusyWindow(QWidget *window, QProgressBar *progress, QWidget *replaced)
    : m_window(window), m_progress(progress), m_replaced(replaced)
{
    qApp->installEventFilter(this);
    m_sincePump.start();
    ++s_busyCount;
}

CBusyWindow::~CBusyWindow()
{
    --s_busyCount;
    qApp->removeEventFilter(this);
    if (m_progressShown) {
        if (m_progress)
            m_progress->hide();
        if (m_replaced && m_replacedWasVisible)
            m_replaced->show();
    }
}

void CBusyWindow::SetProgress(int position, int maximum)
{
    if (m_progress) {
        if (!m_progressShown) {
            m_progressShown = true;
            if (m_replaced) {
                m_replacedWasVisible = m_replaced->isVisible();
                m_replaced->hide();
            }
            m_progress->show();
        }
        m_progress->setRange(0, maximum);
        m_progress->setValue(position);
    }
    Pump();
}

void CBusyWindow::Pump()
{
    if (m_sincePump.elapsed() >= kPumpIntervalMs)
        PumpNow();
}

void CBusyWindow::PumpNow()
{
    QCoreApplication::processEvents();
    m_sincePump.restart();
}

bool CBusyWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::Close:
        break;
    default:
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !m_window || widget->window() != m_window)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claimed, so no shortcut of the window fires; the key press that
        // follows is dropped above.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::Close)
        event->ignore();
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        m_stopAsked = true;
    return true;
}
