#include "ui/widgets/FillColumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

#include <algorithm>

CFillColumn::CFillColumn(QTreeView *view) : QObject(view), m_view(view)
{
    m_view->viewport()->installEventFilter(this);
    connect(m_view->header(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        // A width given by anyone but this object (the user's drag) is the one followed from now on.
        if (column == m_column && !m_applying)
            m_base = width;
    });
}

void CFillColumn::SetColumn(int column)
{
    m_column = column;
    ColumnsMade();
}

void CFillColumn::ColumnsMade()
{
    if (!Active())
        return;
    m_minimum = m_view->header()->sectionSize(m_column);
    m_base = m_minimum;
    m_pending = true;
    if (m_view->isVisible())
        FillSpareWidth();
}

void CFillColumn::WidthsSet()
{
    m_pending = false;
    m_viewportWidth = m_view->viewport()->width();
    if (Active())
        m_base = m_view->header()->sectionSize(m_column);
}

bool CFillColumn::Active() const
{
    return m_column >= 0 && m_column < m_view->header()->count();
}

bool CFillColumn::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view->viewport() && Active()) {
        if (event->type() == QEvent::Show && m_pending)
            FillSpareWidth();
        else if (event->type() == QEvent::Resize)
            FollowViewport(m_view->viewport()->width());
    }
    return QObject::eventFilter(watched, event);
}

void CFillColumn::FillSpareWidth()
{
    const QHeaderView *header = m_view->header();
    int others = 0;
    for (int column = 0; column < header->count(); ++column)
        if (column != m_column)
            others += header->sectionSize(column);
    m_viewportWidth = m_view->viewport()->width();
    m_base = m_viewportWidth - others;
    m_pending = false;
    Apply();
}

void CFillColumn::FollowViewport(int viewportWidth)
{
    if (m_pending) {
        if (m_view->isVisible())
            FillSpareWidth();
        return;
    }
    if (m_viewportWidth > 0) {
        m_base += viewportWidth - m_viewportWidth;
        Apply();
    }
    m_viewportWidth = viewportWidth;
}

void CFillColumn::Apply()
{
    m_applying = true;
    m_view->header()->resizeSection(m_column, std::max(m_base, m_minimum));
    m_applying = false;
}
