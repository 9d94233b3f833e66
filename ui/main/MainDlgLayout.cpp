// Geometry of the main window: placing the controls for the client size, the
// splitter between the panes, the painted frames; and the window's own keys.
#include "ui/main/MainDlg.h"

#include "ui/DialogUnits.h"
#include "ui/main/FileListCtrl.h"
#include "ui/main/HistoryComboBox.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MainLayout.h"
#include "ui/main/ManualLocation.h"
#include "ui/main/SplitterBar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDesktopServices>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QRubberBand>
#include <QUrl>

void CMainDlg::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void CMainDlg::LayOut()
{
    if (!m_created)
        return;
    const MainLayout l = ComputeMainLayout(*m_du, size(), m_srcListWidth, m_isSplit, isMinimized());
    m_srcListWidth = l.sourceListWidth;

    m_splitButton->setGeometry(l.splitToggle);
    m_sourceCaption->setGeometry(l.sourceCaption);
    m_browseButton->setGeometry(l.browse);
    m_parentButton->setGeometry(l.parent);
    m_refreshButton->setGeometry(l.refresh);
    m_directoryCombo->setGeometry(l.directory);
    m_sourceList->setGeometry(l.sourceList);
    m_sourceStatus->setGeometry(l.sourceStatus);
    m_sourceProgress->setGeometry(l.sourceStatus);
    m_leftBar->setGeometry(l.leftBar);
    m_rightBar->setGeometry(l.rightBar);
    for (std::size_t i = 0; i < m_listButtons.size(); ++i)
        m_listButtons[i]->setGeometry(l.listButtons[i]);
    m_candidateCaption->setGeometry(l.candidateCaption);
    m_outputCombo->setGeometry(l.output);
    m_destinationCombo->setGeometry(l.destination);
    m_destinationBrowse->setGeometry(l.destinationBrowse);
    m_candidateList->setGeometry(l.candidateList);
    m_candidateStatus->setGeometry(l.candidateStatus);
    m_candidateProgress->setGeometry(l.candidateStatus);
    m_viewerButton->setGeometry(l.viewer);
    m_undoButton->setGeometry(l.undo);
    m_executeButton->setGeometry(l.execute);
    m_exitButton->setGeometry(l.exit);
    m_settingsButton->setGeometry(l.settings);
    m_helpButton->setGeometry(l.help);
    m_aboutButton->setGeometry(l.about);
    update();
}

void CMainDlg::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const DialogUnits &du = *m_du;
    const int w = du.toUnitsX(width());
    const int h = du.toUnitsY(height());
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    // An etched edge: a dark line with a light one one pixel below and right.
    const auto etch = [&](int left, int top, int right, int bottom) {
        const QRect r(QPoint(du.toPixelsX(left), du.toPixelsY(top)),
                      QPoint(du.toPixelsX(right) - 2, du.toPixelsY(bottom) - 2));
        painter.setPen(shadow);
        painter.drawRect(r);
        painter.setPen(light);
        painter.drawRect(r.translated(1, 1));
    };
    etch(4, 18, 50, 42);
    etch(1, 76, w - 1, h - 28);
    etch(1, h - 24, 33, h - 2);
    etch(w - 194, h - 24, w - 76, h - 2);
    etch(w - 72, h - 24, w - 1, h - 2);
    const int y = du.toPixelsY(45);
    painter.setPen(shadow);
    painter.drawLine(du.toPixelsX(8), y, du.toPixelsX(w - 2), y);
    painter.setPen(light);
    painter.drawLine(du.toPixelsX(8), y + 1, du.toPixelsX(w - 2), y + 1);
}

void CMainDlg::StartSplitterDrag(int globalX)
{
    if (!m_isSplit || !m_interactive)
        return;
    m_dragStartRight = m_directoryCombo->geometry().right() + 1;
    m_dragRight = m_dragStartRight;
    m_dragGrab = mapFromGlobal(QPoint(globalX, 0)).x() - m_dragStartRight;
    ShowDragFrames(m_dragRight);
}

void CMainDlg::MoveSplitterDrag(int globalX)
{
    const int left = m_directoryCombo->geometry().left();
    const int wanted = mapFromGlobal(QPoint(globalX, 0)).x() - m_dragGrab;
    const int highest = MaximumLeftPaneRight(*m_du, width());
    m_dragRight = std::max(std::min(wanted, highest), left + MinimumLeftPaneWidth(*m_du));
    ShowDragFrames(m_dragRight);
}

void CMainDlg::FinishSplitterDrag(int globalX)
{
    MoveSplitterDrag(globalX);
    m_leftFrame->hide();
    m_rightFrame->hide();
    m_srcListWidth = SourceListWidthForRight(*m_du, m_dragRight);
    LayOut();
}

void CMainDlg::CancelSplitterDrag()
{
    m_leftFrame->hide();
    m_rightFrame->hide();
    update();
}

void CMainDlg::ShowDragFrames(int right)
{
    const QRect leftPane(m_directoryCombo->geometry().topLeft(), m_sourceStatus->geometry().bottomRight());
    const QRect rightPane(m_outputCombo->geometry().topLeft(), m_candidateStatus->geometry().bottomRight());
    const int gap = rightPane.left() - (m_dragStartRight);
    QRect l = leftPane;
    l.setRight(right - 1);
    QRect r = rightPane;
    r.setLeft(right + gap);
    m_leftFrame->setGeometry(l);
    m_rightFrame->setGeometry(r);
    m_leftFrame->show();
    m_rightFrame->show();
}

void CMainDlg::ShowHelp()
{
    const QString index = ManualIndexPath();
    if (!index.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(index));
}

void CMainDlg::keyPressEvent(QKeyEvent *event)
{
    // The window never closes on Escape; other keys are dealt with in the
    // event filter before a control sees them.
    event->accept();
}

bool CMainDlg::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::FocusOut) {
        const auto *focus = static_cast<QFocusEvent *>(event);
        if (focus->reason() != Qt::PopupFocusReason && m_created) {
            if (watched == m_directoryCombo)
                DirectoryFocusLost();
            else if (watched == m_destinationCombo)
                DestinationFocusLost();
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);

    const auto *key = static_cast<QKeyEvent *>(event);
    const bool ctrl = key->modifiers().testFlag(Qt::ControlModifier);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_directoryCombo->isAncestorOf(widget) || widget == m_directoryCombo) {
            // A typed directory is taken when the focus moves on to the list.
            m_sourceList->CurrentView()->setFocus();
        } else if (m_sourceList->isAncestorOf(widget)) {
            const std::vector<int> rows = m_sourceList->SelectedRows();
            if (rows.size() == 1)
                ActivateSourceRow(rows.front());
            else
                OpenEntries(rows);
            RefreshControlStates();
        }
        return true;
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    if (ctrl && HandleShortcut(key->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}
