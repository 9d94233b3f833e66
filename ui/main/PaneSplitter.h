#pragma once

#include <QObject>

class CCandidatePane;
class CSelectionPane;
class DialogUnits;
class QRubberBand;
class QWidget;
class SplitterBar;
struct MainLayout;

// The boundary between the two panes: the bars on both sides of the list
// buttons, dragged to give the left pane another width. While a drag runs,
// frames show where the panes will be; the width is taken when it ends.
class CPaneSplitter : public QObject {
    Q_OBJECT
public:
    CPaneSplitter(QWidget *window, const DialogUnits &du, const CSelectionPane &left,
                  const CCandidatePane &right);

    void Place(const MainLayout &layout);
    void SetShown(bool shown);
    // No drag starts and no splitter pointer shows while a modal window is open.
    void SetInteractive(bool on);

signals:
    // A drag ended: the left pane's new width (the stored SrcListWidth).
    void WidthChosen(int selectionListWidth);

private:
    void Start(int globalX);
    void Move(int globalX);
    void Finish(int globalX);
    void Cancel();
    void ShowFrames(int right);

    QWidget *m_window;
    const DialogUnits &m_du;
    const CSelectionPane &m_leftPane;
    const CCandidatePane &m_rightPane;
    SplitterBar *m_leftBar;
    SplitterBar *m_rightBar;
    QRubberBand *m_leftFrame;
    QRubberBand *m_rightFrame;
    bool m_interactive = true;
    bool m_dragging = false;
    // Left pane's right edge at the start and now, and where it was grabbed.
    int m_startRight = 0;
    int m_right = 0;
    int m_grab = 0;
};
