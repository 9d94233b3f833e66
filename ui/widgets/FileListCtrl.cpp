#include "ui/widgets/FileListCtrl.h"

#include "ui/widgets/FileListDelegate.h"
#include "ui/widgets/FileListModel.h"
#include "ui/widgets/FileListReorderDrag.h"
#include "ui/widgets/FillColumn.h"

#include "platform/RegistryStore.h"
#include "platform/StoreValues.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ListFont.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;

void SetUpCommonView(QAbstractItemView *view)
{
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setIconSize(QSize(kSmallIcon, kSmallIcon));
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setTextElideMode(Qt::ElideRight);
}

} // namespace

CFileListCtrl::CFileListCtrl(QWidget *parent)
    : QWidget(parent), m_model(std::make_unique<FileListModel>()), m_stack(new QStackedWidget(this)),
      m_tree(new QTreeView), m_list(new QListView)
{
    icons::EnsureResourcesLoaded();
    m_tree->setObjectName(QStringLiteral("reportView"));
    m_list->setObjectName(QStringLiteral("listView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    setFocusProxy(m_tree);
    setFont(ListFont());

    SetUpCommonView(m_tree);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setSortingEnabled(false);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionsMovable(false);
    m_tree->header()->setSectionsClickable(true);
    m_tree->header()->setSortIndicator(m_sortColumn, m_sortOrder);
    m_tree->header()->setSortIndicatorShown(true);
    m_tree->setItemDelegate(new FileListDelegate(m_tree));

    SetUpCommonView(m_list);
    m_list->setUniformItemSizes(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setLayoutMode(QListView::Batched);
    m_list->setItemDelegate(new FileListDelegate(m_list));

    m_tree->setModel(m_model.get());
    m_list->setModel(m_model.get());
    // One selection for all views, so that switching the view keeps it.
    m_selection = m_tree->selectionModel();
    QItemSelectionModel *listOwn = m_list->selectionModel();
    m_list->setSelectionModel(m_selection);
    delete listOwn;

    m_stack->addWidget(m_tree);
    m_stack->addWidget(m_list);

    for (QAbstractItemView *view :
         {static_cast<QAbstractItemView *>(m_tree), static_cast<QAbstractItemView *>(m_list)}) {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
        connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
            if (index.isValid())
                emit RowActivated(index.row());
        });
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &pos) {
            emit ContextMenuRequested(view->viewport()->mapToGlobal(pos));
        });
    }
    connect(m_tree->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        // A click flips the header's own indicator; the owner's stays until it sorts.
        m_tree->header()->setSortIndicator(m_sortColumn, m_sortOrder);
        emit ColumnClicked(column);
    });
    connect(m_selection, &QItemSelectionModel::selectionChanged, this, &CFileListCtrl::SelectionChanged);

    m_fill = new CFillColumn(m_tree);
    m_drag = std::make_unique<FileListReorderDrag>(m_tree);
    m_drag->finished = [this](int dropIndex) { finishDrag(dropIndex); };
}

CFileListCtrl::~CFileListCtrl()
{
    // The views go with the widget tree; detach them from the model first.
    // Their last events must not reach this filter, nor the fill column's,
    // while they are half destroyed.
    m_drag.reset();
    delete m_fill;
    for (QAbstractItemView *view :
         {static_cast<QAbstractItemView *>(m_tree), static_cast<QAbstractItemView *>(m_list)}) {
        view->viewport()->removeEventFilter(this);
        view->removeEventFilter(this);
    }
    delete m_stack;
}

void CFileListCtrl::SetSource(const IFileListSource *source)
{
    m_model->setSource(source);
}

void CFileListCtrl::SetColumns(const std::vector<FileListColumn> &columns)
{
    m_model->setColumns(columns);
    for (size_t i = 0; i < columns.size(); ++i) {
        int width = columns[i].width;
        if (!columns[i].fitText.isEmpty()) {
            // The first column shows the row's picture before its text.
            const QSize icon = m_tree->iconSize();
            const int iconWidth =
                icon.isValid() ? icon.width()
                               : m_tree->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_tree);
            const int picture = i == 0 ? iconWidth + FileListDelegate::fittingWidth(m_tree, {}) : 0;
            // A character to spare: the painted text may come out a little wider than measured.
            const int spare = m_tree->fontMetrics().averageCharWidth();
            width =
                std::max(width, picture + FileListDelegate::fittingWidth(m_tree, columns[i].fitText) + spare);
        }
        m_tree->header()->resizeSection(int(i), width);
    }
    m_fill->ColumnsMade();
}

