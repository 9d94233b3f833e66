#pragma once

#include <QStackedWidget>

#include <optional>
#include <string>

class CFolderFileLister;
class CFolderFilesModel;
class QListView;
class QTreeView;

// The files of the folder chosen in the folder browser, shown in one of three
// views: 0 details, 1 list, 2 small icons. Rows are shown but never stay
// selected. A folder is listed on a worker; choosing another one abandons
// the listing that is running.
class CFolderFileList : public QStackedWidget {
    Q_OBJECT
public:
    static constexpr int kDetails = 0;
    static constexpr int kList = 1;
    static constexpr int kSmallIcons = 2;

    explicit CFolderFileList(QWidget *parent);

    // Lists the files of folder; nothing empties the list.
    void ShowFolder(const std::optional<std::string> &folder);
    bool IsListing() const;

    // Out-of-range modes show the details.
    void SetViewMode(int mode);
    int ViewMode() const { return m_viewMode; }

private:
    void ShowListedFiles();

    CFolderFilesModel *m_model;
    CFolderFileLister *m_lister;
    QTreeView *m_details;
    QListView *m_names;
    int m_viewMode = kDetails;
};
