#include "ui/dialogs/FolderChoiceList.h"

#include "platform/Collation.h"
#include "ui/widgets/ShownText.h"

#include <QListWidget>

#include <algorithm>

namespace {

constexpr int kPathRole = Qt::UserRole;

} // namespace

void FillFolderList(QListWidget *list, std::vector<std::string> folders)
{
    std::stable_sort(folders.begin(), folders.end(), [](const std::string &a, const std::string &b) {
        return platform::CompareCollated(a, b) < 0;
    });
    for (const std::string &folder : folders) {
        auto *item = new QListWidgetItem(ShownText(folder), list);
        item->setData(kPathRole, QByteArray::fromStdString(folder));
    }
}

std::string FolderOfItem(const QListWidgetItem *item)
{
    return item->data(kPathRole).toByteArray().toStdString();
}
