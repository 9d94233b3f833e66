#include "ui/dialogs/StoredWindowRect.h"

#include "platform/StoreValues.h"

#include <QWidget>

void WriteWindowRect(CRegistryStore &store, const std::string &name, const QWidget &window)
{
    const QRect shown(window.mapToGlobal(QPoint(0, 0)), window.size());
    platform::WriteRect(
        store, name, {shown.left(), shown.top(), shown.left() + shown.width(), shown.top() + shown.height()});
}

void ResizeToStoredRect(const CRegistryStore &store, const std::string &name, QWidget &window)
{
    if (const auto rect = platform::QueryRect(store, name))
        window.resize(rect->right - rect->left, rect->bottom - rect->top);
}
