#pragma once

#include <QStyledItemDelegate>

// Paints the cells of the report view: without full-row selection only the
// first column shows a row as selected; with grid lines each cell gets a
// line on its right and bottom edge.
class FileListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setFullRow(bool on) { m_fullRow = on; }
    void setGridLines(bool on) { m_gridLines = on; }
    bool gridLines() const { return m_gridLines; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    bool m_fullRow = false;
    bool m_gridLines = false;
};
