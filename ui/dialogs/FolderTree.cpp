#include "ui/dialogs/FolderTree.h"

#include "platform/Collation.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ShownText.h"

#include <QHeaderView>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

enum Role { kPathRole = Qt::UserRole, kPopulatedRole, kReadableRole };

std::string HomeFolder()
{
    const char *home = std::getenv("HOME");
    std::string path = home ? home : "";
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// The names of path after prefix, one per folder level ("." and empty ones
// left out).
std::vector<std::string> Components(std::string_view path)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (!name.empty() && name != ".")
            names.emplace_back(name);
        start = end + 1;
    }
    return names;
}

bool InsideFolder(std::string_view path, std::string_view folder)
{
    return !folder.empty() && path.starts_with(folder) &&
           (path.size() == folder.size() || path[folder.size()] == '/' || folder == "/");
}

} // namespace

CFolderTree::CFolderTree(QWidget *parent) : QTreeWidget(parent)
{
    icons::EnsureResourcesLoaded();
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    if (const std::string home = HomeFolder(); !home.empty())
        m_home = AddRoot(tr("ホーム"), home);
    m_root = AddRoot(QStringLiteral("/"), "/");
    connect(this, &QTreeWidget::itemExpanded, this, &CFolderTree::Populate);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        emit PathSelected(current ? std::optional(PathOf(current)) : std::nullopt);
    });
}

std::string CFolderTree::PathOf(const QTreeWidgetItem *item)
{
    return item->data(0, kPathRole).toByteArray().toStdString();
}

bool CFolderTree::IsReadable(const QTreeWidgetItem *item)
{
    return item->data(0, kReadableRole).toBool();
}

QTreeWidgetItem *CFolderTree::AddRoot(const QString &title, const std::string &path)
{
    QTreeWidgetItem *item = MakeNode(title, path);
    addTopLevelItem(item);
    return item;
}

QTreeWidgetItem *CFolderTree::MakeNode(const QString &title, const std::string &path)
{
    auto *item = new QTreeWidgetItem(QStringList{title});
    item->setData(0, kPathRole, QByteArray::fromStdString(path));
    ShowProbe(item, platform::ProbeFolder(path));
    return item;
}

void CFolderTree::ShowProbe(QTreeWidgetItem *item, const platform::FolderProbe &probe)
{
    const bool readable = probe.error == 0;
    item->setData(0, kReadableRole, readable);
    item->setChildIndicatorPolicy(probe.hasSubFolders ? QTreeWidgetItem::ShowIndicator
                                                      : QTreeWidgetItem::DontShowIndicator);
    const QIcon folder =
        QIcon::fromTheme(QStringLiteral("folder"), QIcon(QString::fromLatin1(icons::kFolder)));
    item->setIcon(0, readable
                         ? folder
                         : QIcon::fromTheme(QStringLiteral("folder-locked"),
                                            QIcon(folder.pixmap(icons::kListImageSize, QIcon::Disabled))));
    item->setForeground(0, palette().brush(readable ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    item->setToolTip(0, readable ? QString() : tr("このフォルダは読み取れません。"));
}

void CFolderTree::Populate(QTreeWidgetItem *item)
{
    if (item->data(0, kPopulatedRole).toBool() || !IsReadable(item))
        return;
    item->setData(0, kPopulatedRole, true);
    const std::string path = PathOf(item);
    std::vector<std::string> names;
    const int error =
        platform::ListSubFolders(path, [&](std::string_view name) { names.emplace_back(name); });
    if (error != 0) {
        // Readable when probed, not any more: shown as it now is.
        ShowProbe(item, {error, false});
        return;
    }
    std::sort(names.begin(), names.end(),
              [](const std::string &a, const std::string &b) { return platform::CompareCollated(a, b) < 0; });
    QList<QTreeWidgetItem *> children;
    for (const std::string &name : names)
        children.append(MakeNode(ShownText(name), platform::ChildPath(path, name)));
    item->addChildren(children);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void CFolderTree::Repopulate(QTreeWidgetItem *item)
{
    qDeleteAll(item->takeChildren());
    item->setData(0, kPopulatedRole, false);
    ShowProbe(item, platform::ProbeFolder(PathOf(item)));
    Populate(item);
}

QTreeWidgetItem *CFolderTree::FindChild(QTreeWidgetItem *item, const std::string &name)
{
    const std::string path = platform::ChildPath(PathOf(item), name);
    for (int i = 0; i < item->childCount(); ++i)
        if (PathOf(item->child(i)) == path)
            return item->child(i);
    return nullptr;
}

void CFolderTree::SelectPath(const std::string &path)
{
    if (path.empty())
        return;
    QTreeWidgetItem *node = m_home && InsideFolder(path, PathOf(m_home)) ? m_home : m_root;
    const std::string_view rest = std::string_view(path).substr(node == m_home ? PathOf(m_home).size() : 0);
    for (const std::string &name : Components(rest)) {
        Populate(node);
        QTreeWidgetItem *child = FindChild(node, name);
        if (!child)
            break;
        node->setExpanded(true);
        node = child;
    }
    setCurrentItem(node);
    scrollToItem(node);
    setFocus();
}

std::optional<std::string> CFolderTree::SelectedPath() const
{
    const QTreeWidgetItem *item = currentItem();
    if (!item)
        return std::nullopt;
    return PathOf(item);
}

void CFolderTree::RefreshSelectedAndSelect(const std::string &name)
{
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return;
    Repopulate(item);
    item->setExpanded(true);
    if (QTreeWidgetItem *child = FindChild(item, name)) {
        setCurrentItem(child);
        scrollToItem(child);
    }
}
