#include "ui/dialogs/FileTypeDlg.h"

#include "ui/dialogs/ExtensionPattern.h"
#include "ui/dialogs/FileTypeList.h"
#include "ui/widgets/Icons.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { DescriptionColumn = 0, ExtensionColumn = 1 };

// Rows compare by the sorted column's text without regard to letter case.
class FileTypeItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }
};

QIcon TypeIcon(const FileTypeRow &row, QHash<QString, QIcon> &cache)
{
    auto found = cache.constFind(row.iconName);
    if (found != cache.constEnd())
        return *found;
    QIcon icon = QIcon::fromTheme(row.iconName, QIcon::fromTheme(row.genericIconName));
    if (icon.isNull())
        icon = QIcon(icons::kFile);
    cache.insert(row.iconName, icon);
    return icon;
}

} // namespace

CFileTypeDlg::CFileTypeDlg(QWidget *parent)
    : QDialog(parent), m_list(new QTreeWidget(this)), m_summary(new QLabel(this)),
      m_select(new QPushButton(tr("選択"), this))
{
    icons::EnsureResourcesLoaded();
    setWindowTitle(tr("ファイルタイプ"));
    m_list->setObjectName(QStringLiteral("typeList"));
    m_summary->setObjectName(QStringLiteral("extensionSummary"));
    m_select->setObjectName(QStringLiteral("selectButton"));
    auto *cancel = new QPushButton(tr("中止"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));

    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("ファイルタイプ"), tr("拡張子")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setIconSize(icons::kListImageSize);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsClickable(true);
    m_list->header()->resizeSection(DescriptionColumn, 250);
    m_list->header()->resizeSection(ExtensionColumn, 100);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_select, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    m_select->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFileTypeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFileTypeDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(420, 360);

    connect(m_list->header(), &QHeaderView::sectionClicked, this, &CFileTypeDlg::SortByColumn);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CFileTypeDlg::onSelectionChanged);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_select->isEnabled())
            accept();
    });

    fillList();
    SetMultiSelect(false);
}

void CFileTypeDlg::fillList()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QHash<QString, QIcon> iconCache;
    QList<QTreeWidgetItem *> items;
    for (const FileTypeRow &row : KnownFileTypes()) {
        auto *item = new FileTypeItem(QStringList{row.description, row.extension});
        item->setIcon(DescriptionColumn, TypeIcon(row, iconCache));
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    m_list->sortItems(DescriptionColumn, Qt::AscendingOrder);
    QApplication::restoreOverrideCursor();

    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->setFocus();
    onSelectionChanged();
}

void CFileTypeDlg::SetMultiSelect(bool on)
{
    m_multiSelect = on;
    m_list->setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    // Leaving multiple selection keeps only the current row selected.
    if (!on && m_list->selectedItems().size() > 1) {
        QTreeWidgetItem *current = m_list->currentItem();
        m_list->clearSelection();
        if (current)
            current->setSelected(true);
    }
    onSelectionChanged();
}

void CFileTypeDlg::SortByColumn(int column)
{
    m_sortDirection = column == m_sortColumn ? -m_sortDirection : 1;
    m_sortColumn = column;
    m_list->sortItems(column, m_sortDirection > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

std::vector<std::string> CFileTypeDlg::selectedExtensions() const
{
    std::vector<std::string> extensions;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        if (item->isSelected())
            extensions.push_back(item->text(ExtensionColumn).toStdString());
    }
    return extensions;
}

void CFileTypeDlg::onSelectionChanged()
{
    const std::vector<std::string> extensions = selectedExtensions();
    m_select->setEnabled(!extensions.empty());
    const std::string shown = m_multiSelect ? ExtensionSummary(extensions)
                                            : (extensions.empty() ? std::string() : extensions.front());
    m_summary->setText(tr("拡張子：%1").arg(QString::fromStdString(shown)));
}

void CFileTypeDlg::accept()
{
    m_result = selectedExtensions();
    m_readPosition = 0;
    QDialog::accept();
}

std::string CFileTypeDlg::NextExtension()
{
    if (m_readPosition >= m_result.size())
        return {};
    return m_result[m_readPosition++];
}
