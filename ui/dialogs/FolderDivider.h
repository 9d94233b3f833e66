#pragma once

#include <QWidget>

// The bar between the folder browser's tree and file list. Dragging it with
// the left button moves it, its left edge kept at least kEdgeMargin pixels
// from the parent's left edge and its right edge as far from the right one;
// releasing reports where it was dropped. The right button or Escape during a
// drag puts it back and reports nothing.
class CFolderDivider : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEdgeMargin = 100;

    explicit CFolderDivider(QWidget *parent);

signals:
    // The divider's left edge, in the parent's coordinates, where it was dropped.
    void Dropped(int left);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int ClampedLeft(int left) const;
    void EndDrag();
    void CancelDrag();

    bool m_dragging = false;
    int m_grabOffset = 0; // from the divider's left edge to the pointer
    int m_startLeft = 0;
};
