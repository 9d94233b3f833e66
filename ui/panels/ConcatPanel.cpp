#include "ui/panels/ConcatPanel.h"

#include "ui/dialogs/SepCharsDlg.h"
#include "ui/panels/ChoiceCombo.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/TextFileBrowse.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QComboBox *MakeChoiceList(QWidget *parent, const QStringList &choices)
{
    auto *combo = new QComboBox(parent);
    combo->addItems(choices);
    return combo;
}

} // namespace

CConcatPanel::CConcatPanel(QWidget *parent) : CModePanel(parent)
{
    m_outputFile = AddHistoryCombo("OutputFile");
    m_browseButton = MakeImageButton(this, icons::kBrowseFolder, icons::kDirectoryButtonSize, "");
    m_separatorMode = MakeChoiceList(this, {tr("な　　し"), tr("先　　頭"), tr("ファイル毎")});
    m_separator = AddHistoryCombo("Sepa");
    m_separatorCharsButton = MakeImageButton(this, icons::kHelp, icons::kDirectoryButtonSize, "");
    m_separatorChars = new CSepCharsDlg(this);
    m_appendCheck = new QCheckBox(tr("追加出力"), this);
    m_deleteCheck = new QCheckBox(tr("選択ファイルを削除"), this);
    m_lineEnds = MakeChoiceList(this, {tr("改行不変"), tr("CR (0DH)に"), tr("LF (0AH)に"), tr("CR+LFに")});
    m_eofMarks = MakeChoiceList(this, {tr("EOF不変"), tr("EOF末尾"), tr("EOF削除")});

    auto *output = new QHBoxLayout;
    output->addWidget(new QLabel(tr("出力先"), this));
    output->addWidget(m_outputFile, 1);
    output->addWidget(m_browseButton);
    output->addWidget(m_appendCheck);
    output->addWidget(m_deleteCheck);

    auto *separator = new QHBoxLayout;
    separator->addWidget(new QLabel(tr("区切り"), this));
    separator->addWidget(m_separatorMode);
    separator->addWidget(m_separator, 1);
    separator->addWidget(m_separatorCharsButton);
    separator->addWidget(m_lineEnds);
    separator->addWidget(m_eofMarks);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(output);
    rows->addLayout(separator);

    connect(m_browseButton, &CImageButton::clicked, this, &CConcatPanel::browse);
    connect(m_separatorMode, &QComboBox::activated, this, [this] {
        enableSeparator();
        PostChanged();
    });
    connect(m_separatorCharsButton, &CImageButton::clicked, this,
            [this] { m_separatorChars->ShowBelow(m_separator); });
    connect(m_separatorChars, &CPlaceholderListDlg::PlaceholderChosen, this,
            [this](const std::string &placeholder) {
                m_separator->SetCurrentText(m_separator->CurrentText() + placeholder);
                PostChanged();
            });
    connect(m_appendCheck, &QCheckBox::clicked, this, &CConcatPanel::PostChanged);
    connect(m_deleteCheck, &QCheckBox::clicked, this, &CConcatPanel::PostChanged);
    connect(m_lineEnds, &QComboBox::activated, this, &CConcatPanel::PostChanged);
    connect(m_eofMarks, &QComboBox::activated, this, &CConcatPanel::PostChanged);
}

void CConcatPanel::ShowSettings(const CRenameSettings &settings)
{
    ShowChoice(m_separatorMode, settings.SepaMode);
    m_appendCheck->setChecked(settings.IsAppend);
    m_deleteCheck->setChecked(settings.IsDelete);
    ShowChoice(m_lineEnds, settings.RetMode);
    ShowChoice(m_eofMarks, settings.EofMode);
    enableSeparator();
}

void CConcatPanel::ReadInto(CRenameSettings &settings) const
{
    settings.OutputFile = m_outputFile->CurrentText();
    settings.SepaMode = ChosenValue<SeparatorPlacement>(m_separatorMode);
    settings.Sepa = m_separator->CurrentText();
    settings.IsAppend = m_appendCheck->isChecked();
    settings.IsDelete = m_deleteCheck->isChecked();
    settings.RetMode = ChosenValue<LineEnds>(m_lineEnds);
    settings.EofMode = ChosenValue<EofMark>(m_eofMarks);
}

void CConcatPanel::enableSeparator()
{
    const bool written = m_separatorMode->currentIndex() != 0;
    m_separator->setEnabled(written);
    m_separatorCharsButton->setEnabled(written);
}

void CConcatPanel::browse()
{
    BrowseTextFile(m_outputFile, tr("出力ファイル選択"), TextFileUse::Write);
    PostChanged();
}
