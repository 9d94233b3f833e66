#include "ui/widgets/FileListDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// The space the style leaves on each side of a cell's text.
int TextMargin(const QWidget *widget)
{
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

} // namespace

void FileListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    QStyleOptionViewItem cell(option);
    if (!m_fullRow && index.column() != 0)
        cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QStyledItemDelegate::paint(painter, cell, index);
    if (m_gridLines) {
        painter->save();
        painter->setPen(option.palette.color(QPalette::Midlight));
        const QRect r = option.rect;
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }
}

bool FileListDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                 const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString tip = index.isValid() ? cellToolTip(option, index) : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), tip, view, option.rect);
    return true;
}

QString FileListDelegate::cellToolTip(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QWidget *widget = cell.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    const bool cut =
        cell.fontMetrics.horizontalAdvance(cell.text) > textRect.width() - 2 * TextMargin(widget);
    QString warning = index.data(Qt::ToolTipRole).toString();
    if (!cut)
        return warning;
    return warning.isEmpty() ? cell.text : cell.text + QLatin1Char('\n') + warning;
}

int FileListDelegate::fittingWidth(const QWidget *view, const QString &text)
{
    return view->fontMetrics().horizontalAdvance(text) + 2 * TextMargin(view);
}
