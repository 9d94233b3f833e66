#pragma once

#include "platform/FolderScan.h"

#include <QTreeWidget>

#include <optional>
#include <string>

// The folder tree of the folder browser: the roots ホーム (the home folder)
// and "/", each node holding its folder's path as bytes. Sub-folders are read
// when a node is first expanded, so a link that leads back up never makes the
// tree endless. A folder that cannot be read is greyed, says so in its
// tooltip and has no children.
class CFolderTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CFolderTree(QWidget *parent);

    // Opens the tree along `path` from ホーム when the path lies in the home
    // folder, otherwise from "/", and selects the deepest folder of it that
    // exists, giving the tree the focus. An empty path selects nothing.
    void SelectPath(const std::string &path);
    // The selected node's path, nothing when no node is selected.
    std::optional<std::string> SelectedPath() const;
    // Reads the selected node's sub-folders again and selects the one called
    // `name`, if there is one.
    void RefreshSelectedAndSelect(const std::string &name);

    static std::string PathOf(const QTreeWidgetItem *item);
    static bool IsReadable(const QTreeWidgetItem *item);

signals:
    // The selection changed; nothing when no node is selected.
    void PathSelected(const std::optional<std::string> &path);

private:
    QTreeWidgetItem *AddRoot(const QString &title, const std::string &path);
    QTreeWidgetItem *MakeNode(const QString &title, const std::string &path);
    void ShowProbe(QTreeWidgetItem *item, const platform::FolderProbe &probe);
    void Populate(QTreeWidgetItem *item);
    void Repopulate(QTreeWidgetItem *item);
    static QTreeWidgetItem *FindChild(QTreeWidgetItem *item, const std::string &name);

    QTreeWidgetItem *m_home = nullptr;
    QTreeWidgetItem *m_root = nullptr;
};
