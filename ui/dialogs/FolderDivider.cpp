#include "ui/dialogs/FolderDivider.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

CFolderDivider::CFolderDivider(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::SplitHCursor);
}

int CFolderDivider::ClampedLeft(int left) const
{
    const int highest = parentWidget()->width() - kEdgeMargin - width();
    return std::max(kEdgeMargin, std::min(left, highest));
}

void CFolderDivider::mousePressEvent(QMouseEvent *event)
{
    if (m_dragging && event->button() == Qt::RightButton) {
        CancelDrag();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_startLeft = x();
    m_grabOffset = int(event->position().x());
    grabKeyboard();
    raise();
}

void CFolderDivider::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const int pointer = int(mapToParent(event->position()).x());
    move(ClampedLeft(pointer - m_grabOffset), y());
}

void CFolderDivider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    const int pointer = int(mapToParent(event->position()).x());
    const int left = ClampedLeft(pointer - m_grabOffset);
    EndDrag();
    emit Dropped(left);
}

void CFolderDivider::keyPressEvent(QKeyEvent *event)
{
    if (m_dragging && event->key() == Qt::Key_Escape)
        CancelDrag();
    else
        QWidget::keyPressEvent(event);
}

void CFolderDivider::EndDrag()
{
    m_dragging = false;
    releaseKeyboard();
}

void CFolderDivider::CancelDrag()
{
    EndDrag();
    move(m_startLeft, y());
}
