#include "ui/panels/NumberField.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

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
    SetText(QString::number(LeadingValue()));
    CSpinEdit::focusOutEvent(event);
}

void CNumberField::onStepped(int delta)
{
    setFocus();
    // A step counts from the text itself, so an empty field steps from 0.
    const long long stepped = static_cast<long long>(LeadingValue()) + delta;
    // The change check of the text clamps the result to the limits.
    SetText(QString::number(std::clamp<long long>(stepped, INT_MIN, INT_MAX)));
}

QSize CNumberField::sizeHint() const
{
    // The base class knows no values, so it would leave room for a blank only.
    const QFontMetrics metrics = fontMetrics();
    const int textWidth = std::max(metrics.horizontalAdvance(QString::number(m_lower)),
                                   metrics.horizontalAdvance(QString::number(m_upper)));
    // A blank and the room of the blinking cursor, as the spin boxes of Qt have.
    const QSize content(textWidth + metrics.horizontalAdvance(u' ') + 2, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}
