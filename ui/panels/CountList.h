#pragma once

class QComboBox;
class QWidget;

// The drop-down list " 1" to "20" of a number's width or step; the value is
// the selected index + 1.
QComboBox *MakeCountList(QWidget *parent);
