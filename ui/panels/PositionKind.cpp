#include "ui/panels/PositionKind.h"

#include "ui/panels/NumberField.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int kFirstPosition = 2;
constexpr int kLastPosition = 99;

} // namespace

void PositionKind::RefreshEnabled() const
{
    const bool used = UsesPosition(kind->currentIndex());
    position->setEnabled(used);
    caption->setEnabled(used);
}

PositionKind MakePositionKind(QWidget *panel, const QStringList &kinds, const QString &caption)
{
    PositionKind field{
        new QComboBox(panel),
        new CNumberField(kFirstPosition, kLastPosition, QString::number(kFirstPosition), panel),
        new QLabel(caption, panel)};
    field.kind->addItems(kinds);
    field.position->SetEmptyValue(kFirstPosition);
    field.RefreshEnabled();
    QObject::connect(field.kind, &QComboBox::activated, panel, [field] { field.RefreshEnabled(); });
    return field;
}