void CFileListCtrl::SetFillColumn(int column)
{
    m_fill->SetColumn(column);
}

int CFileListCtrl::ColumnCount() const
{
    return m_model->columnCount();
}

void CFileListCtrl::Reset(const std::function<void()> &change)
{
    m_model->reset(change);
}

void CFileListCtrl::InsertRows(int first, int count, const std::function<void()> &insert)
{
    m_model->insertSourceRows(first, count, insert);
}

void CFileListCtrl::RemoveRows(const std::vector<int> &rows,
                               const std::function<void(int first, int last)> &removeRange)
{
    m_model->removeSourceRows(rows, removeRange);
}

void CFileListCtrl::ReorderRows(const std::function<std::vector<int>()> &reorder)
{
    // The selection goes to where its rows went. Its ranges are taken out
    // while the held indexes move (their corners would move one by one) and
    // put back quietly: the same entries stay selected.
    std::vector<bool> selected(static_cast<std::size_t>(RowCount()));
    for (const QItemSelectionRange &range : m_selection->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected[static_cast<std::size_t>(row)] = true;
    const QSignalBlocker quiet(m_selection);
    m_selection->clearSelection();
    const std::vector<int> newRowOf = m_model->reorderSourceRows(reorder);
    if (!newRowOf.empty()) {
        std::vector<bool> moved(newRowOf.size());
        for (std::size_t row = 0; row < selected.size() && row < newRowOf.size(); ++row)
            if (selected[row])
                moved[static_cast<std::size_t>(newRowOf[row])] = true;
        selected = std::move(moved);
    }
    m_selection->select(wholeRows(selected), QItemSelectionModel::Select);
    // The rows show other entries now.
    m_tree->viewport()->update();
    m_list->viewport()->update();
}

void CFileListCtrl::UpdateRows(int first, int last)
{
    // The texts are read from the source whenever a row is drawn and every
    // row has the same size, so a repaint is all a change needs. (Telling the
    // views of a change of many rows would cost them a pass over each row.)
    if (first <= last && last >= 0 && first < RowCount())
        CurrentView()->viewport()->update();
}

void CFileListCtrl::UpdateAll()
{
    UpdateRows(0, RowCount() - 1);
}

int CFileListCtrl::RowCount() const
{
    return m_model->rowCount();
}

void CFileListCtrl::SetFullRowSelect(bool on)
{
    m_fullRow = on;
    static_cast<FileListDelegate *>(m_tree->itemDelegate())->setFullRow(on);
    applyGridLines();
}

void CFileListCtrl::SetGridLines(bool on)
{
    m_gridWanted = on;
    applyGridLines();
}

void CFileListCtrl::applyGridLines()
{
    static_cast<FileListDelegate *>(m_tree->itemDelegate())->setGridLines(m_gridWanted && m_fullRow);
    m_tree->viewport()->update();
}

bool CFileListCtrl::GridLinesShown() const
{
    return static_cast<const FileListDelegate *>(m_tree->itemDelegate())->gridLines();
}

void CFileListCtrl::SetViewType(int type, bool headerButtons)
{
    const bool hadFocus = CurrentView()->hasFocus();
    m_viewType = type == 0 ? ReportView : type == 1 ? ListView : type == 2 ? SmallIconView : LargeIconView;
    m_tree->header()->setSectionsClickable(headerButtons);
    if (m_viewType == ReportView) {
        m_stack->setCurrentWidget(m_tree);
    } else {
        const bool large = m_viewType == LargeIconView;
        m_list->setViewMode(large ? QListView::IconMode : QListView::ListMode);
        m_list->setIconSize(large ? QSize(kLargeIcon, kLargeIcon) : QSize(kSmallIcon, kSmallIcon));
        // The list view fills columns from top to bottom; the icon views
        // fill lines from left to right.
        m_list->setFlow(m_viewType == ListView ? QListView::TopToBottom : QListView::LeftToRight);
        m_list->setWrapping(true);
        m_list->setMovement(QListView::Static);
        m_stack->setCurrentWidget(m_list);
    }
    setFocusProxy(CurrentView());
    if (hadFocus)
        CurrentView()->setFocus();
    const int current = CurrentRow();
    if (current >= 0)
        EnsureVisible(current);
}

bool CFileListCtrl::HeaderButtons() const
{
    return m_tree->header()->sectionsClickable();
}

void CFileListCtrl::SetSortIndicator(int column, bool ascending)
{
    m_sortColumn = column;
    m_sortOrder = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_tree->header()->setSortIndicator(m_sortColumn, m_sortOrder);
}

std::vector<int> CFileListCtrl::ColumnWidths() const
{
    std::vector<int> widths;
    widths.reserve(ColumnCount());
    for (int i = 0; i < ColumnCount(); ++i)
        widths.push_back(m_tree->header()->sectionSize(i));
    return widths;
}

void CFileListCtrl::SetColumnWidths(const std::vector<int> &widths)
{
    const int count = std::min(int(widths.size()), ColumnCount());
    for (int i = 0; i < count; ++i)
        m_tree->header()->resizeSection(i, std::max(widths[size_t(i)], 0));
    m_fill->WidthsSet();
}

void CFileListCtrl::LoadColumnWidths(const std::string &key, const std::string &value)
{
    if (m_viewType != ReportView)
        return;
    CRegistryStore store;
    store.Open(key);
    if (const auto widths = platform::QueryColumnWidths(store, value))
        SetColumnWidths(*widths);
}

void CFileListCtrl::SaveColumnWidths(const std::string &key, const std::string &value) const
{
    if (m_viewType != ReportView)
        return;
    CRegistryStore store;
    store.Open(key);
    platform::WriteColumnWidths(store, value, ColumnWidths());
    store.Close();
}

QAbstractItemView *CFileListCtrl::CurrentView() const
{
    return m_viewType == ReportView ? static_cast<QAbstractItemView *>(m_tree) : m_list;
}

std::vector<int> CFileListCtrl::SelectedRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange &range : m_selection->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int CFileListCtrl::SelectedCount() const
{
    return int(SelectedRows().size());
}

bool CFileListCtrl::IsRowSelected(int row) const
{
    return m_selection->isSelected(m_model->index(row, 0));
}

void CFileListCtrl::SetSelectedRows(const std::vector<int> &rows)
{
    std::vector<bool> selected(static_cast<std::size_t>(RowCount()));
    for (const int row : rows)
        if (row >= 0 && row < RowCount())
            selected[static_cast<std::size_t>(row)] = true;
    m_selection->select(wholeRows(selected), QItemSelectionModel::ClearAndSelect);
}

QItemSelection CFileListCtrl::wholeRows(const std::vector<bool> &rows) const
{
    // Consecutive rows make one range, so that large selections stay cheap.
    const int lastColumn = std::max(ColumnCount() - 1, 0);
    QItemSelection selection;
    for (std::size_t first = 0; first < rows.size(); ++first) {
        if (!rows[first])
            continue;
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1])
            ++last;
        selection.select(m_model->index(static_cast<int>(first), 0),
                         m_model->index(static_cast<int>(last), lastColumn));
        first = last;
    }
    return selection;
}

