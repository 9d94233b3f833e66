#include "ui/panels/NumDirPanel.h"

#include "ui/panels/CountList.h"
#include "ui/panels/NumberField.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kCountLower = 1;
constexpr int kCountUpper = 1000;

} // namespace

CNumDirPanel::CNumDirPanel(QWidget *parent) : CModePanel(parent)
{
    m_text = AddHistoryCombo("NumDirStr");
    const NumberRow number = MakeNumberRow(this, [this] { PostChanged(); });
    m_width = number.width;
    m_start = number.start;
    m_step = number.step;
    m_count = new CNumberField(kCountLower, kCountUpper, QStringLiteral("1"), this);
    // Nothing is selected and nothing typed until the record is shown.
    m_width->setCurrentIndex(-1);
    m_step->setCurrentIndex(-1);
    m_start->SetText({});
    m_count->SetText({});

    auto *text = new QHBoxLayout;
    text->addWidget(new QLabel(tr("固定"), this));
    text->addWidget(m_text, 1);

    number.layout->addWidget(new QLabel(tr("個数"), this));
    number.layout->addWidget(m_count, 1);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(text);
    rows->addLayout(number.layout);

    connect(m_count, &CNumberField::Edited, this, &CNumDirPanel::PostChanged);
    // The main window brings the candidate rows back to the restored count.
    connect(m_count, &CNumberField::editingFinished, this, &CNumDirPanel::PostChanged);
}

void CNumDirPanel::ShowSettings(const CRenameSettings &settings)
{
    m_width->setCurrentIndex(settings.NumDirWidth - 1);
    m_start->SetText(QString::number(settings.NumDirStart));
    m_step->setCurrentIndex(settings.NumDirStep - 1);
    m_count->SetText(QString::number(settings.NumDirCount));
}

void CNumDirPanel::ReadInto(CRenameSettings &settings) const
{
    settings.NumDirStr = m_text->CurrentText();
    settings.NumDirWidth = m_width->currentIndex() + 1;
    settings.NumDirStart = m_start->Value();
    settings.NumDirStep = m_step->currentIndex() + 1;
    settings.NumDirCount = m_count->Value();
}
