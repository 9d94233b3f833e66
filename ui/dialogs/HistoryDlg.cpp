#include "ui/dialogs/HistoryDlg.h"

#include "exec/HistoryUndo.h"
#include "ui/dialogs/CentreOnParent.h"
#include "ui/widgets/ListFont.h"
#include "ui/widgets/ShownText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kNumberRole = Qt::UserRole;
constexpr int kUndoableRole = Qt::UserRole + 1;

} // namespace

CHistoryDlg::CHistoryDlg(const exec::CRunHistory &history, UndoRun undoRun, QWidget *parent)
    : QDialog(parent), m_modal(parent), m_history(history), m_undoRun(std::move(undoRun))
{
    setWindowTitle(tr("Kestrel（履歴）"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("historyList"));
    m_list->setFont(ListFont());
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHeaderLabels(
        {tr("番号"), tr("日時"), tr("フォルダ"), tr("件数"), tr("種類"), tr("元に戻せるか")});
    m_undo = new QPushButton(tr("元に戻す"), this);
    m_undo->setObjectName(QStringLiteral("undoRun"));
    auto *close = new QPushButton(tr("閉じる"), this);
    close->setDefault(true);

    auto *buttons = new QHBoxLayout;
    // The history keeps the latest runs; the last one it let go is named.
    const std::string dropped = history.LastDropped();
    auto *note =
        new QLabel(dropped.empty() ? QString() : tr("履歴から外した実行: %1").arg(ShownText(dropped)), this);
    note->setObjectName(QStringLiteral("droppedRun"));
    buttons->addWidget(note, 1);
    buttons->addWidget(m_undo);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_undo, &QPushButton::clicked, this, &CHistoryDlg::UndoSelected);
    connect(close, &QPushButton::clicked, this, &CHistoryDlg::accept);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CHistoryDlg::UpdateButton);
    Reload();
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);
    resize(720, 360);
    CentreOnParent(this);
}

void CHistoryDlg::Reload()
{
    const std::vector<exec::CRunSummary> runs = m_history.List();
    const std::vector<std::vector<std::uint64_t>> inTheWay = exec::RunsInTheWay(m_history, runs);
    m_list->clear();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const exec::CRunRow row = exec::DescribeRunRow(runs[i], inTheWay[i]);
        auto *item = new QTreeWidgetItem(m_list);
        const std::string *texts[] = {&row.number, &row.time, &row.folder,
                                      &row.count,  &row.kind, &row.undoable};
        for (int column = 0; column < 6; ++column) {
            item->setText(column, ShownText(*texts[column]));
            item->setToolTip(column, item->text(column));
        }
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, kNumberRole, QVariant::fromValue<qulonglong>(runs[i].number));
        item->setData(0, kUndoableRole, !runs[i].damaged && inTheWay[i].empty());
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    UpdateButton();
}

void CHistoryDlg::UpdateButton()
{
    const QTreeWidgetItem *item = m_list->currentItem();
    m_undo->setEnabled(item && item->isSelected() && item->data(0, kUndoableRole).toBool());
}

void CHistoryDlg::UndoSelected()
{
    const QTreeWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    m_undoRun(item->data(0, kNumberRole).toULongLong());
    Reload();
}
