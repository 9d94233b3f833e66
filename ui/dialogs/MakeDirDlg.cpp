#include "ui/dialogs/MakeDirDlg.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CMakeDirDlg::CMakeDirDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("ディレクトリの作成"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    auto *buttons = new QDialogButtonBox(this);
    m_create = buttons->addButton(tr("作成"), QDialogButtonBox::AcceptRole);
    m_create->setObjectName(QStringLiteral("createButton"));
    m_create->setDefault(true);
    buttons->addButton(tr("中止"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(buttons);
}

std::string CMakeDirDlg::Name() const
{
    return QFile::encodeName(m_name->text()).toStdString();
}
