#include "ui/dialogs/OverwriteDlg.h"
#include "ui/widgets/ShownText.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

COverwriteDlg::COverwriteDlg(const std::string &targetPath, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("ファイルの上書き確認"));
    // The path is shown only; bytes that are not UTF-8 show as replacement marks.
    auto *message =
        new QLabel(tr("‘%1 ’ は既に存在しています。\n\n上書きしますか？").arg(ShownText(targetPath)), this);
    message->setObjectName(QStringLiteral("message"));
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *yes = new QPushButton(tr("はい（&Y）"), this);
    auto *all = new QPushButton(tr("全て上書き（&A）"), this);
    auto *no = new QPushButton(tr("いいえ（&N）"), this);
    yes->setObjectName(QStringLiteral("yes"));
    all->setObjectName(QStringLiteral("all"));
    no->setObjectName(QStringLiteral("no"));
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(all, &QPushButton::clicked, this, [this] { done(All); });
    connect(no, &QPushButton::clicked, this, [this] { done(No); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(yes);
    buttons->addWidget(all);
    buttons->addWidget(no);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COverwriteDlg::reject()
{
    done(No);
}

void COverwriteDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QApplication::beep();
}
