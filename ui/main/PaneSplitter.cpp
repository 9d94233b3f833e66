#include "ui/main/PaneSplitter.h"

#include "ui/main/CandidatePane.h"
#include "ui/main/MainLayout.h"
#include "ui/main/SelectionPane.h"
#include "ui/main/SplitterBar.h"

#include <QRubberBand>

CPaneSplitter::CPaneSplitter(QWidget *window, const DialogUnits &du, const CSelectionPane &left,
                             const CCandidatePane &right)
    : QObject(window), m_window(window), m_du(du), m_leftPane(left), m_rightPane(right),
      m_leftBar(new SplitterBar(window)), m_rightBar(new SplitterBar(window)),
      m_leftFrame(new QRubberBand(QRubberBand::Rectangle, window)),
      m_rightFrame(new QRubberBand(QRubberBand::Rectangle, window))
{
    m_leftBar->setObjectName(QStringLiteral("leftSplitterBar"));
    m_rightBar->setObjectName(QStringLiteral("rightSplitterBar"));
    for (SplitterBar *bar : {m_leftBar, m_rightBar}) {
        connect(bar, &SplitterBar::DragStarted, this, &CPaneSplitter::Start);
        connect(bar, &SplitterBar::DragMoved, this, &CPaneSplitter::Move);
        connect(bar, &SplitterBar::DragFinished, this, &CPaneSplitter::Finish);
        connect(bar, &SplitterBar::DragCancelled, this, &CPaneSplitter::Cancel);
    }
}

void CPaneSplitter::Place(const MainLayout &layout)
{
    m_leftBar->setGeometry(layout.leftBar);
    m_rightBar->setGeometry(layout.rightBar);
}

void CPaneSplitter::SetShown(bool shown)
{
    m_leftBar->setVisible(shown);
    m_rightBar->setVisible(shown);
}

void CPaneSplitter::SetInteractive(bool on)
{
    m_interactive = on;
    m_leftBar->SetInteractive(on);
    m_rightBar->SetInteractive(on);
    if (!on)
        Cancel();
}

void CPaneSplitter::Start(int globalX)
{
    if (!m_interactive)
        return;
    m_dragging = true;
    m_startRight = m_leftPane.DirectoryRight();
    m_right = m_startRight;
    m_grab = m_window->mapFromGlobal(QPoint(globalX, 0)).x() - m_startRight;
    ShowFrames(m_right);
}

void CPaneSplitter::Move(int globalX)
{
    // Moves of a drag that did not start (the window was not taking input) are ignored.
    if (!m_dragging)
        return;
    const int left = m_leftPane.Frame().left();
    const int wanted = m_window->mapFromGlobal(QPoint(globalX, 0)).x() - m_grab;
    const int highest = MaximumLeftPaneRight(m_du, m_window->width());
    m_right = std::max(std::min(wanted, highest), left + MinimumLeftPaneWidth(m_du));
    ShowFrames(m_right);
}

void CPaneSplitter::Finish(int globalX)
{
    if (!m_dragging)
        return;
    Move(globalX);
    Cancel();
    emit WidthChosen(SelectionListWidthForRight(m_du, m_right));
}

void CPaneSplitter::Cancel()
{
    m_dragging = false;
    m_leftFrame->hide();
    m_rightFrame->hide();
    m_window->update();
}

void CPaneSplitter::ShowFrames(int right)
{
    const QRect rightPane = m_rightPane.Frame();
    const int gap = rightPane.left() - m_startRight;
    QRect l = m_leftPane.Frame();
    l.setRight(right - 1);
    QRect r = rightPane;
    r.setLeft(right + gap);
    m_leftFrame->setGeometry(l);
    m_rightFrame->setGeometry(r);
    m_leftFrame->show();
    m_rightFrame->show();
}
