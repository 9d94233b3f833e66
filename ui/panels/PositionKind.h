#pragma once

#include <QStringList>

class CNumberField;
class QComboBox;
class QLabel;
class QWidget;

// The kind list that starts the line of the range-replace and the insert
// panel, with the position field and its caption after it. The position
// counts only for the kinds 1 and 3 (a position counted from the front or
// from the back), so only then are the field and its caption enabled; a
// disabled field keeps its text for the next time. A selection made in the
// list refreshes the enabled states by itself.
//
// The position is 2 to 99 (the first and last places are kinds of their
// own); a field left empty shows "2" again, and reads as 2 while empty.
struct PositionKind {
    QComboBox *kind;
    CNumberField *position;
    QLabel *caption;

    static bool UsesPosition(int kind) { return kind == 1 || kind == 3; }
    void RefreshEnabled() const;
};

PositionKind MakePositionKind(QWidget *panel, const QStringList &kinds, const QString &caption);
