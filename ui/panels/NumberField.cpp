#include "ui/panels/NumberField.h"

#include <algorithm>
#include <climits>

CNumberField::CNumberField(int lower, int upper, const QString &defaultText, QWidget *parent)
    : CSpinEdit(parent), m_lower(lower), m_upper(upper), m_defaultText(defaultText)
{
    SetText(defaultText);
    connect(this, &CSpinEdit::TextChanged, this, &CNumberField::onTextChanged);
    connect(this, &CSpinEdit::Stepped, this, &CNumberField::onStepped);
}

void CNumberField::onTextChanged(const QString &text)
{
    if (m_adjusting)
        return;
    if (!text.isEmpty()) {
        const int value = ParseLeadingInt(text);
        m_adjusting = true;
        if (value > m_upper)
            SetText(QString::number(m_upper));
        else if (value < m_lower)
            SetText(QString::number(m_lower));
        m_adjusting = false;
    }
    emit Edited();
}

void CNumberField::focusOutEvent(QFocusEvent *event)
{
    if (Text().isEmpty())
        SetText(m_defaultText);
    SetText(QString::number(Value()));
    CSpinEdit::focusOutEvent(event);
}

void CNumberField::onStepped(int delta)
{
    setFocus();
    const long long stepped = static_cast<long long>(Value()) + delta;
    // The change check of the text clamps the result to the limits.
    SetText(QString::number(std::clamp<long long>(stepped, INT_MIN, INT_MAX)));
}
