#include "ui/settings/ChoiceGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

CChoiceGroup::CChoiceGroup(const QString &title, std::initializer_list<QString> choices, QWidget *parent)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this)), m_layout(new QVBoxLayout(this))
{
    int value = 0;
    for (const QString &text : choices) {
        auto *radio = new QRadioButton(text, this);
        m_buttons->addButton(radio, value++);
        m_layout->addWidget(radio);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &CChoiceGroup::Clicked);
}

int CChoiceGroup::Value() const
{
    return m_buttons->checkedId();
}

void CChoiceGroup::SetValue(int value)
{
    if (QRadioButton *radio = Choice(value))
        radio->setChecked(true);
}

void CChoiceGroup::StoreInto(int &field) const
{
    if (Value() >= 0)
        field = Value();
}

QRadioButton *CChoiceGroup::Choice(int value) const
{
    return qobject_cast<QRadioButton *>(m_buttons->button(value));
}

void CChoiceGroup::AddWidget(QWidget *widget)
{
    m_layout->addWidget(widget);
}
