#include "ui/dialogs/BatchDlg.h"
#include "ui/widgets/ShownText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CBatchDlg::CBatchDlg(std::vector<std::string> &directories, QWidget *parent)
    : QDialog(parent), m_modal(parent), m_directories(directories)
{
    setWindowTitle(tr("Kestrel（バッチ処理）"));
    auto *notice = new QLabel(tr("バッチ処理は次の動作をします。\n"
                                 "　・『連番』の『加算』処理はしません。\n"
                                 "　・出力先は『通常』で動作します。\n\n"
                                 "処理をしないディレクトリはチェックを外して下さい。"),
                              this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("checkList"));
    for (const std::string &directory : m_directories) {
        auto *item = new QListWidgetItem(ShownText(directory), m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }

    auto *run = new QPushButton(tr("実行"), this);
    auto *cancel = new QPushButton(tr("中止"), this);
    run->setDefault(true);
    connect(run, &QPushButton::clicked, this, &CBatchDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CBatchDlg::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(run);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(notice);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
}

void CBatchDlg::accept()
{
    // From the last line up, so the lines still to look at keep their indexes.
    for (int line = m_list->count() - 1; line >= 0; --line) {
        if (m_list->item(line)->checkState() != Qt::Checked)
            m_directories.erase(m_directories.begin() + line);
    }
    QDialog::accept();
}
