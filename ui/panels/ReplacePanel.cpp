#include "ui/panels/ReplacePanel.h"

#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CReplacePanel::CReplacePanel(QWidget *parent)
    : CModePanel(parent), m_searched(AddHistoryCombo("ReplaceStr1")),
      m_replacement(AddHistoryCombo("ReplaceStr2")),
      m_ignoreCase(new QCheckBox(tr("大小文字を同一視"), this)), m_regex(new QCheckBox(tr("正規表現"), this))
{
    m_ignoreCase->setObjectName(QStringLiteral("ignoreCase"));
    m_regex->setObjectName(QStringLiteral("regex"));
    m_regex->setToolTip(tr("検索する文字列を正規表現として扱います。置換後の文字列では $1～$9、${名前}、$$ "
                           "が使えます。"));
    auto *texts = new QHBoxLayout;
    texts->addWidget(new QLabel(tr("文字列"), this));
    texts->addWidget(m_searched, 1);
    texts->addWidget(new QLabel(tr("を"), this));
    texts->addWidget(m_replacement, 1);
    texts->addWidget(new QLabel(tr("に置換"), this));

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(texts);
    auto *checks = new QHBoxLayout;
    checks->addWidget(m_ignoreCase);
    checks->addWidget(m_regex);
    checks->addStretch(1);
    rows->addLayout(checks);

    connect(m_ignoreCase, &QCheckBox::clicked, this, &CReplacePanel::PostChanged);
    connect(m_regex, &QCheckBox::clicked, this, &CReplacePanel::PostChanged);
}

void CReplacePanel::ShowSettings(const CRenameSettings &settings)
{
    m_ignoreCase->setChecked(settings.IsReplaceCase);
    m_regex->setChecked(settings.IsReplaceRegex);
}

void CReplacePanel::ReadInto(CRenameSettings &settings) const
{
    settings.ReplaceStr1 = m_searched->CurrentText();
    settings.ReplaceStr2 = m_replacement->CurrentText();
    settings.IsReplaceCase = m_ignoreCase->isChecked();
    settings.IsReplaceRegex = m_regex->isChecked();
}