void CFileListCtrl::SelectRow(int row, bool selected)
{
    if (row < 0 || row >= RowCount())
        return;
    m_selection->select(m_model->index(row, 0),
                        (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                            QItemSelectionModel::Rows);
}

void CFileListCtrl::SelectAll()
{
    if (RowCount() == 0)
        return;
    m_selection->select(
        QItemSelection(m_model->index(0, 0), m_model->index(RowCount() - 1, std::max(ColumnCount() - 1, 0))),
        QItemSelectionModel::ClearAndSelect);
}

void CFileListCtrl::ClearSelection()
{
    m_selection->clearSelection();
}

int CFileListCtrl::CurrentRow() const
{
    const QModelIndex current = m_selection->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CFileListCtrl::SetCurrentRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    m_selection->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::NoUpdate);
}

void CFileListCtrl::EnsureVisible(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    CurrentView()->scrollTo(m_model->index(row, 0));
}

int CFileListCtrl::ScrollPosition() const
{
    return CurrentView()->verticalScrollBar()->value();
}

void CFileListCtrl::SetScrollPosition(int position)
{
    CurrentView()->verticalScrollBar()->setValue(position);
}

void CFileListCtrl::finishDrag(int dropIndex)
{
    m_dropIndex = dropIndex;
    emit ReorderFinished(dropIndex);
}

bool CFileListCtrl::eventFilter(QObject *watched, QEvent *event)
{
    if (m_reorder && m_viewType == ReportView && watched == m_tree->viewport() &&
        m_drag->handleViewportEvent(event))
        return true;

    const bool isView = watched == m_tree || watched == m_list;
    if (isView && event->type() == QEvent::FocusIn)
        emit FocusEntered();
    if (isView && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (m_keyHandler && m_keyHandler(*key))
            return true;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && CurrentRow() >= 0) {
            emit RowActivated(CurrentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
