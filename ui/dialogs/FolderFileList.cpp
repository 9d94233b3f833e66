#include "ui/dialogs/FolderFileList.h"

#include "ui/dialogs/FolderFileLister.h"
#include "ui/dialogs/FolderFilesModel.h"
#include "ui/widgets/FileListDelegate.h"
#include "ui/widgets/Icons.h"

#include <QHeaderView>
#include <QListView>
#include <QTreeView>

CFolderFileList::CFolderFileList(QWidget *parent)
    : QStackedWidget(parent), m_model(new CFolderFilesModel(this)), m_lister(new CFolderFileLister(this))
{
    m_model->setObjectName(QStringLiteral("filesModel"));
    m_details = new QTreeView(this);
    m_details->setRootIsDecorated(false);
    m_details->setUniformRowHeights(true);
    m_details->setSelectionMode(QAbstractItemView::NoSelection);
    m_details->setIconSize(icons::kListImageSize);
    m_details->setModel(m_model);
    m_details->header()->setStretchLastSection(false);
    const std::vector<int> widths = CFolderFilesModel::ColumnWidths();
    for (int column = 0; column < int(widths.size()); ++column)
        m_details->setColumnWidth(column, widths[std::size_t(column)]);

    m_names = new QListView(this);
    m_names->setSelectionMode(QAbstractItemView::NoSelection);
    m_names->setIconSize(icons::kListImageSize);
    m_names->setWrapping(true);
    m_names->setResizeMode(QListView::Adjust);
    m_names->setUniformItemSizes(true);
    // Laid out a part at a time, so that many files never hold up the window.
    m_names->setLayoutMode(QListView::Batched);
    m_names->setModel(m_model);

    // A name or type cut by its column shows whole in its tooltip.
    auto *cells = new FileListDelegate(this);
    cells->setFullRow(true);
    m_details->setItemDelegate(cells);
    m_names->setItemDelegate(cells);

    addWidget(m_details);
    addWidget(m_names);
    connect(m_lister, &CFolderFileLister::Finished, this, &CFolderFileList::ShowListedFiles);
}

void CFolderFileList::ShowFolder(const std::optional<std::string> &folder)
{
    m_lister->Cancel();
    m_model->SetFiles({});
    if (folder)
        m_lister->Start(*folder);
}

bool CFolderFileList::IsListing() const
{
    return m_lister->IsRunning();
}

void CFolderFileList::ShowListedFiles()
{
    m_model->SetFiles(m_lister->TakeFiles());
}

void CFolderFileList::SetViewMode(int mode)
{
    m_viewMode = mode == kList || mode == kSmallIcons ? mode : kDetails;
    if (m_viewMode == kDetails) {
        setCurrentWidget(m_details);
        return;
    }
    // The list runs down in columns, the small icons across in rows.
    m_names->setFlow(m_viewMode == kList ? QListView::TopToBottom : QListView::LeftToRight);
    setCurrentWidget(m_names);
}
