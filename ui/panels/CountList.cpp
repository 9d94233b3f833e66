#include "ui/panels/CountList.h"

#include "ui/panels/NumberField.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr int kListChoices = 20;
} // namespace

QComboBox *MakeCountList(QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    for (int i = 1; i <= kListChoices; ++i)
        combo->addItem(QStringLiteral("%1").arg(i, 2));
    return combo;
}

NumberRow MakeNumberRow(QWidget *parent, const std::function<void()> &changed)
{
    NumberRow row{MakeCountList(parent), new CNumberField(0, 999999, QStringLiteral("1"), parent),
                  MakeCountList(parent), new QHBoxLayout};
    row.layout->addWidget(new QLabel(QCoreApplication::translate("CountList", "連番"), parent));
    row.layout->addSpacing(8);
    row.layout->addWidget(new QLabel(QCoreApplication::translate("CountList", "桁"), parent));
    row.layout->addWidget(row.width);
    row.layout->addWidget(new QLabel(QCoreApplication::translate("CountList", "開始"), parent));
    row.layout->addWidget(row.start, 1);
    row.layout->addWidget(new QLabel(QCoreApplication::translate("CountList", "増分"), parent));
    row.layout->addWidget(row.step);
    QObject::connect(row.width, &QComboBox::activated, parent, changed);
    QObject::connect(row.step, &QComboBox::activated, parent, changed);
    QObject::connect(row.start, &CNumberField::Edited, parent, changed);
    return row;
}
