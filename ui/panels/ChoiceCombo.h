#pragma once

#include <QComboBox>

// A combo whose rows are the enumerators of a settings choice in the order of
// their values: the row of a value, and the value of the current row. A value
// outside the rows selects none; no row selected reads as the value -1.
template <class Choice> void ShowChoice(QComboBox *combo, Choice value)
{
    combo->setCurrentIndex(static_cast<int>(value));
}

template <class Choice> Choice ChosenValue(const QComboBox *combo)
{
    return static_cast<Choice>(combo->currentIndex());
}
