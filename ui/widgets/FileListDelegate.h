#pragma once

#include <QStyledItemDelegate>

// Paints the cells of the list views: without full-row selection only the
// first column shows a row as selected; with grid lines each cell gets a
// line on its right and bottom edge. A cell that cuts its text shows the
// whole text as its tooltip.
class FileListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setFullRow(bool on) { m_fullRow = on; }
    void setGridLines(bool on) { m_gridLines = on; }
    bool gridLines() const { return m_gridLines; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // The tooltip of a cell drawn with `option`: its whole text when the cell
    // is too narrow for it, the row's own tooltip (a warning) when it has
    // one, both on separate lines; empty when neither applies.
    QString cellToolTip(const QStyleOptionViewItem &option, const QModelIndex &index) const;
    // The width of a cell of `view` that shows `text` without cutting it.
    static int fittingWidth(const QWidget *view, const QString &text);

private:
    bool m_fullRow = false;
    bool m_gridLines = false;
};
