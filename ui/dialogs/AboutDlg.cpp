#include "ui/dialogs/AboutDlg.h"

#include "app/RenameApp.h"
#include "platform/RegistryStore.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent, AskFunction ask)
    : QDialog(parent), m_modal(parent), m_ask(std::move(ask)), m_icon(new CImageButton(this)),
      m_version(new QLabel(VersionLine(), this))
{
    setWindowTitle(tr("Kestrel（バージョン情報）"));
    m_icon->setObjectName(QStringLiteral("iconButton"));
    m_version->setObjectName(QStringLiteral("versionLabel"));
    m_icon->SetImage(QString::fromLatin1(icons::kApplication), QSize(32, 32));
    connect(m_icon, &QAbstractButton::clicked, this, &CAboutDlg::OfferDeletion);

    auto *name = new QLabel(QStringLiteral("Kestrel"), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(m_version);
    auto *top = new QHBoxLayout;
    top->addWidget(m_icon, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(texts, 1);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("確認"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutDlg::VersionLine()
{
    return QStringLiteral("%1 Ver.%2  %3")
        .arg(QString::fromStdString(CRenameApp::InternalName()),
             QString::fromStdString(CRenameApp::FileVersion()),
             QString::fromStdString(CRenameApp::LegalCopyright()));
}

void CAboutDlg::OfferDeletion()
{
    if (m_ask(QMessageBox::Warning, tr("Kestrel（レジストリ削除）"),
              tr("「Kestrel」のレジストリを削除して終了しますか？"),
              QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok) {
        CRegistryStore::DeleteAll();
        m_deleted = true;
    }
    accept();
}
