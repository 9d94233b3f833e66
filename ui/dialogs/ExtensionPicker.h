#pragma once

class CHistoryComboBox;
class QWidget;

// The "..." of a pattern combo: the file type list in multiple selection, and
// "*.<ext>" appended to the combo's text for each extension chosen, in the
// list's order.
void AppendPickedExtensions(CHistoryComboBox &combo, QWidget *parent);
