#include "ui/main/SplitterBar.h"

#include <QMouseEvent>

SplitterBar::SplitterBar(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    SetInteractive(true);
}

void SplitterBar::SetInteractive(bool on)
{
    if (on)
        setCursor(Qt::SplitHCursor);
    else
        unsetCursor();
}

void SplitterBar::mousePressEvent(QMouseEvent *event)
{
    const int x = event->globalPosition().toPoint().x();
    if (event->button() == Qt::LeftButton && !m_dragging) {
        m_dragging = true;
        emit DragStarted(x);
    } else if (event->button() == Qt::RightButton && m_dragging) {
        m_dragging = false;
        emit DragCancelled();
    }
    event->accept();
}

void SplitterBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        emit DragMoved(event->globalPosition().toPoint().x());
    event->accept();
}

void SplitterBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        emit DragFinished(event->globalPosition().toPoint().x());
    }
    event->accept();
}
