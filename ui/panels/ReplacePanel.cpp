#include "ui/panels/ReplacePanel.h"

#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CReplacePanel::CReplacePanel(QWidget *parent)
    : CModePanel(parent), m_searched(AddHistoryCombo("ReplaceStr1")),
      m_replacement(AddHistoryCombo("ReplaceStr2")),
      m_ignoreCase(new QCheckBox(QStringLiteral("大小文字を同一視"), this))
{
    auto *texts = new QHBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("文字列"), this));
    texts->addWidget(m_searched, 1);
    texts->addWidget(new QLabel(QStringLiteral("を"), this));
    texts->addWidget(m_replacement, 1);
    texts->addWidget(new QLabel(QStringLiteral("に置換"), this));

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(texts);
    rows->addWidget(m_ignoreCase);

    connect(m_ignoreCase, &QCheckBox::clicked, this, &CReplacePanel::PostChanged);
}

void CReplacePanel::ShowSettings(const CRenameSettings &settings)
{
    m_ignoreCase->setChecked(settings.IsReplaceCase);
}

void CReplacePanel::ReadInto(CRenameSettings &settings) const
{
    settings.ReplaceStr1 = m_searched->CurrentText();
    settings.ReplaceStr2 = m_replacement->CurrentText();
    settings.IsReplaceCase = m_ignoreCase->isChecked();
}
