#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAbstractItemView;
class QItemSelection;
class QItemSelectionModel;
class QKeyEvent;
class QListView;
class QStackedWidget;
class QTreeView;

// Supplies the rows of a CFileListCtrl. The list asks for the texts and the
// picture of a row only when that row is drawn, so nothing is prepared for
// rows that are never seen.
class IFileListSource {
public:
    virtual ~IFileListSource() = default;
    virtual int RowCount() const = 0;
    virtual QString CellText(int row, int column) const = 0;
    virtual QIcon RowIcon(int row) const = 0;
    // A row drawn in the warning colour, with a tooltip saying why.
    virtual bool RowMarked(int /*row*/) const { return false; }
    virtual QString RowToolTip(int /*row*/) const { return {}; }
};

// One column of the report view. Listed as {title, width, alignment} or
// with a fourth item, the fit text.
struct FileListColumn {
    FileListColumn(QString title = {}, int width = 100, Qt::Alignment alignment = Qt::AlignLeft,
                   QString fitText = {})
        : title(std::move(title)), width(width), alignment(alignment), fitText(std::move(fitText))
    {
    }

    QString title;
    int width; // pixels
    Qt::Alignment alignment;
    // A text the column is made wide enough for, whatever `width` says
    // (stored widths loaded afterwards still win).
    QString fitText;
};

// What a name column should show whole at least: a camera's file name.
inline QString ShortNameFitText()
{
    return QStringLiteral("DSC_0000.JPG");
}

// What a column of dates and times must fit: every date has as many digits.
inline QString DateTimeFitText()
{
    return QStringLiteral("0000/00/00 00:00:00");
}

class CFillColumn;
class FileListModel;
class FileListReorderDrag;

// The list control of the selection and candidate lists: one row model shown
// in a report view (columns with a header), a list view or an icon view, the
// views sharing one selection. It keeps the selection visible without focus,
// offers full-row selection and grid lines, clickable headers, column widths
// kept in the settings store, and reordering of the selected rows by dragging
// with an insertion line and automatic scrolling at the edges.
class CFileListCtrl : public QWidget {
    Q_OBJECT
public:
    enum ViewType { ReportView = 0, ListView = 1, SmallIconView = 2, LargeIconView = 3 };

    explicit CFileListCtrl(QWidget *parent = nullptr);
    ~CFileListCtrl() override;

    // The source of the rows (not owned; it must outlive the control).
    void SetSource(const IFileListSource *source);
    void SetColumns(const std::vector<FileListColumn> &columns);
    int ColumnCount() const;

    // The source changed its rows (or changes them in `change`): everything
    // is read again and the selection is cleared.
    void Reset(const std::function<void()> &change = {});
    // The changes below keep the selection and the current row on the rows
    // they were on.
    // The source inserts `count` rows before row `first`; `insert` changes the
    // source (called between the model's begin and end of the insertion).
    void InsertRows(int first, int count, const std::function<void()> &insert);
    // Removes the given rows (ascending): `removeRange(first, last)` is called
    // once per run of consecutive rows, the last run first.
    void RemoveRows(const std::vector<int> &rows,
                    const std::function<void(int first, int last)> &removeRange);
    // The source reorders its rows: `reorder` changes the source and returns,
    // for each old row, its new row (nothing, when it left its rows as they were).
    void ReorderRows(const std::function<std::vector<int>()> &reorder);
    // The texts of some rows changed (rows stay where they are): repaint.
    void UpdateRows(int first, int last);
    void UpdateAll();
    int RowCount() const;

    // View options.
    void SetFullRowSelect(bool on);
    bool FullRowSelect() const { return m_fullRow; }
    // Grid lines are drawn only while both `on` and full-row selection hold.
    void SetGridLines(bool on);
    bool GridLinesShown() const;
    // 0 report, 1 list, 2 small icons, anything else large icons; the headers
    // are clickable when `headerButtons` is true.
    void SetViewType(int type, bool headerButtons);
    ViewType CurrentViewType() const { return m_viewType; }
    bool HeaderButtons() const;
    // The header shows which column sorts and in which direction; column -1
    // shows none. Only the owner sorts: clicking a header changes nothing
    // but emits ColumnClicked.
    void SetSortIndicator(int column, bool ascending);

    // The column that takes the report view's spare width (see CFillColumn).
    void SetFillColumn(int column);

    // Column widths in pixels, in column order.
    std::vector<int> ColumnWidths() const;
    void SetColumnWidths(const std::vector<int> &widths);
    // Stored column widths; both do nothing unless the report view is shown.
    void LoadColumnWidths(const std::string &key, const std::string &value);
    void SaveColumnWidths(const std::string &key, const std::string &value) const;

    // Selection (rows in ascending order) and the current (focus) row.
    std::vector<int> SelectedRows() const;
    int SelectedCount() const;
    bool IsRowSelected(int row) const;
    void SetSelectedRows(const std::vector<int> &rows);
    void SelectRow(int row, bool selected);
    void SelectAll();
    void ClearSelection();
    int CurrentRow() const;
    void SetCurrentRow(int row);
    void EnsureVisible(int row);
    // The position of the shown view's vertical scroll bar.
    int ScrollPosition() const;
    void SetScrollPosition(int position);

    // Reordering of the selected rows by dragging them (report view only).
    void SetReorder(bool on) { m_reorder = on; }
    bool Reorder() const { return m_reorder; }
    // Row before which the last drag dropped, the row count for the end, or
    // -1 when the last drag ended without a target (initially -1).
    int GetDropIndex() const { return m_dropIndex; }

    // Keys pressed in the list go to this handler first; when it returns
    // true the list does nothing more with the key.
    void SetKeyHandler(std::function<bool(const QKeyEvent &)> handler) { m_keyHandler = std::move(handler); }

    // The view that is shown now (for focus and geometry).
    QAbstractItemView *CurrentView() const;

signals:
    void ColumnClicked(int column);
    // Double click or Enter on a row.
    void RowActivated(int row);
    void SelectionChanged();
    // A reordering drag ended; the owner moves the selected rows to
    // `dropIndex` (-1: leave them).
    void ReorderFinished(int dropIndex);
    void ContextMenuRequested(const QPoint &globalPos);
    void FocusEntered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class FileListReorderDrag;
    void finishDrag(int dropIndex);
    void applyGridLines();
    // The rows flagged in `rows`, as one range of whole rows per run.
    QItemSelection wholeRows(const std::vector<bool> &rows) const;

    std::unique_ptr<FileListModel> m_model;
    QStackedWidget *m_stack = nullptr;
    QTreeView *m_tree = nullptr;
    QListView *m_list = nullptr;
    QItemSelectionModel *m_selection = nullptr;
    std::unique_ptr<FileListReorderDrag> m_drag;
    CFillColumn *m_fill = nullptr;
    std::function<bool(const QKeyEvent &)> m_keyHandler;
    ViewType m_viewType = ReportView;
    bool m_fullRow = false;
    bool m_gridWanted = false;
    bool m_reorder = false;
    int m_dropIndex = -1;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
