#include "ui/settings/InitialValues.h"

#include "app/EnvSettings.h"

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
