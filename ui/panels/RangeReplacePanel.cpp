#include "ui/panels/RangeReplacePanel.h"

#include "ui/panels/ChoiceCombo.h"
#include "ui/panels/NumberField.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int kCountLower = 1;
constexpr int kCountUpper = 99;

} // namespace

CRangeReplacePanel::CRangeReplacePanel(QWidget *parent)
    : CModePanel(parent),
      m_where(MakePositionKind(this, {tr("前から"), tr("前"), tr("後ろから"), tr("後ろ")}, tr("字目から"))),
      m_count(new CNumberField(kCountLower, kCountUpper, QString::number(kCountLower), this)),
      m_replacement(AddHistoryCombo("ReplaceStr"))
{
    auto *line = new QHBoxLayout(this);
    line->setContentsMargins(4, 2, 4, 2);
    line->addWidget(m_where.kind);
    line->addWidget(m_where.position);
    line->addWidget(m_where.caption);
    line->addWidget(m_count);
    line->addWidget(new QLabel(tr("字を"), this));
    line->addWidget(m_replacement, 1);
    line->addWidget(new QLabel(tr("に置換"), this));

    connect(m_where.kind, &QComboBox::activated, this, &CRangeReplacePanel::PostChanged);
    connect(m_where.position, &CNumberField::Edited, this, &CRangeReplacePanel::PostChanged);
    connect(m_count, &CNumberField::Edited, this, &CRangeReplacePanel::PostChanged);
}

void CRangeReplacePanel::ShowSettings(const CRenameSettings &settings)
{
    ShowChoice(m_where.kind, settings.ReplaceMode);
    m_where.position->SetText(QString::number(settings.ReplaceNum));
    m_count->SetText(QString::number(settings.ReplaceWidth));
    m_where.RefreshEnabled();
}

void CRangeReplacePanel::ReadInto(CRenameSettings &settings) const
{
    settings.ReplaceMode = ChosenValue<RangePosition>(m_where.kind);
    settings.ReplaceNum = m_where.position->Value();
    // An empty count reads as 0: nothing is replaced and the text is inserted.
    settings.ReplaceWidth = m_count->Value();
    settings.ReplaceStr = m_replacement->CurrentText();
}
