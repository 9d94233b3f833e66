#pragma once

#include "ui/widgets/ModalGuard.h"

#include <QDialog>

class CSpinEdit;

// "Kestrel（変更リスト位置指定）": asks for the row position (0 to the row
// count) to which the selected candidate rows move. A value outside that
// range, or a text that is not a number, beeps and keeps the dialog open.
class CListPosDlg : public QDialog {
    Q_OBJECT
public:
    // preset: the value shown at first (the first selected row + 1).
    CListPosDlg(int rowCount, int preset, QWidget *parent);

    // The accepted position.
    int Position() const { return m_position; }

    void accept() override;

private:
    void step(int delta);

    CModalGuard m_modal;
    int m_rowCount;
    int m_preset;
    int m_position;
    CSpinEdit *m_edit;
};
