#include "ui/panels/RenumPanel.h"

#include "ui/panels/CountList.h"
#include "ui/panels/NumberField.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CRenumPanel::CRenumPanel(QWidget *parent) : CModePanel(parent)
{
    m_prefix = AddHistoryCombo("RenumStr1");
    m_suffix = AddHistoryCombo("RenumStr2");
    m_extension = AddExtensionField("RenumExt");
    const NumberRow number = MakeNumberRow(this, [this] { PostChanged(); });
    m_width = number.width;
    m_start = number.start;
    m_step = number.step;
    m_incrementCheck = new QCheckBox(tr("開始値加算"), this);

    auto *texts = new QHBoxLayout;
    texts->addWidget(new QLabel(tr("前固定"), this));
    texts->addWidget(m_prefix, 3);
    texts->addWidget(new QLabel(tr("後固定"), this));
    texts->addWidget(m_suffix, 3);
    texts->addWidget(m_extension.check);
    texts->addWidget(m_extension.combo, 2);
    texts->addWidget(m_extension.button);

    number.layout->addWidget(m_incrementCheck);
    number.layout->addStretch(1);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(texts);
    rows->addLayout(number.layout);

    connect(m_incrementCheck, &QCheckBox::clicked, this, &CRenumPanel::PostChanged);
}

void CRenumPanel::ShowSettings(const CRenameSettings &settings)
{
    // An index outside the lists (a stored width of 25) selects nothing.
    m_width->setCurrentIndex(settings.NumberWidth - 1);
    m_start->SetText(QString::number(settings.NumberStart));
    m_step->setCurrentIndex(settings.NumberStep - 1);
    m_extension.SetChecked(settings.IsRenumExtensionChange);
    m_incrementCheck->setChecked(settings.IsIncrement);
}

void CRenumPanel::ReadInto(CRenameSettings &settings) const
{
    settings.RenumStr1 = m_prefix->CurrentText();
    settings.RenumStr2 = m_suffix->CurrentText();
    settings.RenumExtension = m_extension.combo->CurrentText();
    settings.IsRenumExtensionChange = m_extension.IsChecked();
    settings.NumberWidth = m_width->currentIndex() + 1;
    settings.NumberStart = m_start->Value();
    settings.NumberStep = m_step->currentIndex() + 1;
    settings.IsIncrement = m_incrementCheck->isChecked();
}
