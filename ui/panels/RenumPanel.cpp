#include "ui/panels/RenumPanel.h"

#include "ui/main/HistoryComboBox.h"
#include "ui/panels/CountList.h"
#include "ui/panels/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kStartLower = 0;
constexpr int kStartUpper = 999999;

} // namespace

CRenumPanel::CRenumPanel(QWidget *parent) : CModePanel(parent)
{
    m_prefix = AddHistoryCombo("RenumStr1");
    m_suffix = AddHistoryCombo("RenumStr2");
    m_extension = AddExtensionField("RenumExt");
    m_width = MakeCountList(this);
    m_start = new CNumberField(kStartLower, kStartUpper, QStringLiteral("1"), this);
    m_step = MakeCountList(this);
    m_incrementCheck = new QCheckBox(QStringLiteral("開始値加算"), this);

    auto *texts = new QHBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("前固定"), this));
    texts->addWidget(m_prefix, 3);
    texts->addWidget(new QLabel(QStringLiteral("後固定"), this));
    texts->addWidget(m_suffix, 3);
    texts->addWidget(m_extension.check);
    texts->addWidget(m_extension.combo, 2);
    texts->addWidget(m_extension.button);

    auto *number = new QHBoxLayout;
    number->addWidget(new QLabel(QStringLiteral("連番"), this));
    number->addSpacing(8);
    number->addWidget(new QLabel(QStringLiteral("桁"), this));
    number->addWidget(m_width);
    number->addWidget(new QLabel(QStringLiteral("開始"), this));
    number->addWidget(m_start, 1);
    number->addWidget(new QLabel(QStringLiteral("増分"), this));
    number->addWidget(m_step);
    number->addWidget(m_incrementCheck);
    number->addStretch(1);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(texts);
    rows->addLayout(number);

    connect(m_width, &QComboBox::activated, this, &CRenumPanel::PostChanged);
    connect(m_step, &QComboBox::activated, this, &CRenumPanel::PostChanged);
    connect(m_start, &CNumberField::Edited, this, &CRenumPanel::PostChanged);
    connect(m_incrementCheck, &QCheckBox::clicked, this, &CRenumPanel::PostChanged);
}

void CRenumPanel::ShowSettings(const CRenameSettings &settings)
{
    // An index outside the lists (a stored width of 25) selects nothing.
    m_width->setCurrentIndex(settings.NumberWidth - 1);
    m_start->SetText(QString::number(settings.NumberStart));
    m_step->setCurrentIndex(settings.NumberStep - 1);
    m_extension.SetChecked(settings.IsRenumExtensionChange != 0);
    m_incrementCheck->setChecked(settings.IsIncrement != 0);
}

void CRenumPanel::ReadInto(CRenameSettings &settings) const
{
    settings.RenumStr1 = m_prefix->CurrentText();
    settings.RenumStr2 = m_suffix->CurrentText();
    settings.RenumExtension = m_extension.combo->CurrentText();
    settings.IsRenumExtensionChange = m_extension.IsChecked() ? 1 : 0;
    settings.NumberWidth = m_width->currentIndex() + 1;
    settings.NumberStart = m_start->Value();
    settings.NumberStep = m_step->currentIndex() + 1;
    settings.IsIncrement = m_incrementCheck->isChecked() ? 1 : 0;
}
