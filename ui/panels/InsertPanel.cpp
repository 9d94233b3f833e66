#include "ui/panels/InsertPanel.h"

#include "ui/panels/ChoiceCombo.h"
#include "ui/panels/NumberField.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QHBoxLayout>
#include <QLabel>

CInsertPanel::CInsertPanel(QWidget *parent)
    : CModePanel(parent),
      m_where(MakePositionKind(this, {tr("前に"), tr("前から"), tr("後ろに"), tr("後ろから")}, tr("字目に"))),
      m_text(AddHistoryCombo("InsertStr"))
{
    auto *line = new QHBoxLayout(this);
    line->setContentsMargins(4, 2, 4, 2);
    line->addWidget(m_where.kind);
    line->addWidget(m_where.position);
    line->addWidget(m_where.caption);
    line->addWidget(m_text, 1);
    line->addWidget(new QLabel(tr("を挿入"), this));

    connect(m_where.kind, &QComboBox::activated, this, &CInsertPanel::PostChanged);
    connect(m_where.position, &CNumberField::Edited, this, &CInsertPanel::PostChanged);
}

void CInsertPanel::ShowSettings(const CRenameSettings &settings)
{
    ShowChoice(m_where.kind, settings.InsertMode);
    m_where.position->SetText(QString::number(settings.InsertNum));
    m_where.RefreshEnabled();
}

void CInsertPanel::ReadInto(CRenameSettings &settings) const
{
    settings.InsertMode = ChosenValue<InsertPosition>(m_where.kind);
    settings.InsertNum = m_where.position->Value();
    settings.InsertStr = m_text->CurrentText();
}
