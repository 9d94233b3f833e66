#pragma once

// Finding a type in the extension picker's list, for the tests of the picker
// and of the dialogs that open it.
#include <QTreeWidget>

// The row of the list that shows `extension`, or null.
inline QTreeWidgetItem *FindExtension(const QTreeWidget *list, const QString &extension)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(1) == extension)
            return list->topLevelItem(i);
    return nullptr;
}
