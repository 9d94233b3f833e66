#pragma once

#include "ui/panels/ModePanel.h"

class CImageButton;
class CSepCharsDlg;
class QCheckBox;
class QComboBox;

// The concatenation panel: the output file, the separator written before the
// first or every file (with a list of its placeholders), appending to the
// output, deleting the sources, and the conversion of line ends and
// end-of-file characters.
class CConcatPanel : public CModePanel {
    Q_OBJECT
public:
    explicit CConcatPanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    // The separator text and its placeholder button are usable only when a
    // separator is written.
    void enableSeparator();
    void browse();

    CHistoryComboBox *m_outputFile;
    CImageButton *m_browseButton;
    QComboBox *m_separatorMode;
    CHistoryComboBox *m_separator;
    CImageButton *m_separatorCharsButton;
    CSepCharsDlg *m_separatorChars;
    QCheckBox *m_appendCheck;
    QCheckBox *m_deleteCheck;
    QComboBox *m_lineEnds;
    QComboBox *m_eofMarks;
};
