#pragma once

#include <QAbstractSpinBox>

// An edit field with spin arrows whose text is free: anything may be typed,
// and the arrows (and the Up/Down keys and the wheel) do not change the text
// themselves but report a step, so that the owner decides what a step does.
class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CSpinEdit(QWidget *parent = nullptr);

    QString Text() const;
    void SetText(const QString &text);

    // The integer value of the text as the C library reads one: leading
    // blanks, an optional sign, then digits up to the first other character
    // (so "12abc" is 12 and "" or "abc" is 0); saturated at the int range.
    int LeadingValue() const;
    // True when the text is exactly an optional sign and digits.
    bool IsWholeNumber() const;

    void stepBy(int steps) override;

signals:
    void TextChanged(const QString &text);
    void Stepped(int delta);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &input, int &pos) const override;
};

int ParseLeadingInt(const QString &text);
