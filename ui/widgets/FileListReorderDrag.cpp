#include "ui/widgets/FileListReorderDrag.h"

#include "ui/widgets/Icons.h"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>

namespace {

constexpr int kLineThickness = 3;

QCursor DragCursor(const char *resource)
{
    return QCursor(QIcon(resource).pixmap(QSize(32, 32)), 16, 16);
}

} // namespace

FileListReorderDrag::FileListReorderDrag(QTreeView *view)
    : m_view(view), m_line(new QWidget(view->viewport()))
{
    // Filled in the text colour; without a role of its own the line would take
    // the viewport's, the base colour of the rows, and not be seen.
    m_line->setAutoFillBackground(true);
    m_line->setBackgroundRole(QPalette::Text);
    m_line->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_line->hide();
    m_scrollTimer.setSingleShot(true);
    connect(&m_scrollTimer, &QTimer::timeout, this, &FileListReorderDrag::scrollStep);
}

FileListReorderDrag::~FileListReorderDrag() = default;

int FileListReorderDrag::ScrollInterval(int distance)
{
    return 240 - std::min(20 * (std::max(distance, 0) / 2), 220);
}

bool FileListReorderDrag::handleViewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return onPress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return onMove(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        return onRelease(static_cast<QMouseEvent *>(event));
    default:
        return false;
    }
}

bool FileListReorderDrag::onPress(QMouseEvent *event)
{
    if (m_dragging) {
        if (event->button() == Qt::RightButton)
            endDrag(-1);
        return true;
    }
    m_armed = false;
    m_heldPress = false;
    if (event->button() != Qt::LeftButton || event->type() != QEvent::MouseButtonPress)
        return false;
    const QModelIndex index = m_view->indexAt(event->position().toPoint());
    if (!index.isValid())
        return false;
    m_armed = true;
    m_pressRow = index.row();
    m_pressPos = event->position().toPoint();
    // A plain press on a selected row must not reduce the selection to that
    // row before it is known whether the rows are being dragged.
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    m_heldPress = plain && m_view->selectionModel()->isSelected(index);
    if (m_heldPress)
        m_view->setFocus(Qt::MouseFocusReason);
    return m_heldPress;
}

bool FileListReorderDrag::onMove(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragging) {
        updatePointer(pos.y());
        return true;
    }
    if (!m_armed || !(event->buttons() & Qt::LeftButton))
        return false;
    if ((pos - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return m_heldPress;
    startDrag();
    updatePointer(pos.y());
    return true;
}

bool FileListReorderDrag::onRelease(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return m_dragging;
    const bool viewSawPress = !m_heldPress;
    if (m_dragging) {
        const int y = event->position().toPoint().y();
        endDrag(zoneAt(y) == Zone::None ? insertionRowAt(y) : -1);
        // The view saw the press: let it see the release too, so that its
        // own press state ends (it changes no selection after a drag).
        return !viewSawPress;
    }
    if (m_heldPress) {
        // A click on a selected row without dragging: that row alone.
        const QModelIndex index = m_view->model()->index(m_pressRow, 0);
        m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        m_armed = m_heldPress = false;
        return true;
    }
    m_armed = false;
    return false;
}

void FileListReorderDrag::startDrag()
{
    m_dragging = true;
    m_lineRow = -1;
    m_line->setGeometry(0, 0, m_view->viewport()->width(), kLineThickness);
}

void FileListReorderDrag::endDrag(int dropIndex)
{
    m_dragging = false;
    m_armed = false;
    m_scrollTimer.stop();
    m_line->hide();
    m_lineRow = -1;
    m_view->viewport()->unsetCursor();
    m_view->viewport()->update();
    if (finished)
        finished(dropIndex);
}

FileListReorderDrag::Zone FileListReorderDrag::zoneAt(int y) const
{
    if (y < 0)
        return Zone::Above;
    if (y >= m_view->viewport()->height())
        return Zone::Below;
    return Zone::None;
}

int FileListReorderDrag::zoneDistance(int y) const
{
    return y < 0 ? -y : y - m_view->viewport()->height();
}

int FileListReorderDrag::insertionRowAt(int y) const
{
    const int rows = m_view->model()->rowCount();
    if (rows == 0)
        return -1;
    const int x = std::clamp(16, 0, std::max(m_view->viewport()->width() - 1, 0));
    const QModelIndex index = m_view->indexAt(QPoint(x, y));
    if (index.isValid())
        return index.row();
    const QRect last = m_view->visualRect(m_view->model()->index(rows - 1, 0));
    return y > last.bottom() ? rows : -1;
}

void FileListReorderDrag::placeLine(int row)
{
    m_lineRow = row;
    const int rows = m_view->model()->rowCount();
    if (row < 0 || rows == 0) {
        m_line->hide();
        return;
    }
    const int y = row < rows ? m_view->visualRect(m_view->model()->index(row, 0)).top()
                             : m_view->visualRect(m_view->model()->index(rows - 1, 0)).bottom() + 1;
    m_line->setGeometry(0, y - kLineThickness / 2 - 1, m_view->viewport()->width(), kLineThickness);
    m_line->show();
    m_line->raise();
}

void FileListReorderDrag::updatePointer(int y)
{
    m_lastY = y;
    const Zone zone = zoneAt(y);
    switch (zone) {
    case Zone::Above:
        m_view->viewport()->setCursor(DragCursor(icons::kCursorScrollUp));
        break;
    case Zone::Below:
        m_view->viewport()->setCursor(DragCursor(icons::kCursorScrollDown));
        break;
    case Zone::None:
        m_view->viewport()->setCursor(DragCursor(icons::kCursorDrag));
        break;
    }
    if (zone == Zone::None) {
        m_scrollTimer.stop();
        const int row = insertionRowAt(y);
        if (row >= 0 && row != m_lineRow)
            placeLine(row);
    } else if (!m_scrollTimer.isActive()) {
        m_scrollTimer.start(ScrollInterval(zoneDistance(y)));
    }
}

void FileListReorderDrag::scrollStep()
{
    if (!m_dragging)
        return;
    const Zone zone = zoneAt(m_lastY);
    if (zone == Zone::None)
        return;
    QScrollBar *bar = m_view->verticalScrollBar();
    const bool canScroll =
        zone == Zone::Above ? bar->value() > bar->minimum() : bar->value() < bar->maximum();
    if (canScroll) {
        bar->triggerAction(zone == Zone::Above ? QAbstractSlider::SliderSingleStepSub
                                               : QAbstractSlider::SliderSingleStepAdd);
        // The line stays at its row, which has moved with the rows.
        placeLine(m_lineRow);
    }
    m_scrollTimer.start(ScrollInterval(zoneDistance(m_lastY)));
}
