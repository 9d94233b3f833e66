#include "ui/panels/FormatPanel.h"

#include "ui/dialogs/FormatHelpDlg.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CFormatPanel::CFormatPanel(QWidget *parent) : CModePanel(parent)
{
    m_format = AddHistoryCombo("FormatStr");
    m_helpButton = MakeImageButton(this, icons::kHelp, icons::kDirectoryButtonSize, "");
    m_helpList = new CFormatHelpDlg(this);

    auto *format = new QHBoxLayout;
    format->addWidget(new QLabel(QStringLiteral("書式"), this));
    format->addWidget(m_format, 1);
    format->addWidget(m_helpButton);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(format);
    rows->addStretch(1);

    connect(m_helpButton, &CImageButton::clicked, this, [this] { m_helpList->ShowBelow(m_format); });
    connect(m_helpList, &CPlaceholderListDlg::PlaceholderChosen, this,
            [this](const std::string &placeholder) {
                m_format->SetCurrentText(m_format->CurrentText() + placeholder);
                PostChanged();
            });
}

void CFormatPanel::ShowSettings(const CRenameSettings &)
{
    // The format is a history text: the field shows the newest entry.
}

void CFormatPanel::ReadInto(CRenameSettings &settings) const
{
    settings.FormatStr = m_format->CurrentText();
}
