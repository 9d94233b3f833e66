#include "ui/settings/InitialValues.h"

#include "app/EnvSettings.h"

#include <QBoxLayout>
#include <QMessageBox>

void StoreInitialValues(QWidget *page, const std::function<void(CEnvSettings &)> &fill,
                        const std::string &group, const QString &confirmation)
{
    CEnvSettings initial;
    fill(initial);
    initial.Save(group);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kestrel"), confirmation, QMessageBox::Ok, page);
    box.exec();
}

void LayOutWithInitialButton(QWidget *page, QLayout *content, QWidget *button)
{
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(button);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(content);
    layout->addStretch();
    layout->addLayout(buttonRow);
}
