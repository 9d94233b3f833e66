#include "ui/settings/SettingsPage.h"

#include <QApplication>
#include <QKeyEvent>

CSettingsPage::CSettingsPage(QWidget *parent) : QWidget(parent)
{
    // Keys are seen before the page's controls get them.
    qApp->installEventFilter(this);
}

bool CSettingsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool closingKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
        if (closingKey && widget && (widget == this || isAncestorOf(widget)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
