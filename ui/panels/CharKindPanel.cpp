#include "ui/panels/CharKindPanel.h"

#include "ui/panels/ChoiceCombo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include <initializer_list>

namespace {

QComboBox *MakeCaseList(const QStringList &items, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->addItems(items);
    return combo;
}

} // namespace

CCharKindPanel::CCharKindPanel(QWidget *parent)
    : CModePanel(parent), m_caseCheck(new QCheckBox(tr("大／小文字"), this)),
      m_fileLabel(new QLabel(tr("ファイル"), this)),
      m_fileCase(MakeCaseList(
          {tr("不　　　　変"), tr("ＫＥＳＴＲＥＬ"), tr("ｋｅｓｔｒｅｌ"), tr("Ｋｅｓｔｒｅｌ")}, this)),
      m_extensionLabel(new QLabel(tr("拡張子"), this)),
      m_extensionCase(MakeCaseList({tr("不変"), tr("ＥＸＥ"), tr("ｅｘｅ"), tr("Ｅｘｅ")}, this)),
      m_digits(AddWidthChoice(tr("数字"))), m_letters(AddWidthChoice(tr("アルファベット"))),
      m_katakana(AddWidthChoice(tr("カタカナ")))
{
    auto *caseGrid = new QGridLayout;
    caseGrid->addWidget(m_caseCheck, 0, 0, 1, 2);
    caseGrid->addWidget(m_fileLabel, 1, 0);
    caseGrid->addWidget(m_fileCase, 1, 1);
    caseGrid->addWidget(m_extensionLabel, 2, 0);
    caseGrid->addWidget(m_extensionCase, 2, 1);

    auto *widthGrid = new QGridLayout;
    int row = 0;
    for (const WidthChoice *choice : {&m_digits, &m_letters, &m_katakana}) {
        // An unlabelled frame around the radio pair.
        auto *frame = new QGroupBox(this);
        auto *pair = new QHBoxLayout(frame);
        pair->setContentsMargins(4, 0, 4, 0);
        pair->addWidget(choice->half);
        pair->addWidget(choice->full);
        widthGrid->addWidget(choice->check, row, 0);
        widthGrid->addWidget(frame, row, 1);
        ++row;
    }
    widthGrid->setVerticalSpacing(0);

    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(4, 2, 4, 2);
    columns->addLayout(caseGrid);
    columns->addSpacing(8);
    columns->addLayout(widthGrid);
    columns->addStretch(1);

    connect(m_caseCheck, &QCheckBox::clicked, this, [this] {
        RefreshEnabled();
        PostChanged();
    });
    connect(m_fileCase, &QComboBox::activated, this, &CCharKindPanel::PostChanged);
    connect(m_extensionCase, &QComboBox::activated, this, &CCharKindPanel::PostChanged);
    RefreshEnabled();
}

CCharKindPanel::WidthChoice CCharKindPanel::AddWidthChoice(const QString &caption)
{
    WidthChoice choice{new QCheckBox(caption, this), new QRadioButton(tr("半角"), this),
                       new QRadioButton(tr("全角"), this), new QButtonGroup(this)};
    choice.pair->addButton(choice.half, static_cast<int>(CharWidth::Half));
    choice.pair->addButton(choice.full, static_cast<int>(CharWidth::Full));
    const auto clicked = [this] {
        RefreshEnabled();
        PostChanged();
    };
    connect(choice.check, &QCheckBox::clicked, this, clicked);
    connect(choice.pair, &QButtonGroup::buttonClicked, this, clicked);
    return choice;
}

void CCharKindPanel::WidthChoice::Show(bool isConv, CharWidth conv) const
{
    check->setChecked(isConv);
    if (QAbstractButton *button = pair->button(static_cast<int>(conv))) {
        button->setChecked(true);
        return;
    }
    // A stored value outside the pair checks neither button.
    pair->setExclusive(false);
    half->setChecked(false);
    full->setChecked(false);
    pair->setExclusive(true);
}

void CCharKindPanel::WidthChoice::RefreshEnabled() const
{
    half->setEnabled(check->isChecked());
    full->setEnabled(check->isChecked());
}

void CCharKindPanel::RefreshEnabled()
{
    const bool caseOn = m_caseCheck->isChecked();
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_fileLabel, m_fileCase, m_extensionLabel, m_extensionCase})
        control->setEnabled(caseOn);
    m_digits.RefreshEnabled();
    m_letters.RefreshEnabled();
    m_katakana.RefreshEnabled();
}

void CCharKindPanel::ShowSettings(const CRenameSettings &settings)
{
    m_caseCheck->setChecked(settings.IsCase);
    ShowChoice(m_fileCase, settings.FileCase);
    ShowChoice(m_extensionCase, settings.ExtensionCase);
    m_digits.Show(settings.IsConvNum, settings.ConvNum);
    m_letters.Show(settings.IsConvAlpha, settings.ConvAlpha);
    m_katakana.Show(settings.IsConvKana, settings.ConvKana);
    RefreshEnabled();
}

void CCharKindPanel::ReadInto(CRenameSettings &settings) const
{
    settings.IsCase = m_caseCheck->isChecked();
    settings.FileCase = ChosenValue<LetterCase>(m_fileCase);
    settings.ExtensionCase = ChosenValue<LetterCase>(m_extensionCase);
    settings.IsConvNum = m_digits.check->isChecked();
    settings.ConvNum = static_cast<CharWidth>(m_digits.pair->checkedId());
    settings.IsConvAlpha = m_letters.check->isChecked();
    settings.ConvAlpha = static_cast<CharWidth>(m_letters.pair->checkedId());
    settings.IsConvKana = m_katakana.check->isChecked();
    settings.ConvKana = static_cast<CharWidth>(m_katakana.pair->checkedId());
}
