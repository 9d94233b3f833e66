#pragma once

#include <functional>

class CNumberField;
class QComboBox;
class QHBoxLayout;
class QWidget;

// The drop-down list " 1" to "20" of a number's width or step; the value is
// the selected index + 1.
QComboBox *MakeCountList(QWidget *parent);

// The row "連番 桁 [width] 開始 [start] 増分 [step]" of the renumber and the
// numbered-directory panels: the start field takes 0 to 999999 (empty
// restored to "1"); every change the user makes calls `changed`.
struct NumberRow {
    QComboBox *width;
    CNumberField *start;
    QComboBox *step;
    QHBoxLayout *layout;
};
NumberRow MakeNumberRow(QWidget *parent, const std::function<void()> &changed);
