#include "ui/dialogs/CentreOnParent.h"

#include <QWidget>

void CentreOnParent(QWidget *window)
{
    if (QWidget *owner = window->parentWidget()) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        window->move(centre.x() - window->width() / 2, centre.y() - window->height() / 2);
    }
}
