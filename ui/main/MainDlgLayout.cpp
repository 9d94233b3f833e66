// Geometry of the main window: placing the parts for the client size and the
// painted frames; and the window's own keys.
#include "ui/main/MainDlg.h"

#include "ui/main/CandidatePane.h"
#include "ui/main/CommandBar.h"
#include "ui/main/MainLayout.h"
#include "ui/main/ManualLocation.h"
#include "ui/main/PaneSplitter.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/ImageButton.h"

#include <QDesktopServices>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
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
    const MainLayout l = ComputeMainLayout(*m_du, size(), m_selectionListWidth, m_isSplit, isMinimized());
    m_selectionListWidth = l.selectionListWidth;
    m_splitButton->setGeometry(l.splitToggle);
    m_selection->Place(l);
    m_splitter->Place(l);
    m_candidates->Place(l);
    m_commands->Place(l);
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

    CHistoryComboBox *directory = m_selection->DirectoryCombo();
    if (event->type() == QEvent::FocusOut) {
        const auto *focus = static_cast<QFocusEvent *>(event);
        if (focus->reason() != Qt::PopupFocusReason && m_created) {
            if (watched == directory)
                m_selection->DirectoryFocusLost();
            else if (watched == m_candidates->DestinationCombo())
                m_candidates->DestinationFocusLost();
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);

    const auto *key = static_cast<QKeyEvent *>(event);
    const bool ctrl = key->modifiers().testFlag(Qt::ControlModifier);
    const bool inSelectionList = widget == m_selection->List() || m_selection->List()->isAncestorOf(widget);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter acts only in the selection list; a typed directory is taken
        // when the focus leaves its combo.
        if (inSelectionList)
            m_selection->ActivateSelection();
        return true;
    case Qt::Key_Escape:
        // The window never closes on Escape; it stops a listing.
        m_selection->CancelListing();
        return true;
    default:
        break;
    }
    if (ctrl && HandleShortcut(key->key(), inSelectionList))
        return true;
    return QWidget::eventFilter(watched, event);
}
