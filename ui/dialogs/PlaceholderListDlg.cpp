#include "ui/dialogs/PlaceholderListDlg.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CPlaceholderListDlg::CPlaceholderListDlg(QWidget *panel, const QString &caption,
                                         std::span<const PlaceholderRow> rows, bool guardHost)
    : QDialog(panel), m_list(new QListWidget(this)), m_addButton(new QPushButton(tr("追　　加"), this)),
      m_guardHost(guardHost)
{
    setWindowTitle(caption);
    m_list->setObjectName(QStringLiteral("placeholderList"));
    m_addButton->setObjectName(QStringLiteral("addButton"));
    // The rows line up their explanations with full-width blanks, which only
    // works in a fixed-pitch font.
    QFont rowFont(QStringList{QStringLiteral("IPAGothic"), QStringLiteral("monospace")}, 9);
    rowFont.setStyleHint(QFont::TypeWriter);
    setFont(rowFont);

    for (const PlaceholderRow &row : rows) {
        m_list->addItem(tr(row.text));
        m_placeholders.emplace_back(row.placeholder);
    }
    m_list->setCurrentRow(0);
    const int frame = 2 * m_list->frameWidth();
    // Every row in sight, without scrolling.
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + frame + 4);
    m_list->setFixedHeight(m_list->sizeHintForRow(0) * m_list->count() + frame);

    m_addButton->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
    layout->addWidget(m_addButton);
    adjustSize();

    connect(m_addButton, &QPushButton::clicked, this, &CPlaceholderListDlg::addSelected);
}

void CPlaceholderListDlg::ShowBelow(const QWidget *anchor)
{
    const QPoint bottomRight = anchor->mapToGlobal(QPoint(anchor->width(), anchor->height()));
    // The frame is known only once the window is shown.
    show();
    move(bottomRight.x() - frameGeometry().width(), bottomRight.y());
    raise();
    activateWindow();
    m_list->setFocus();
}

void CPlaceholderListDlg::addSelected()
{
    const int row = m_list->currentRow();
    if (row >= 0 && size_t(row) < m_placeholders.size())
        emit PlaceholderChosen(m_placeholders[size_t(row)]);
}

void CPlaceholderListDlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        hide();
}

void CPlaceholderListDlg::showEvent(QShowEvent *event)
{
    if (m_guardHost && !m_guard)
        m_guard = std::make_unique<CModalGuard>(this);
    QDialog::showEvent(event);
}

void CPlaceholderListDlg::hideEvent(QHideEvent *event)
{
    m_guard.reset();
    QDialog::hideEvent(event);
}
