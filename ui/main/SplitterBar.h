#pragma once

#include <QFrame>

// One of the two bars flanking the column of list buttons. Pressing the left
// button on it starts a drag of the boundary between the panes; the window
// follows the reported pointer positions. The right button cancels a drag.
class SplitterBar : public QFrame {
    Q_OBJECT
public:
    explicit SplitterBar(QWidget *parent = nullptr);

    // The splitter pointer is shown only while the window takes input.
    void SetInteractive(bool on);

signals:
    void DragStarted(int globalX);
    void DragMoved(int globalX);
    void DragFinished(int globalX);
    void DragCancelled();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_dragging = false;
};
