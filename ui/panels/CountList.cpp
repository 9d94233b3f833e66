#include "ui/panels/CountList.h"

#include <QComboBox>

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
