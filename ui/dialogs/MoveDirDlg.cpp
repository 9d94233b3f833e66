#include "ui/dialogs/MoveDirDlg.h"

#include "ui/dialogs/FolderChoiceList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CMoveDirDlg::CMoveDirDlg(const std::vector<std::string> &folders, const std::string &preselected,
                         QWidget *parent)
    : QDialog(parent), m_modal(parent), m_list(new QListWidget(this))
{
    setWindowTitle(tr("移動ディレクトリ選択"));
    m_list->setObjectName(QStringLiteral("folderList"));
    FillFolderList(m_list, folders);
    for (int line = 0; line < m_list->count(); ++line) {
        if (FolderOfItem(m_list->item(line)) == preselected)
            m_list->setCurrentRow(line);
    }

    auto *run = new QPushButton(tr("実行"), this);
    auto *cancel = new QPushButton(tr("中止"), this);
    run->setDefault(true);
    connect(run, &QPushButton::clicked, this, &CMoveDirDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CMoveDirDlg::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CMoveDirDlg::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(run);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("移動先のディレクトリを選択してください。"), this));
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
}

std::string CMoveDirDlg::Chosen() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? FolderOfItem(item) : std::string();
}
