#include "ui/panels/FormatPanel.h"

#include "ui/dialogs/FormatHelpDlg.h"
#include "ui/panels/ChoiceCombo.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CFormatPanel::CFormatPanel(QWidget *parent) : CModePanel(parent)
{
    m_format = AddHistoryCombo("FormatStr");
    m_dateSource = new QComboBox(this);
    m_dateSource->setObjectName(QStringLiteral("dateSource"));
    m_dateSource->addItems({tr("ファイルの更新日時"), tr("写真の撮影日時（なければ更新日時）")});
    m_helpButton = MakeImageButton(this, icons::kHelp, icons::kDirectoryButtonSize, "");
    m_helpList = new CFormatHelpDlg(this);

    auto *format = new QHBoxLayout;
    format->addWidget(new QLabel(tr("書式"), this));
    format->addWidget(m_format, 1);
    format->addWidget(m_helpButton);

    auto *dateSource = new QHBoxLayout;
    dateSource->addWidget(new QLabel(tr("日時の置換文字"), this));
    dateSource->addWidget(m_dateSource);
    dateSource->addStretch(1);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(format);
    rows->addLayout(dateSource);
    rows->addStretch(1);

    connect(m_helpButton, &CImageButton::clicked, this, [this] { m_helpList->ShowBelow(m_format); });
    connect(m_helpList, &CPlaceholderListDlg::PlaceholderChosen, this,
            [this](const std::string &placeholder) {
                m_format->SetCurrentText(m_format->CurrentText() + placeholder);
                PostChanged();
            });
    connect(m_dateSource, &QComboBox::activated, this, &CFormatPanel::PostChanged);
}

void CFormatPanel::ShowSettings(const CRenameSettings &settings)
{
    // The format is a history text: the field shows the newest entry.
    ShowChoice(m_dateSource, settings.DateSource);
}

void CFormatPanel::ReadInto(CRenameSettings &settings) const
{
    settings.FormatStr = m_format->CurrentText();
    settings.DateSource = ChosenValue<TimeSource>(m_dateSource);
}
