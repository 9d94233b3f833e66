#pragma once

#include "ui/widgets/SpinEdit.h"

// A number field of a mode panel (start values, positions, widths, counts):
// while typing, a value beyond the limits is replaced by the nearer limit;
// on leaving the field an empty text becomes the default text and the text
// is normalised to its integer value (007 becomes 7, 12abc becomes 12); a
// spin step puts the focus into the field and adds the step to the value.
// Every change of the text, by the user or the program, is reported by
// Edited() once the text is within the limits. While the field is empty the
// main window reads a fixed value, which a field may choose (SetEmptyValue).
class CNumberField : public CSpinEdit {
    Q_OBJECT
public:
    CNumberField(int lower, int upper, const QString &defaultText, QWidget *parent = nullptr);

    // The value the main window reads: the integer value of the text, or the
    // empty value (0 unless set) while the text is empty.
    int Value() const { return Text().isEmpty() ? m_emptyValue : LeadingValue(); }
    void SetEmptyValue(int value) { m_emptyValue = value; }

    // Wide enough for the limits' texts.
    QSize sizeHint() const override;

signals:
    void Edited();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void onTextChanged(const QString &text);
    void onStepped(int delta);

    int m_lower;
    int m_upper;
    QString m_defaultText;
    int m_emptyValue = 0;
    bool m_adjusting = false;
};
