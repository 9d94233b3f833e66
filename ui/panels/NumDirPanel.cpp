#include "ui/panels/NumDirPanel.h"

#include "ui/main/HistoryComboBox.h"
#include "ui/panels/CountList.h"
#include "ui/panels/NumberField.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kStartLower = 0;
constexpr int kStartUpper = 999999;
constexpr int kCountLower = 1;
constexpr int kCountUpper = 1000;

} // namespace

CNumDirPanel::CNumDirPanel(QWidget *parent) : CModePanel(parent)
{
    m_text = AddHistoryCombo("NumDirStr");
    m_width = MakeCountList(this);
    m_start = new CNumberField(kStartLower, kStartUpper, QStringLiteral("1"), this);
    m_step = MakeCountList(this);
    m_count = new CNumberField(kCountLower, kCountUpper, QStringLiteral("1"), this);
    // Nothing is selected and nothing typed until the record is shown.
    m_width->setCurrentIndex(-1);
    m_step->setCurrentIndex(-1);
    m_start->SetText({});
    m_count->SetText({});

    auto *text = new QHBoxLayout;
    text->addWidget(new QLabel(QStringLiteral("固定"), this));
    text->addWidget(m_text, 1);

    auto *number = new QHBoxLayout;
    number->addWidget(new QLabel(QStringLiteral("連番"), this));
    number->addSpacing(8);
    number->addWidget(new QLabel(QStringLiteral("桁"), this));
    number->addWidget(m_width);
    number->addWidget(new QLabel(QStringLiteral("開始"), this));
    number->addWidget(m_start, 1);
    number->addWidget(new QLabel(QStringLiteral("増分"), this));
    number->addWidget(m_step);
    number->addWidget(new QLabel(QStringLiteral("個数"), this));
    number->addWidget(m_count, 1);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addLayout(text);
    rows->addLayout(number);

    connect(m_width, &QComboBox::activated, this, &CNumDirPanel::PostChanged);
    connect(m_step, &QComboBox::activated, this, &CNumDirPanel::PostChanged);
    connect(m_start, &CNumberField::Edited, this, &CNumDirPanel::PostChanged);
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
