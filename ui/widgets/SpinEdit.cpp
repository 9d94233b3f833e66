#include "ui/widgets/SpinEdit.h"

#include <QLineEdit>

#include <climits>

int ParseLeadingInt(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

CSpinEdit::CSpinEdit(QWidget *parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CSpinEdit::TextChanged);
}

QString CSpinEdit::Text() const
{
    return lineEdit()->text();
}

void CSpinEdit::SetText(const QString &text)
{
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

int CSpinEdit::LeadingValue() const
{
    return ParseLeadingInt(Text());
}

bool CSpinEdit::IsWholeNumber() const
{
    const QString text = Text().trimmed();
    qsizetype i = (text.startsWith(u'-') || text.startsWith(u'+')) ? 1 : 0;
    if (i >= text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    }
    return true;
}

void CSpinEdit::stepBy(int steps)
{
    emit Stepped(steps);
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State CSpinEdit::validate(QString &, int &) const
{
    return QValidator::Acceptable;
}
