#include "ui/panels/OrgNamePanel.h"

#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

COrgNamePanel::COrgNamePanel(QWidget *parent) : CModePanel(parent)
{
    m_prefix = AddHistoryCombo("OrgStr1");
    m_suffix = AddHistoryCombo("OrgStr2");
    m_extension = AddExtensionField("OrgExt");

    auto *texts = new QHBoxLayout;
    texts->addWidget(new QLabel(tr("前固定"), this));
    texts->addWidget(m_prefix, 1);
    texts->addWidget(new QLabel(tr("後固定"), this));
    texts->addWidget(m_suffix, 1);

    auto *extension = new QHBoxLayout;
    extension->addWidget(m_extension.check);
    extension->addWidget(m_extension.combo);
    extension->addWidget(m_extension.button);
    extension->addStretch(1);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(texts);
    rows->addLayout(extension);
}

void COrgNamePanel::ShowSettings(const CRenameSettings &settings)
{
    m_extension.SetChecked(settings.IsOrgExtensionChange);
}

void COrgNamePanel::ReadInto(CRenameSettings &settings) const
{
    settings.OrgStr1 = m_prefix->CurrentText();
    settings.OrgStr2 = m_suffix->CurrentText();
    settings.OrgExtension = m_extension.combo->CurrentText();
    settings.IsOrgExtensionChange = m_extension.IsChecked();
}
