#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

class QEvent;
class QMouseEvent;
class QTreeView;
class QWidget;

// The reordering drag of a report view: pressing on a row and dragging moves
// an insertion line between the rows; holding the pointer above or below the
// rows scrolls the list, the faster the farther away it is; releasing the
// button ends the drag with the row before which the rows are to go (the row
// count for the end, -1 for no target: over the header or below the list);
// the right button cancels. Pressing on a row that is already selected keeps
// the whole selection so that it can be dragged; a click without dragging
// then selects that row alone.
class FileListReorderDrag : public QObject {
    Q_OBJECT
public:
    explicit FileListReorderDrag(QTreeView *view);
    ~FileListReorderDrag() override;

    // Called with every event of the view's viewport; true when the event
    // was taken by the drag and the view must not see it.
    bool handleViewportEvent(QEvent *event);
    bool isDragging() const { return m_dragging; }

    // Receives the drop index when a drag ends.
    std::function<void(int)> finished;

    // Milliseconds between two scroll steps `distance` pixels beyond an edge.
    static int ScrollInterval(int distance);

private:
    enum class Zone { None, Above, Below };

    bool onPress(QMouseEvent *event);
    bool onMove(QMouseEvent *event);
    bool onRelease(QMouseEvent *event);
    void startDrag();
    void endDrag(int dropIndex);
    Zone zoneAt(int y) const;
    int zoneDistance(int y) const;
    // Row before which a drop at viewport height y would insert (row count
    // below the last row), or -1 when there are no rows.
    int insertionRowAt(int y) const;
    void placeLine(int row);
    void updatePointer(int y);
    void scrollStep();

    QTreeView *m_view;
    QWidget *m_line;
    QTimer m_scrollTimer;
    bool m_armed = false;     // left button down on a row: a drag may start
    bool m_heldPress = false; // that press was kept from the view
    bool m_dragging = false;
    int m_pressRow = -1;
    QPoint m_pressPos;
    int m_lastY = 0;
    int m_lineRow = -1;
};
